#include "tools/calculator_tool.h"

#include <charconv>
#include <cmath>
#include <string_view>

#include "app/translator.h"
#include "engine/calculator.h"
#include "engine/check_formula.h"
#include "engine/number_text.h"
#include "engine/numeric_utils.h"
#include "tools/tool_text.h"

namespace vg {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// [+|-] digits [. digits] with at least one digit: a typed value that only
// fails to read when it lies beyond the extended range.
bool IsPlainDecimal(std::string_view s)
{
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    bool anyDigit = false;
    while (i < s.size() && IsDigit(s[i])) ++i, anyDigit = true;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) ++i, anyDigit = true;
    }
    return anyDigit && i == s.size();
}

std::string StripZeros(std::string text)
{
    if (text.find('.') != std::string::npos) {
        while (!text.empty() && text.back() == '0') text.pop_back();
        if (!text.empty() && text.back() == '.') text.pop_back();
    }
    if (text == "-0") text = "0";
    return text;
}

std::string FixedDigits(long double x, int digits)
{
    char buffer[128];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, digits);
    if (ec != std::errc()) return FormatNumber(x);
    return StripZeros(std::string(buffer, end));
}

std::optional<CalcFailure> CheckVariableName(const std::string& name)
{
    if (name.size() == 1) {
        const char upper = AsciiUpper(name[0]);
        if (upper >= 'A' && upper <= 'Z') return std::nullopt;
    }
    return CalcFailure{"The name of the variable must\rbe a letter of the latin alphabet", {}, CalcField::VariableName,
                       kEngineOk, {}};
}

std::optional<CalcFailure> ReadVariableValue(const std::string& text, long double& value)
{
    bool failed = false;
    value = ParseNumberInput(text, failed);
    const CalcFailure tooLarge{"Too large value of the variable", {}, CalcField::VariableValue, kEngineOk, {}};
    if (failed) {
        // Digits beyond the extended range are a value too large, not text
        // that is no number.
        if (IsPlainDecimal(TrimBlanks(text))) return tooLarge;
        return CalcFailure{kVariableNotNumberText, {}, CalcField::VariableValue, kEngineOk, {}};
    }
    if (!(std::fabs(value) <= kMaxCalcValue)) return tooLarge;
    return std::nullopt;
}

}  // namespace

CalcOutcome RunCalculator(const std::string& formula, const std::string& variableName, const std::string& valueText)
{
    CalcOutcome outcome;
    if ((outcome.Failure = CheckVariableName(variableName))) return outcome;
    long double x = 0;
    if ((outcome.Failure = ReadVariableValue(valueText, x))) return outcome;
    const std::string name(1, AsciiUpper(variableName[0]));
    if (const auto refusal = FormulaRefusal(formula, name)) {
        outcome.Failure = FormulaFailure(*refusal, CalcField::Formula);
        return outcome;
    }
    TStackList postfix;
    EngineError code = CompileFormula(formula, name, "", postfix);
    if (code == kEngineOk) {
        TCalculator calculator(postfix);
        outcome.Value = calculator.Calculate(postfix, code, x);
    }
    outcome.Undefined = code != kEngineOk;
    outcome.Text = outcome.Undefined ? Translate("Error") : FormatNumberDigits(outcome.Value, kCalcResultDigits);
    return outcome;
}

std::string FormatNumberDigits(long double x, int digits)
{
    if (!std::isfinite(x)) return FormatNumber(x);
    const long double magnitude = std::fabs(x);
    if ((magnitude >= 0.001L && magnitude <= 1e6L) || NearZero(x) == 0) return FixedDigits(x, digits);

    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, 17);
    if (ec != std::errc()) return FormatNumber(x);
    const std::string_view scientific(buffer, static_cast<std::size_t>(end - buffer));
    const std::size_t e = scientific.find('e');
    long double mantissa = 0;
    std::from_chars(scientific.data(), scientific.data() + e, mantissa);
    int exponent = 0;
    std::string_view exponentText = scientific.substr(e + 1);
    if (!exponentText.empty() && exponentText.front() == '+') exponentText.remove_prefix(1);
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);

    std::string exponentForm = FormatFormulaNumber(static_cast<long double>(exponent));
    if (exponent < 0) exponentForm = "(" + exponentForm + ")";
    return FixedDigits(mantissa, digits) + "*10^" + exponentForm;
}

}  // namespace vg
