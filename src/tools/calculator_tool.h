#pragma once

// The Calculator window's model: one formula of one variable evaluated for
// one typed value, with the checks of the Calculate button in order and the
// number form of the result.

#include <optional>
#include <string>

#include "tools/calculus_texts.h"
#include "tools/tool_input.h"

namespace vg {

enum class CalcField { None, VariableName, VariableValue, Formula };
using CalcFailure = InputFailure<CalcField>;

inline constexpr long double kMaxCalcValue = 1e500L;
inline constexpr int kCalcResultDigits = 10;

struct CalcOutcome {
    std::optional<CalcFailure> Failure;  // a refused input; nothing computed
    bool Undefined = false;              // the formula has no value there
    long double Value = 0;
    std::string Text;  // what ResultEdit shows: the number, or "Error" translated
};

// Checks the inputs in the window's order (variable name, value, formula)
// and evaluates the formula for the value.
CalcOutcome RunCalculator(const std::string& formula, const std::string& variableName,
                          const std::string& valueText);

// The result's number form: fixed notation with `digits` decimals (trailing
// zeros and point removed) for 0.001 <= |x| <= 1e6 or NearZero(x) = 0, else
// the mantissa so written followed by "*10^" and the exponent ("(-7)" when
// negative). "-0" becomes "0".
std::string FormatNumberDigits(long double x, int digits);

}  // namespace vg
