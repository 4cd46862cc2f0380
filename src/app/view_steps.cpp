#include "app/view_steps.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

#include "engine/number_text.h"
#include "engine/numeric_utils.h"

namespace vg {

namespace {

constexpr int64_t kMantissaUnit = 100000000000;  // 1e11: the mantissa's last digit

// The 12 significant digits of x > 0 as an integer M (m = M / 1e11) and the
// decimal exponent, read from the 20-character scientific text so that the
// rounding below works on exact decimal digits.
void DecimalMantissa(long double x, int64_t& mantissa, int& exponent)
{
    const std::string text = ScientificText(x, 20);  // " d.ddddddddddd E+eeee"
    const std::size_t e = text.find('E');
    mantissa = 0;
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] >= '0' && text[i] <= '9') mantissa = mantissa * 10 + (text[i] - '0');
    exponent = std::stoi(text.substr(e + 1));
}

// The nearest integer to numerator / kMantissaUnit, halves to the even one.
int64_t RoundHalfEven(int64_t numerator)
{
    int64_t q = numerator / kMantissaUnit;
    const int64_t twiceRest = 2 * (numerator % kMantissaUnit);
    if (twiceRest > kMantissaUnit || (twiceRest == kMantissaUnit && q % 2 != 0)) ++q;
    return q;
}

// tenths x 10^(exponent - 1), the nearest extended value to that decimal.
long double ScaleTenths(int64_t tenths, int exponent)
{
    const std::string text = std::to_string(tenths) + "e" + std::to_string(exponent - 1);
    long double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

int64_t Distance(int64_t a, int64_t b) { return a > b ? a - b : b - a; }

void ScaleAxisSteps(long double k, Ext80* const (&steps)[3])
{
    if (NearZero(k) == 1) return;
    for (Ext80* step : steps) {
        const long double scaled = k * step->Get();
        if (!std::isfinite(scaled) || !(scaled > 0)) continue;
        const long double nice = RoundToNiceStep(scaled);
        if (nice <= kBoundLimit && nice > 0) *step = nice;
    }
}

}  // namespace

long double RoundToNiceStep(long double x)
{
    if (!std::isfinite(x) || !(x > 0)) return x;
    int64_t m = 0;
    int exponent = 0;
    DecimalMantissa(x, m, exponent);
    // Candidates in units of 1e-11 of the mantissa: a multiple of 0.5 and of 0.2.
    const int64_t halves = RoundHalfEven(2 * m);
    const int64_t fifths = RoundHalfEven(5 * m);
    const int64_t a = halves * (kMantissaUnit / 2);
    const int64_t b = fifths * (kMantissaUnit / 5);
    const bool takeHalves = Distance(m, a) < Distance(m, b);
    return ScaleTenths(takeHalves ? halves * 5 : fifths * 2, exponent);
}

void ScaleSteps(DocumentOptions& d, long double kx, long double ky)
{
    ScaleAxisSteps(kx, {&d.LabelsXStep, &d.MarksXStep, &d.VertStep});
    ScaleAxisSteps(ky, {&d.LabelsYStep, &d.MarksYStep, &d.HorStep});
}

}  // namespace vg
