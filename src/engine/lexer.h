#pragma once
// TLexAnalysator: turns formula text into lexemes, inserting implied
// multiplication signs, choosing unary or binary minus and checking that
// neighbouring lexemes may stand side by side.

#include <string>
#include <string_view>

#include "engine/engine_messages.h"
#include "engine/stack_list.h"

namespace vg {

class TLexAnalysator {
public:
    // Analyses `text` (callers pass it enclosed in "(" and ")") with the given
    // variable names (case-insensitive; the second may be empty). Returns the
    // lexemes in text order (last lexeme on top); the list is returned even
    // on failure. errorCode is 0, kErrSyntax or kErrDiscordance.
    TStackList Analyse(std::string_view text, std::string_view firstName,
                       std::string_view secondName, EngineError& errorCode) const;

    // One-variable form: an empty second name.
    TStackList Analyse(std::string_view text, std::string_view varName,
                       EngineError& errorCode) const
    {
        return Analyse(text, varName, std::string_view(), errorCode);
    }
};

// Formulas of two variables; identical behaviour, both names passed.
class TLexAnalysator2Var : public TLexAnalysator {};

// Copy of text with "a".."z" turned into "A".."Z"; other bytes unchanged.
std::string UpperCaseCopy(std::string_view text);
// Copy of text without its spaces.
std::string RemoveSpaces(std::string_view text);

}  // namespace vg
