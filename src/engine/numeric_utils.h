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

// The decade [lower, upper) of the last value the inline path rounded on
// this thread, with its scaling exponent k and 10^|k|: consecutive values
// mostly share their decade, and two comparisons with x decide that long
// before its float bits could, so the scaling waits for nothing. The bounds
// are the powers of ten as nearest doubles: a value between such a bound and
// the true power scales to within 2^-52 of 10^11 or 10^12, which rounds to
// the same result with either exponent.
struct Decade {
    double lower, upper, power;
    std::int32_t scale;
};
inline thread_local Decade lastDecade = {1, 10, 1e11, 11};

// Sets the decade of x from its float bits; false outside the inline range.
bool FindDecade(Extended x, Decade& decade) noexcept;

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
    const Extended ax = std::fabs(x);
    near_zero::Decade& decade = near_zero::lastDecade;
    if (!(ax >= decade.lower && ax < decade.upper)) [[unlikely]] {
        if (x == 0) return 0;
        if (!near_zero::FindDecade(x, decade)) return near_zero::General(x);
    }
    const int k = decade.scale;  // -3 .. 22
    const Extended power = decade.power;  // 10^|k|
    // ax * 10^k lies in [1e11, 1e12); the scaling rounds once (exact power)
    // and stays far from a half unless the digits themselves are near one.
    const Extended s = k >= 0 ? ax * power : ax / power;
    const Extended n = std::rint(s);  // halves to even; one instruction, shorter than adding 1.5 * 2^63
    // |s - n| <= 1/2: doubt only just below the half.
    if (std::fabs(s - n) > 0.5L - kTieDoubt) [[unlikely]] return near_zero::General(x);
    // n and the power are exact: one rounding, as reading the digits back.
    const Extended r = k > 0 ? n / power : n * power;
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
