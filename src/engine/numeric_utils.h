#pragma once
// Numeric clean-up shared by the evaluator, the axes and the number texts.

#include "engine/lexeme.h"

namespace vg {

// 0 below 1e-200 in magnitude; unchanged above 1e2000 (and for NaN and
// infinities); otherwise x rounded to 12 significant decimal digits, exactly
// as writing it in scientific notation with 12 digits and reading it back.
Extended NearZero(Extended x) noexcept;

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
