#include "tools/tool_input.h"

#include <charconv>
#include <cmath>

#include "app/formula_error.h"
#include "app/translator.h"
#include "engine/check_formula.h"
#include "engine/number_text.h"

namespace vg {

namespace {

std::string_view Trimmed(std::string_view s)
{
    const std::size_t first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const std::size_t last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

}  // namespace

std::string InputFailureText(const std::string& message, const std::vector<std::string>& arguments,
                             EngineError formulaError, const std::string& tail)
{
    if (formulaError != kEngineOk) return FormatFormulaError(formulaError);
    std::string text = Translate(message);
    std::size_t from = 0;
    for (const std::string& argument : arguments) {
        const std::size_t at = text.find("%s", from);
        if (at == std::string::npos) break;
        text.replace(at, 2, argument);
        from = at + argument.size();
    }
    return text + tail;
}

std::optional<EngineError> FormulaRefusal(std::string_view formula, std::string_view variable)
{
    EngineError code = kEngineOk;
    if (!CheckFormula(formula, variable, code)) return code;
    if (IsBlankFormula(formula)) return kEmptyFormula;
    return std::nullopt;
}

bool ReadTypedNumber(std::string_view text, Extended& value)
{
    bool failed = false;
    const Extended typed = ParseNumberInput(text, failed);
    if (failed || !(std::fabs(typed) <= kTypedNumberLimit)) return false;
    value = ParseNumberText(text);
    return true;
}

bool ReadIntegerInRange(std::string_view text, long low, long high, long& value)
{
    std::string_view t = Trimmed(text);
    if (!t.empty() && t.front() == '+') t.remove_prefix(1);
    long v = 0;
    const auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (t.empty() || error != std::errc() || end != t.data() + t.size()) return false;
    if (v < low || v > high) return false;
    value = v;
    return true;
}

std::optional<InputFailure<ScanField>> CheckScanFields(const ScanFieldTexts& texts, ScanInterval& accepted)
{
    Extended minX = 0, maxX = 0;
    if (!ReadTypedNumber(texts.MinX, minX))
        return RangeFailure(kNumberRangeText, kLowestTypedText, kHighestTypedText, ScanField::MinX);
    if (!ReadTypedNumber(texts.MaxX, maxX))
        return RangeFailure(kNumberRangeText, kLowestTypedText, kHighestTypedText, ScanField::MaxX);
    if (!(maxX > minX)) return InputFailure<ScanField>{kMaxXText, {}, ScanField::MaxX, kEngineOk, {}};
    long steps = 0, digits = 0;
    if (!ReadIntegerInRange(texts.StepsNum, 100, 20000, steps))
        return RangeFailure(kIntegerRangeText, "100", "20000", ScanField::StepsNum);
    if (!ReadIntegerInRange(texts.DigitsNum, 0, 5, digits))
        return RangeFailure(kIntegerRangeText, "0", "5", ScanField::DigitsNum);
    accepted = {minX, maxX, static_cast<int>(steps), static_cast<int>(digits)};
    return std::nullopt;
}

}  // namespace vg
