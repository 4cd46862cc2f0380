#pragma once
// The text forms of numbers: every number the program shows is written here,
// every number typed or read from a file is read here. "." is the decimal
// separator whatever the process locale; nothing here depends on the locale.

#include <string>
#include <string_view>

#include "engine/lexeme.h"

namespace vg {

// The display form: plain text with at most 7 decimals for 0.001 <= |v| <= 1e6
// (or when NearZero(v) is 0), else the power form "1.5*10^(-4)", which is
// itself valid formula text. Non-finite values give "INF", "-INF", "NAN".
std::string FormatNumber(Extended v);

// Always the power form (0 gives "0*10^0").
std::string FormatPowerNumber(Extended v);

// FormatNumber with a power form enclosed in parentheses, the minus sign
// outside, so that the text joins a formula as one factor: "-(2*10^(-5))".
std::string FormatFormulaNumber(Extended v);

// Reads a text of the two forms above (or a plain decimal with an optional
// E exponent). failed is set for any other text ("nan", "inf", hexadecimal...).
// A result below 1e-30 in magnitude is 0; one beyond the extended range is
// infinite. The one-argument form gives 0 for a malformed text.
Extended ParseNumberText(std::string_view s, bool& failed);
Extended ParseNumberText(std::string_view s);

// Rounds to what the display form shows: 8 significant digits and, in the
// plain range, 7 decimals. Infinities and NaN pass unchanged.
Extended RoundToDisplay(Extended v);

// Text typed by the user: a decimal or "m*10^e" / "m*10^(e)", no E notation.
// Fails when the magnitude reaches 1e200; below 1e-200 it is 0. The value is
// rounded to 8 significant digits.
Extended ParseNumberInput(std::string_view s, bool& failed);

// A table cell or table file field: a decimal with an optional E exponent, or
// the typed form; magnitudes above 1e100 fail. The value is RoundToDisplay'ed.
Extended ParseCellNumber(std::string_view s, bool& failed);

// The scientific text of the given width (20: 11 decimals, 23: 14 decimals):
// sign or blank, one digit, ".", decimals, "E", exponent sign, 4 digits.
std::string ScientificText(Extended v, int width);

// Plain decimal text with exactly 7 digits after the point.
std::string FixedText7(Extended v);

}  // namespace vg
