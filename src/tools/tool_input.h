#pragma once

// What the tool dialogs check before they compute: typed numbers, integer
// fields and formulas, and the first refusal with the field to focus.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine_messages.h"
#include "engine/lexeme.h"
#include "tools/tool_scan.h"

namespace vg {

// The first refused field of a dialog. Message is the English text with "%s"
// places for Arguments ("\r" starts a new line); a formula's syntax error is
// carried as its engine code instead and reads as FormatFormulaError shows it.
template <class Field>
struct InputFailure {
    std::string Message;
    std::vector<std::string> Arguments;
    Field FocusField{};
    EngineError FormulaError = kEngineOk;
    std::string Tail;  // appended after the translation, untranslated
};

// The text a message box shows for a refusal: translated, places filled.
std::string InputFailureText(const std::string& message, const std::vector<std::string>& arguments,
                             EngineError formulaError, const std::string& tail);

template <class Field>
std::string InputFailureText(const InputFailure<Field>& failure)
{
    return InputFailureText(failure.Message, failure.Arguments, failure.FormulaError, failure.Tail);
}

// The messages the tools share.
inline constexpr const char* kEmptyFormulaMessage = "Empty formula";
inline constexpr const char* kNumberRangeText = "This value must be a number\rfrom %s up to %s";
inline constexpr const char* kIntegerRangeText = "This value must be an integer\rfrom %s up to %s";
inline constexpr const char* kMaxXText = "Maximum of X must be more\rthan minimum of X";
inline constexpr const char* kLowestTypedText = "-1*10^100";
inline constexpr const char* kHighestTypedText = "1*10^100";
inline constexpr Extended kTypedNumberLimit = 1e100L;

// Why a formula field is refused: its syntax error code, or kEmptyFormula for
// a text of blanks; nullopt when it is accepted.
inline constexpr EngineError kEmptyFormula = 255;
std::optional<EngineError> FormulaRefusal(std::string_view formula, std::string_view variable);

// A typed number: readable by ParseNumberInput and at most 1e100 in
// magnitude. On success value holds what ParseNumberText reads from the same
// text, which is the value the tools compute with.
bool ReadTypedNumber(std::string_view text, Extended& value);

// A trimmed decimal integer (optional sign) within [low, high].
bool ReadIntegerInRange(std::string_view text, long low, long high, long& value);

// The refusal of a formula (syntax error or empty) for a field.
template <class Field>
InputFailure<Field> FormulaFailure(EngineError refusal, Field field)
{
    InputFailure<Field> failure;
    failure.FocusField = field;
    if (refusal == kEmptyFormula) {
        failure.Message = kEmptyFormulaMessage;
    } else {
        failure.FormulaError = refusal;
    }
    return failure;
}

// The four fields of a scan (bounds, steps, decimals) in the dialogs' order:
// each bound a typed number, the maximum above the minimum, then the number
// of steps (100..20000) and the decimals (0..5). accepted changes only when
// all four are accepted.
enum class ScanField { MinX, MaxX, StepsNum, DigitsNum };
struct ScanFieldTexts {
    std::string MinX;
    std::string MaxX;
    std::string StepsNum;
    std::string DigitsNum;
};
std::optional<InputFailure<ScanField>> CheckScanFields(const ScanFieldTexts& texts, ScanInterval& accepted);

// The same refusal for the field of another dialog.
template <class Field>
InputFailure<Field> ForField(const InputFailure<ScanField>& failure, Field field)
{
    return {failure.Message, failure.Arguments, field, failure.FormulaError, failure.Tail};
}

template <class Field>
InputFailure<Field> RangeFailure(const char* message, std::string low, std::string high, Field field)
{
    return {message, {std::move(low), std::move(high)}, field, kEngineOk, {}};
}

}  // namespace vg
