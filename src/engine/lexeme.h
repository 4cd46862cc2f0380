#pragma once
// The engine's token: a code byte and an extended value, plus the code
// vocabulary shared by the lexer, the postfix translation, the evaluator and
// the symbolic differentiation.

#include <cstdint>
#include <limits>

namespace vg {

// Every computed value of the program is an 80-bit x87 extended value.
using Extended = long double;
static_assert(std::numeric_limits<Extended>::digits == 64, "long double must be 80-bit extended");

using LexCode = std::uint8_t;

struct Lexeme {
    Extended Value = 0;  // meaningful for numbers (code 0) only
    LexCode Code = 0;
};

// Lexeme codes. The ranges carry meaning: 0, 4, 5 operands; 10, 11 unary
// operators; 30..99 binary operators; 100..199 functions of one argument.
namespace lex {
inline constexpr LexCode Number = 0;
inline constexpr LexCode Pi = 1;  // becomes Number inside the lexer
inline constexpr LexCode LeftParen = 2;
inline constexpr LexCode RightParen = 3;
inline constexpr LexCode Var1 = 4;
inline constexpr LexCode Var2 = 5;
inline constexpr LexCode Negate = 10;  // unary minus
inline constexpr LexCode Not = 11;
inline constexpr LexCode Power = 30;
inline constexpr LexCode Minus = 31;  // binary minus
inline constexpr LexCode Plus = 32;
inline constexpr LexCode Multiply = 33;
inline constexpr LexCode Divide = 34;
inline constexpr LexCode Less = 35;
inline constexpr LexCode Greater = 36;
inline constexpr LexCode LessEqual = 37;
inline constexpr LexCode GreaterEqual = 38;
inline constexpr LexCode NotEqual = 39;
inline constexpr LexCode Equal = 40;
inline constexpr LexCode And = 41;
inline constexpr LexCode Or = 42;
inline constexpr LexCode Xor = 43;
inline constexpr LexCode Sin = 101;
inline constexpr LexCode Cos = 102;
inline constexpr LexCode Sqrt = 103;
inline constexpr LexCode Atan = 104;
inline constexpr LexCode Abs = 105;
inline constexpr LexCode Exp = 106;
inline constexpr LexCode Int = 107;
inline constexpr LexCode Frac = 108;
inline constexpr LexCode Ln = 109;
inline constexpr LexCode Lg = 110;
inline constexpr LexCode Tan = 111;
inline constexpr LexCode Cot = 112;
inline constexpr LexCode Asin = 113;
inline constexpr LexCode Acos = 114;
inline constexpr LexCode Sinh = 115;
inline constexpr LexCode Cosh = 116;
inline constexpr LexCode Tanh = 117;
inline constexpr LexCode Coth = 118;
inline constexpr LexCode Asinh = 119;
inline constexpr LexCode Acosh = 120;
inline constexpr LexCode Atanh = 121;
inline constexpr LexCode Acoth = 122;
inline constexpr LexCode Random = 123;
inline constexpr LexCode Round = 124;
inline constexpr LexCode Sign = 125;
}  // namespace lex

constexpr bool IsOperand(LexCode c) { return c == lex::Number || c == lex::Var1 || c == lex::Var2; }
constexpr bool IsUnaryOperator(LexCode c) { return c == lex::Negate || c == lex::Not; }
constexpr bool IsBinaryOperator(LexCode c) { return c >= 30 && c <= 99; }
constexpr bool IsRelation(LexCode c) { return c >= lex::Less && c <= lex::Equal; }
constexpr bool IsLogical(LexCode c) { return c >= lex::And && c <= lex::Xor; }
constexpr bool IsFunction(LexCode c) { return c >= 100 && c <= 199; }

// The keyword text of a code as a formula writes it ("SIN", "<=", "-" for
// both minus codes, "PI" for code 1); "" for numbers, variables and unknown
// codes.
const char* LexemeText(LexCode code);

}  // namespace vg
