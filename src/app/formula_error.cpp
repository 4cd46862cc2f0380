#include "app/formula_error.h"

#include "app/translator.h"
#include "engine/engine_messages.h"

namespace vg {

std::string FormatFormulaError(int errorCode)
{
    const char* message = (errorCode >= 0 && errorCode <= 255)
                              ? EngineMessage(static_cast<EngineError>(errorCode))
                              : "";
    return Translate("Error") + " " + std::to_string(errorCode) + ": " + Translate(message);
}

}  // namespace vg
