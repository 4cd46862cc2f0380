#include "engine/engine_messages.h"

namespace vg {

const char* EngineMessage(EngineError code)
{
    switch (code) {
    case kErrSyntax: return "syntax error";
    case kErrDiscordance: return "discordance of lexems";
    case kErrMissingRightParen: return "not enough ')' ";
    case kErrMissingLeftParen: return "not enough '(' ";
    default: return "";
    }
}

}  // namespace vg
