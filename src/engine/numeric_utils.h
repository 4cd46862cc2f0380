#pragma once
// Numeric clean-up shared by the evaluator, the axes and the number texts.

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "engine/lexeme.h"

namespace vg {

namespace near_zero {

// Magnitudes 2^-36 <= |x| < 2^49 take the inline path: their decimal
// exponent is -11 .. 14, so every power of ten it needs is exact in a double
// (cheap to load, unlike an 80-bit constant).
inline constexpr double kLowest = 0x1p-36;
inline constexpr double kBeyond = 0x1p49;

// Indexed by the exponent byte of |x| rounded to a float (a four-byte store
// and load; reading the exponent of the 80-bit value itself stalls on store
// forwarding): the decimal exponent of the binade's start and the next power
// of ten when the binade holds it (else infinity), so that one comparison
// gives the exact exponent. The rounding to float can lift a value just
// below a power of two into the binade above; only the power 1 sits at such
// a boundary, and its binade's entry accounts for that.
struct Binade {
    double nextPower;
    int decimalExponent;
};
extern const std::array<Binade, 256> kBinadeTable;

// 10^k for k = 0 .. 22, all exact.
extern const std::array<double, 23> kPowers;

// The complete rounding, out of line: every magnitude and the values the
// inline path cannot decide (within doubt of a decimal rounding half).
Extended General(Extended x) noexcept;

}  // namespace near_zero

// 0 below 1e-200 in magnitude; unchanged above 1e2000 (and for NaN and
// infinities); otherwise x rounded to 12 significant decimal digits, exactly
// as writing it in scientific notation with 12 digits and reading it back.
//
// Inline for everyday magnitudes: the evaluator's result never passes
// through memory as an argument, and the digits come from one scaling, one
// rounding to an integer and one correctly rounded quotient or product.
inline Extended NearZero(Extended x) noexcept
{
    constexpr Extended kNearestIntegerShift = 0x1.8p63L;  // adding it rounds to an integer
    constexpr Extended kTieDoubt = 0x1p-18L;
    const Extended ax = std::fabs(x);
    if (!(ax >= near_zero::kLowest && ax < near_zero::kBeyond)) [[unlikely]] {
        return ax == 0 ? 0 : near_zero::General(x);
    }
    const float approximate = static_cast<float>(ax);
    std::uint32_t bits;
    std::memcpy(&bits, &approximate, sizeof bits);
    const near_zero::Binade& b = near_zero::kBinadeTable[bits >> 23];
    // ax * 10^k lies in [1e11, 1e12) for the exact decimal exponent; the
    // scaling rounds once (exact power) and stays far from a half unless the
    // digits themselves are near one.
    const int k = 11 - b.decimalExponent - (ax >= b.nextPower ? 1 : 0);  // -3 .. 22
    const Extended s = k >= 0 ? ax * near_zero::kPowers[k] : ax / near_zero::kPowers[-k];
    const Extended n = (s + kNearestIntegerShift) - kNearestIntegerShift;
    if (std::fabs(std::fabs(s - n) - 0.5L) < kTieDoubt) [[unlikely]] return near_zero::General(x);
    // n and the power are exact: one rounding, as reading the digits back.
    const Extended r = k > 0 ? n / near_zero::kPowers[k] : n * near_zero::kPowers[-k];
    return x < 0 ? -r : r;
}

// Same bounds as NearZero; otherwise the binary mantissa m (0.5 <= |m| < 1)
// is replaced by RoundHalfAway(m * 1e11) / 1e11.
Extended RoundMantissa(Extended x) noexcept;

// 10^n as an extended value (exact for 0 <= n <= 27).
Extended PowerOf10(int n) noexcept;

// Nearest integer, halves away from zero: 2.5 -> 3, -2.5 -> -3.
Extended RoundHalfAway(Extended x) noexcept;

// The reference definition of NearZero's rounding: 12 significant digits
// written as text and read back (locale-independent). Slow; used where the
// fast arithmetic cannot decide and by tests.
Extended RoundTo12DigitsByText(Extended x);

}  // namespace vg
