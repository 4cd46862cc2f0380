#include "tools/regression_texts.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "engine/number_text.h"
#include "engine/numeric_utils.h"

namespace vg {

namespace {

// The scientific text whose mantissa the power form of a figure reads.
constexpr int kFigureScientificWidth = 30;

bool IsNegative(long double v) { return NearZero(v) < 0; }

std::string N(long double v) { return FormatFormulaNumber(v); }

// "+b" or "-b": the constant term after a first term.
// Texts are appended piece by piece: "+" + temporary makes GCC 12 at -O3
// warn about an overlapping copy (-Wrestrict) that cannot happen.
std::string SignedTerm(long double v)
{
    if (IsNegative(v)) return N(v);
    std::string text = "+";
    text += N(v);
    return text;
}

std::string Parenthesized(long double v)
{
    if (!IsNegative(v)) return N(v);
    std::string text = "(";
    text += N(v);
    text += ')';
    return text;
}

std::string PolynomialText(const RegressionFit& fit)
{
    std::string text;
    const int degree = std::clamp(fit.Degree, 0, kMaxPolynomDegree);
    for (int power = degree; power >= 0; --power) {
        const long double c = fit.C[static_cast<std::size_t>(power)];
        if (power != degree && !IsNegative(c)) text += "+";
        text += N(c);
        if (power == 1) text += "*x";
        else if (power > 1) text += "*x^" + std::to_string(power);
    }
    return text;
}

std::string Translated(const RegressionTranslation& translate, const char* text)
{
    return translate ? translate(text) : std::string(text);
}

}  // namespace

std::string RegressionFormulaText(const RegressionFit& fit)
{
    switch (fit.Kind) {
    case RegressionKind::Linear: return N(fit.A) + "*x" + SignedTerm(fit.B);
    case RegressionKind::Hyperbolic: return N(fit.A) + "/x" + SignedTerm(fit.B);
    case RegressionKind::Logarithmic: return N(fit.A) + "*ln(x)" + SignedTerm(fit.B);
    case RegressionKind::Power: return N(fit.A) + "*x^" + Parenthesized(fit.B);
    case RegressionKind::Exponential: return N(fit.A) + "*exp(" + N(fit.B) + "*x)";
    case RegressionKind::Exponential2: return N(fit.A) + "*" + Parenthesized(fit.B) + "^x";
    default: return PolynomialText(fit);
    }
}

std::string RegressionFigureText(long double v)
{
    if (!std::isfinite(v)) return "Error";
    const long double magnitude = std::fabs(v);
    if ((magnitude >= 0.001L && magnitude <= 1e6L) || NearZero(v) == 0) return FormatNumber(v);
    const std::string scientific = ScientificText(v, kFigureScientificWidth);
    const std::size_t e = scientific.find('E');
    const long double mantissa = ParseNumberText(std::string_view(scientific).substr(0, e));
    int exponent = 0;
    std::string_view exponentText = std::string_view(scientific).substr(e + 1);
    if (!exponentText.empty() && exponentText.front() == '+') exponentText.remove_prefix(1);
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
    std::string power = FormatNumber(static_cast<long double>(exponent));
    if (!power.empty() && power.front() == '-') power = "(" + power + ")";
    std::string text = FormatNumber(mantissa) + "*10^" + power;
    return text == "-0" ? "0" : text;
}

std::string RSquaredFigureText(long double rSquared)
{
    return rSquared >= 0 && rSquared < 2 ? RegressionFigureText(rSquared) : "Error";
}

RegressionDisplay MakeRegressionDisplay(const RegressionResult& result, const RegressionTranslation& translate)
{
    RegressionDisplay display;
    switch (result.Status) {
    case RegressionStatus::NotEnoughNumbers:
        display.DeviationLabel = Translated(translate, kNotEnoughNumbersText);
        return display;
    case RegressionStatus::ErrorData: display.DeviationLabel = Translated(translate, kErrorDataText); return display;
    case RegressionStatus::Fitted: break;
    }
    display.Formula = RegressionFormulaText(result.Fit);
    display.DeviationLabel =
        Translated(translate, kDeviationText) + "=" + RegressionFigureText(result.Goodness.Deviation);
    display.RSquaredLabel = "R^2=" + RSquaredFigureText(result.Goodness.RSquared);
    display.CanAddGraph = true;
    return display;
}

const char* RegressionKindCaption(RegressionKind kind)
{
    switch (kind) {
    case RegressionKind::Linear: return "Linear";
    case RegressionKind::Hyperbolic: return "Hyperbolic";
    case RegressionKind::Logarithmic: return "Logarithmic";
    case RegressionKind::Power: return "Power";
    case RegressionKind::Exponential: return "Exponential";
    case RegressionKind::Exponential2: return "Exponential II";
    case RegressionKind::Polynomial: return "Polynomial";
    case RegressionKind::Best: return "Best Fit Curve";
    }
    return "";
}

}  // namespace vg
