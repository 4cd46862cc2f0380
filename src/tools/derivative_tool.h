#pragma once

// The Derivative window's model: the symbolic derivative of a graph of the
// four formula kinds, what the window shows of it, and the graph it adds.

#include <string>
#include <vector>

#include "document/graph_record.h"

namespace vg {

// Kinds y = f(x), x = f(y), polar and parametric; every other kind is refused
// by the derivative and tangent windows.
bool IsDifferentiableKind(GraphKind kind);

// The variable name of a formula kind as the windows pass it to the
// derivative and show it: "x", "y", "a", "t"; "" for a refused kind.
const char* KindVariableName(GraphKind kind);

// What became of the derivative of a graph.
enum class DerivativeOutcome {
    Shown,              // the texts are in the kind's edits
    RefusedKind,        // kinds 4 and up
    EmptyFormula,       // the (or either parametric) formula is blank
    SyntaxError,        // the formula does not translate (FormatFormulaError)
    TooLarge,           // size measure above 25
    NotDifferentiable,  // a function or operation without a derivative rule
    TooLong,            // a derivative text of more than 250 characters
};

inline constexpr std::size_t kMaxDerivativeLength = 250;

struct DerivativeView {
    DerivativeOutcome Outcome = DerivativeOutcome::RefusedKind;
    GraphKind Kind = GraphKind::YFromX;
    std::string Formula;   // Y(x), X(y), R(a) or X(t)
    std::string Formula2;  // Y(t) of a parametric graph
    int FormulaError = 0;  // the engine's code for SyntaxError

    bool CanAdd() const { return Outcome == DerivativeOutcome::Shown; }
};

// The window's update for a graph: the derivative of each formula in order;
// a parametric graph stops at the first formula that does not succeed.
DerivativeView DeriveGraph(const GraphRecord& graph);

// The line ErrorEdit shows for an outcome other than Shown (translated).
std::string DerivativeMessage(const DerivativeView& view);

// One shown edit: its label ("Y(x)=", "X(y)=", "R(a)=", "X(t)=", "Y(t)=")
// and its text.
struct DerivativeLine {
    const char* Label;
    std::string Text;
};
std::vector<DerivativeLine> DerivativeLines(const DerivativeView& view);

// A copy of the graph's record, kind unchanged, with its formula(s) replaced
// by the derivative texts.
GraphRecord DerivativeGraphRecord(const GraphRecord& graph, const DerivativeView& view);

}  // namespace vg
