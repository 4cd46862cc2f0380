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
// (cheap to load, unlike an 80-bit constant). The path works on the bits of
// x rounded to a float (a four-byte store and load; reading the 80-bit value
// itself stalls on store forwarding), so these bounds are float bit patterns:
// a value just below 2^49 that rounds up to it goes the general way, one just
// below 2^-36 that rounds up to it is inside, and the inline path serves it
// all the same (its decimal exponent is that of 2^-36).
inline constexpr std::uint32_t kLowestBits = 0x2d800000;  // 0x1p-36f
inline constexpr std::uint32_t kBeyondBits = 0x58000000;  // 0x1p49f

// Indexed by the exponent byte of |x| rounded to a float: the scaling
// exponent k that brings the binade's start into [1e11, 1e12), the powers
// 10^|k| and 10^|k - 1| (loaded straight from here: one dependent load less),
// and the next power of ten when the binade holds it (else infinity, bits
// all ones) as a double and as float bits. Rounding to float is monotonic,
// so float bits above or below the power's decide the comparison; only equal
// bits need the value itself. (The rounding can also lift a value just below
// a power of two into the binade above; only the power 1 sits at such a
// boundary, and there the float bits are equal.)
struct Binade {
    double nextPower;
    std::array<double, 2> powers;
    std::int32_t scale;
    std::uint32_t nextPowerBits;
};
extern const std::array<Binade, 256> kBinadeTable;

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
    constexpr Extended kTieDoubt = 0x1p-18L;
    const float approximate = static_cast<float>(x);
    std::uint32_t bits;
    std::memcpy(&bits, &approximate, sizeof bits);
    const bool negative = (bits >> 31) != 0;
    bits &= 0x7fffffff;
    if (bits - near_zero::kLowestBits >= near_zero::kBeyondBits - near_zero::kLowestBits) [[unlikely]] {
        return x == 0 ? 0 : near_zero::General(x);
    }
    const Extended ax = std::fabs(x);
    const near_zero::Binade& b = near_zero::kBinadeTable[bits >> 23];
    // ax * 10^k lies in [1e11, 1e12) for the exact decimal exponent; the
    // scaling rounds once (exact power) and stays far from a half unless the
    // digits themselves are near one.
    bool above = bits >= b.nextPowerBits;
    if (bits == b.nextPowerBits) [[unlikely]] above = ax >= b.nextPower;
    const int k = b.scale - (above ? 1 : 0);  // -3 .. 22
    const Extended power = b.powers[above ? 1 : 0];  // 10^|k|
    const Extended s = k >= 0 ? ax * power : ax / power;
    const Extended n = std::rint(s);  // halves to even; one instruction, shorter than adding 1.5 * 2^63
    // |s - n| <= 1/2: doubt only just below the half.
    if (std::fabs(s - n) > 0.5L - kTieDoubt) [[unlikely]] return near_zero::General(x);
    // n and the power are exact: one rounding, as reading the digits back.
    const Extended r = k > 0 ? n / power : n * power;
    return negative ? -r : r;
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
