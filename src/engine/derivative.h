#pragma once
// Symbolic differentiation of one-variable formulas: the derivative as text
// (derivative window, new graphs) and as a lexeme list (extremum search,
// tangents), and the size measure callers check first.

#include <string>
#include <string_view>

#include "engine/derivative_tree.h"
#include "engine/engine_messages.h"
#include "engine/stack_list.h"

namespace vg {

// Callers refuse to differentiate a formula whose DerivationDepth exceeds it.
inline constexpr int kMaxDerivationDepth = 25;

// The text of the first derivative. A blank formula changes nothing. A
// syntax error comes back as errorCode 1..4 with `text` untouched; a formula
// outside the differentiable set sets notDifferentiable and empties `text`.
void GetDerivativeText(std::string_view formula, std::string_view varName,
                       EngineError& errorCode, std::string& text, bool& notDifferentiable);

// The same derivative as an infix lexeme list in text order, enclosed in "("
// and ")", ready for TExpTransformator::Transform. Empty when the formula is
// blank, not differentiable or has a syntax error.
void GetDerivativeLexemes(std::string_view formula, std::string_view varName,
                          TStackList& lexemes, bool& notDifferentiable, EngineError& errorCode);

// The size measure: function applications, products, quotients and powers
// add one level; sums, differences and negations do not. 0 for a blank
// formula or a syntax error (errorCode 1..4).
int DerivationDepth(std::string_view formula, std::string_view varName, EngineError& errorCode);

// The steps, for the callers above and for tests.

// True when every node of the tree is a number, the variable, unary minus,
// one of ^ - + * / or a function whose derivative is known.
bool IsDifferentiable(const ExprNode& root);

// The measure of a tree (see DerivationDepth), computed without recursion.
int MeasureDepth(const ExprNode& root);

// The derivative rules applied to a tree of one variable (code 4): the
// derivative as an infix token sequence, ready to be read with the
// evaluator's precedence. The tree must be differentiable.
TokenSequence DeriveTokens(const ExprNode& root);

// The rewrite rules, bottom-up. Numbers fold only where the evaluator's
// operation reports no error.
void SimplifyTree(ExprTree& root);

}  // namespace vg
