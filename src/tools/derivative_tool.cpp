#include "tools/derivative_tool.h"

#include "app/formula_error.h"
#include "app/translator.h"
#include "engine/check_formula.h"
#include "engine/derivative.h"
#include "tools/calculus_texts.h"
#include "tools/tool_input.h"

namespace vg {

namespace {

bool IsParametric(GraphKind kind) { return kind == GraphKind::Param; }

bool HasBlankFormula(const GraphRecord& graph)
{
    if (IsBlankFormula(graph.Formula.View())) return true;
    return IsParametric(graph.Kind) && IsBlankFormula(graph.Param.Formula2.View());
}

// The derivative of one formula, or why there is none.
DerivativeOutcome DeriveFormula(const std::string& formula, const char* variable, std::string& text,
                                int& formulaError)
{
    EngineError code = kEngineOk;
    const int depth = DerivationDepth(formula, variable, code);
    if (code != kEngineOk) {
        formulaError = code;
        return DerivativeOutcome::SyntaxError;
    }
    if (depth > kMaxDerivationDepth) return DerivativeOutcome::TooLarge;
    bool notDifferentiable = false;
    std::string derivative;
    GetDerivativeText(formula, variable, code, derivative, notDifferentiable);
    if (code != kEngineOk) {
        formulaError = code;
        return DerivativeOutcome::SyntaxError;
    }
    if (notDifferentiable) return DerivativeOutcome::NotDifferentiable;
    if (derivative.size() > kMaxDerivativeLength) return DerivativeOutcome::TooLong;
    text = std::move(derivative);
    return DerivativeOutcome::Shown;
}

}  // namespace

bool IsDifferentiableKind(GraphKind kind)
{
    switch (kind) {
    case GraphKind::YFromX:
    case GraphKind::XFromY:
    case GraphKind::Polar:
    case GraphKind::Param: return true;
    default: return false;
    }
}

const char* KindVariableName(GraphKind kind)
{
    switch (kind) {
    case GraphKind::YFromX: return "x";
    case GraphKind::XFromY: return "y";
    case GraphKind::Polar: return "a";
    case GraphKind::Param: return "t";
    default: return "";
    }
}

DerivativeView DeriveGraph(const GraphRecord& graph)
{
    DerivativeView view;
    view.Kind = graph.Kind;
    if (!IsDifferentiableKind(graph.Kind)) return view;
    if (HasBlankFormula(graph)) {
        view.Outcome = DerivativeOutcome::EmptyFormula;
        return view;
    }
    const char* variable = KindVariableName(graph.Kind);
    std::string first, second;
    view.Outcome = DeriveFormula(graph.Formula.Str(), variable, first, view.FormulaError);
    if (view.Outcome == DerivativeOutcome::Shown && IsParametric(graph.Kind))
        view.Outcome = DeriveFormula(graph.Param.Formula2.Str(), variable, second, view.FormulaError);
    if (view.Outcome == DerivativeOutcome::Shown) {
        view.Formula = std::move(first);
        view.Formula2 = std::move(second);
    }
    return view;
}

std::string DerivativeMessage(const DerivativeView& view)
{
    switch (view.Outcome) {
    case DerivativeOutcome::Shown: return {};
    case DerivativeOutcome::RefusedKind: return Translate("Cannot calculate derivative for this graph type");
    case DerivativeOutcome::EmptyFormula: return Translate(kEmptyFormulaMessage);
    case DerivativeOutcome::SyntaxError: return FormatFormulaError(view.FormulaError);
    case DerivativeOutcome::TooLarge: return Translate(kTooLargeDerivationText);
    case DerivativeOutcome::NotDifferentiable: return Translate(kNotDifferentiableText);
    case DerivativeOutcome::TooLong: return Translate("Too long formula of the derivative");
    }
    return {};
}

std::vector<DerivativeLine> DerivativeLines(const DerivativeView& view)
{
    if (!view.CanAdd()) return {};
    switch (view.Kind) {
    case GraphKind::YFromX: return {{"Y(x)=", view.Formula}};
    case GraphKind::XFromY: return {{"X(y)=", view.Formula}};
    case GraphKind::Polar: return {{"R(a)=", view.Formula}};
    case GraphKind::Param: return {{"X(t)=", view.Formula}, {"Y(t)=", view.Formula2}};
    default: return {};
    }
}

GraphRecord DerivativeGraphRecord(const GraphRecord& graph, const DerivativeView& view)
{
    GraphRecord record = graph;
    record.Formula.Assign(view.Formula);
    if (IsParametric(record.Kind)) record.Param.Formula2.Assign(view.Formula2);
    return record;
}

}  // namespace vg
