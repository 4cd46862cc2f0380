#pragma once
// The printed form of a derivative: removal of redundant parentheses from a
// fully parenthesised token sequence, and the text of tokens and numbers.

#include <string>
#include <string_view>

#include "engine/derivative_tree.h"

namespace vg {

// Deletes every parenthesis pair that the evaluator's precedence makes
// redundant, scanning from the first token. Linear in the number of tokens.
void RemoveRedundantParentheses(TokenSequence& tokens);

// The number as a derivative text writes it: fixed notation with at most 7
// decimals for magnitudes in [0.001, 1e6] (and for what NearZero turns into
// 0), else "(" mantissa "*10^" exponent ")" from 12 significant digits; never
// "-0". Independent of the process locale.
std::string DerivativeNumberText(Extended value);

// The tokens as text without spaces: numbers by DerivativeNumberText (a
// negative one enclosed in parentheses), the variable as varName, functions by
// their lower-case names.
std::string TokensText(const TokenSequence& tokens, std::string_view varName);

}  // namespace vg
