#include "tools/tangent_line.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "app/translator.h"
#include "engine/calculator.h"
#include "engine/check_formula.h"
#include "engine/derivative.h"
#include "engine/number_text.h"
#include "engine/numeric_utils.h"
#include "engine/transformator.h"
#include "tools/derivative_tool.h"

namespace vg {

namespace {

constexpr long double kFormLimit = 1e-6L;
constexpr long double kMaxParameter = 1e100L;

bool HasBlankFormula(const GraphRecord& graph)
{
    if (IsBlankFormula(graph.Formula.View())) return true;
    return graph.Kind == GraphKind::Param && IsBlankFormula(graph.Param.Formula2.View());
}

// A formula's value at one point; false where it has none.
bool FormulaValue(const std::string& formula, const char* variable, long double at, long double& value)
{
    TStackList postfix;
    if (CompileFormula(formula, variable, "", postfix) != kEngineOk) return false;
    TCalculator calculator(postfix);
    EngineError code = kEngineOk;
    value = calculator.Calculate(postfix, code, at);
    return code == kEngineOk;
}

// The derivative of a formula compiled for evaluation, or why there is none.
struct CompiledDerivative {
    TangentStatus Status = TangentStatus::NotDetermined;
    TStackList Postfix;
};

CompiledDerivative CompileDerivative(const std::string& formula, const char* variable)
{
    CompiledDerivative result;
    EngineError code = kEngineOk;
    const int depth = DerivationDepth(formula, variable, code);
    if (code != kEngineOk) return result;
    if (depth > kMaxDerivationDepth) {
        result.Status = TangentStatus::TooLarge;
        return result;
    }
    TStackList lexemes;
    bool notDifferentiable = false;
    GetDerivativeLexemes(formula, variable, lexemes, notDifferentiable, code);
    if (notDifferentiable) {
        result.Status = TangentStatus::NotDifferentiable;
        return result;
    }
    if (code != kEngineOk) return result;
    result.Postfix = TExpTransformator().Transform(std::move(lexemes), code);
    if (code == kEngineOk) result.Status = TangentStatus::Determined;
    return result;
}

bool DerivativeValue(const CompiledDerivative& derivative, long double at, long double& value)
{
    TCalculator calculator(derivative.Postfix);
    EngineError code = kEngineOk;
    value = calculator.Calculate(derivative.Postfix, code, at);
    return code == kEngineOk;
}

struct PointAndDirection {
    long double px = 0, py = 0, dx = 0, dy = 0;
};

// Step 1 of the line: the point on the graph and the direction of the curve.
TangentStatus FindPointAndDirection(const GraphRecord& graph, long double t, PointAndDirection& p)
{
    const char* variable = KindVariableName(graph.Kind);
    const std::string f = graph.Formula.Str();
    const bool parametric = graph.Kind == GraphKind::Param;
    const std::string g = parametric ? graph.Param.Formula2.Str() : std::string();

    // Both formulas must be differentiable before anything is evaluated.
    const CompiledDerivative fd = CompileDerivative(f, variable);
    if (fd.Status != TangentStatus::Determined) return fd.Status;
    CompiledDerivative gd;
    if (parametric) {
        gd = CompileDerivative(g, variable);
        if (gd.Status != TangentStatus::Determined) return gd.Status;
    }

    long double value = 0, slope = 0;
    switch (graph.Kind) {
    case GraphKind::YFromX:
        if (!FormulaValue(f, variable, t, value) || !DerivativeValue(fd, t, slope)) break;
        p = {t, value, 1, slope};
        return TangentStatus::Determined;
    case GraphKind::XFromY:
        if (!FormulaValue(f, variable, t, value) || !DerivativeValue(fd, t, slope)) break;
        p = {value, t, slope, 1};
        return TangentStatus::Determined;
    case GraphKind::Polar: {
        const long double angle = std::numbers::pi_v<long double> * t;
        if (!FormulaValue(f, variable, angle, value) || !DerivativeValue(fd, angle, slope)) break;
        const long double c = std::cos(angle), s = std::sin(angle);
        p = {value * c, value * s, -value * s + slope * c, value * c + slope * s};
        return TangentStatus::Determined;
    }
    case GraphKind::Param: {
        long double y = 0, ySlope = 0;
        if (!FormulaValue(f, variable, t, value) || !DerivativeValue(fd, t, slope)) break;
        if (!FormulaValue(g, variable, t, y) || !DerivativeValue(gd, t, ySlope)) break;
        p = {value, y, slope, ySlope};
        return TangentStatus::Determined;
    }
    default: break;
    }
    return TangentStatus::NotDetermined;
}

// "m*x+c" with the sign of c written by the number itself.
std::string LineText(long double m, long double c, const char* variable)
{
    std::string text = FormatFormulaNumber(m) + "*" + variable;
    if (NearZero(c) >= 0) text += "+";
    return text + FormatFormulaNumber(c);
}

}  // namespace

TangentView TangentViewOf(const GraphRecord& graph)
{
    TangentView view;
    view.ShowPi = graph.Kind == GraphKind::Polar;
    if (!IsDifferentiableKind(graph.Kind)) {
        view.Label = "It is impossible to plot a tangent/normal";
        return view;
    }
    if (HasBlankFormula(graph)) {
        view.Label = kEmptyFormulaMessage;
        return view;
    }
    static const char* const kLabels[] = {"X=", "Y=", "A=", "T="};
    view.Label = kLabels[static_cast<int>(graph.Kind)];
    view.ShowEdit = true;
    view.CanAdd = true;
    return view;
}

std::optional<TangentFailure> ReadTangentParameter(const std::string& text, long double& t)
{
    bool failed = false;
    const long double value = ParseNumberInput(text, failed);
    if (failed) return TangentFailure{kVariableNotNumberText, {}, TangentField::Variable, kEngineOk, {}};
    if (std::fabs(value) > kMaxParameter)
        return TangentFailure{"Too large absolute value of variable", {}, TangentField::Variable, kEngineOk, {}};
    t = value;
    return std::nullopt;
}

TangentLine ComputeTangentLine(const GraphRecord& graph, long double t, bool normal)
{
    TangentLine line;
    if (!IsDifferentiableKind(graph.Kind) || HasBlankFormula(graph)) return line;
    PointAndDirection p;
    line.Status = FindPointAndDirection(graph, t, p);
    if (line.Status != TangentStatus::Determined) return line;
    if (normal) p = {p.px, p.py, p.dy, -p.dx};

    // Directions are compared, and the line written, after the engine's
    // clean-up, so that noise of a vanishing component counts as 0.
    const long double dx = NearZero(p.dx), dy = NearZero(p.dy);
    if (dx == 0 && dy == 0) {
        line.Status = TangentStatus::NotDetermined;
        return line;
    }
    if (graph.Kind == GraphKind::XFromY)
        line.Form = (dx != 0 && std::fabs(dy / dx) <= kFormLimit) ? LineForm::YFromX : LineForm::XFromY;
    else
        line.Form = (dy != 0 && std::fabs(dx / dy) <= kFormLimit) ? LineForm::XFromY : LineForm::YFromX;

    if (line.Form == LineForm::YFromX) {
        line.M = dy / dx;
        line.C = p.py - p.px * line.M;
        line.Text = LineText(line.M, line.C, "x");
    } else {
        line.M = dx / dy;
        line.C = p.px - p.py * line.M;
        line.Text = LineText(line.M, line.C, "y");
    }
    return line;
}

std::string TangentMessage(TangentStatus status, bool normal)
{
    switch (status) {
    case TangentStatus::Determined: return {};
    case TangentStatus::TooLarge: return Translate(kTooLargeDerivationText);
    case TangentStatus::NotDifferentiable: return Translate(kNotDifferentiableText);
    case TangentStatus::NotDetermined: break;
    }
    return Translate(normal ? "Error of the determination of the equation of the normal"
                            : "Error of the determination of the equation of the tangent");
}

std::string TangentLineText(const TangentLine& line)
{
    return (line.Form == LineForm::YFromX ? "Y(x)=" : "X(y)=") + line.Text;
}

GraphRecord TangentGraphRecord(const TangentLine& line, const DocumentOptions& options)
{
    GraphRecord record = NewGraphRecord(options);
    ApplyKindDefaults(record, line.Form == LineForm::YFromX ? GraphKind::YFromX : GraphKind::XFromY, options);
    record.SetStyle(options.DefaultStyle);
    record.Formula.Assign(line.Text);
    return record;
}

}  // namespace vg
