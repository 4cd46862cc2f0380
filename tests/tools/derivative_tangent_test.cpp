// The derivative and tangent windows' models: what they show per kind of
// graph, their refusals, the tangent and normal lines with their form, and
// the graphs they add.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "document/document_options.h"
#include "support/graph_records.h"
#include "tools/derivative_tool.h"
#include "tools/tangent_line.h"

namespace vg {
namespace {

using test::Graph;

std::string Repeat(const std::string& item, const std::string& separator, int count)
{
    std::string text = item;
    for (int i = 1; i < count; ++i) text += separator + item;
    return text;
}

std::string Shown(const DerivativeView& view)
{
    if (!view.CanAdd()) return DerivativeMessage(view);
    std::string text;
    for (const DerivativeLine& line : DerivativeLines(view)) text += std::string(line.Label) + line.Text + ";";
    return text;
}

TEST(DerivativeWindow, showsTheKindsEditsOrOneMessage)
{
    struct Case {
        GraphRecord graph;
        std::string shown;
        DerivativeOutcome outcome;
    } cases[] = {
        {Graph(GraphKind::YFromX, "X^2"), "Y(x)=2*x;", DerivativeOutcome::Shown},
        {Graph(GraphKind::XFromY, "Y^3"), "X(y)=3*y^2;", DerivativeOutcome::Shown},
        {Graph(GraphKind::Polar, "SIN(A)"), "R(a)=cos(a);", DerivativeOutcome::Shown},
        {Graph(GraphKind::Param, "T^2", "LN(T)"), "X(t)=2*t;Y(t)=1/t;", DerivativeOutcome::Shown},
        {Graph(GraphKind::Equation, "X^2+Y^2"), "Cannot calculate derivative for this graph type",
         DerivativeOutcome::RefusedKind},
        {Graph(GraphKind::DifField, "X"), "Cannot calculate derivative for this graph type", DerivativeOutcome::RefusedKind},
        {Graph(GraphKind::Table, ""), "Cannot calculate derivative for this graph type", DerivativeOutcome::RefusedKind},
        {Graph(GraphKind::Integral, "X"), "Cannot calculate derivative for this graph type", DerivativeOutcome::RefusedKind},
        {Graph(GraphKind::YFromX, "  "), "Empty formula", DerivativeOutcome::EmptyFormula},
        {Graph(GraphKind::Param, "T", " "), "Empty formula", DerivativeOutcome::EmptyFormula},
        {Graph(GraphKind::YFromX, "Y*2"), "Error 1: syntax error", DerivativeOutcome::SyntaxError},
        {Graph(GraphKind::Param, "T", "(T"), "Error 3: not enough ')' ", DerivativeOutcome::SyntaxError},
        {Graph(GraphKind::YFromX, "ABS(X)"), "The expression contains nondifferentiable function or operation",
         DerivativeOutcome::NotDifferentiable},
        {Graph(GraphKind::Param, "T", "T>0"), "The expression contains nondifferentiable function or operation",
         DerivativeOutcome::NotDifferentiable},
        {Graph(GraphKind::YFromX, Repeat("X", "*", 26)), "Too large expression for derivation", DerivativeOutcome::TooLarge},
        {Graph(GraphKind::Param, Repeat("T", "*", 26), "ABS(T)"), "Too large expression for derivation",
         DerivativeOutcome::TooLarge},  // a parametric graph stops at its first failure
        // "2*x" 63 times: 251 characters; 61 times and "cos(x)": 250.
        {Graph(GraphKind::YFromX, Repeat("X^2", "+", 63)), "Too long formula of the derivative", DerivativeOutcome::TooLong},
        {Graph(GraphKind::YFromX, Repeat("X^2", "+", 61) + "+SIN(X)"), "Y(x)=" + Repeat("2*x", "+", 61) + "+cos(x);",
         DerivativeOutcome::Shown},
    };
    for (const Case& c : cases) {
        const DerivativeView view = DeriveGraph(c.graph);
        EXPECT_EQ(view.Outcome, c.outcome) << c.graph.Formula.Str();
        EXPECT_EQ(Shown(view), c.shown) << c.graph.Formula.Str();
    }
}

TEST(DerivativeWindow, addedGraphKeepsKindStyleAndInterval)
{
    GraphRecord source = Graph(GraphKind::Param, "T^3", "SIN(T)");
    source.Color = 9;
    source.Param.Line.Min = -2;
    source.Param.Line.Steps = 321;
    const GraphRecord added = DerivativeGraphRecord(source, DeriveGraph(source));
    EXPECT_EQ(added.Kind, GraphKind::Param);
    EXPECT_EQ(added.Formula.Str(), "3*t^2");
    EXPECT_EQ(added.Param.Formula2.Str(), "cos(t)");
    EXPECT_EQ(added.Color, 9);
    EXPECT_EQ(added.Param.Line.Min.Get(), -2);
    EXPECT_EQ(added.Param.Line.Steps, 321);
}

TEST(TangentWindow, labelPerKindAndRefusals)
{
    struct Case {
        GraphRecord graph;
        std::string label;
        bool edit, pi;
    } cases[] = {
        {Graph(GraphKind::YFromX, "X"), "X=", true, false},
        {Graph(GraphKind::XFromY, "Y"), "Y=", true, false},
        {Graph(GraphKind::Polar, "A"), "A=", true, true},
        {Graph(GraphKind::Param, "T", "T"), "T=", true, false},
        {Graph(GraphKind::Param, "T", ""), "Empty formula", false, false},
        {Graph(GraphKind::Polar, ""), "Empty formula", false, true},
        {Graph(GraphKind::Equation, "X-Y"), "It is impossible to plot a tangent/normal", false, false},
        {Graph(GraphKind::Table, ""), "It is impossible to plot a tangent/normal", false, false},
    };
    for (const Case& c : cases) {
        const TangentView view = TangentViewOf(c.graph);
        EXPECT_EQ(view.Label, c.label);
        EXPECT_EQ(view.ShowEdit, c.edit) << c.label;
        EXPECT_EQ(view.CanAdd, c.edit) << c.label;
        EXPECT_EQ(view.ShowPi, c.pi) << c.label;
    }

    long double t = 0;
    const std::string notNumber = "The value of the variable must be a number";
    const std::string tooLarge = "Too large absolute value of variable";
    for (const auto& [text, message] : std::vector<std::pair<std::string, std::string>>{
             {"x", notNumber}, {"1E5", notNumber}, {"", notNumber}, {"2*10^100", tooLarge}, {"-1.5*10^100", tooLarge}}) {
        const auto failure = ReadTangentParameter(text, t);
        ASSERT_TRUE(failure) << text;
        EXPECT_EQ(InputFailureText(*failure), message) << text;
        EXPECT_EQ(failure->FocusField, TangentField::Variable);
    }
    EXPECT_FALSE(ReadTangentParameter("-1*10^100", t));
    EXPECT_EQ(t, -1e100L);
}

TEST(TangentLine, formsAndTextsPerKind)
{
    struct Case {
        GraphRecord graph;
        long double t;
        bool normal;
        std::string text;  // the line, or the message
    } cases[] = {
        {Graph(GraphKind::YFromX, "X^2"), 1, false, "Y(x)=2*x-1"},
        {Graph(GraphKind::YFromX, "X^2"), 1, true, "Y(x)=-0.5*x+1.5"},
        {Graph(GraphKind::YFromX, "X^2"), 0, false, "Y(x)=0*x+0"},
        {Graph(GraphKind::YFromX, "X^2"), 0, true, "X(y)=0*y+0"},  // dx = 0: the x-form
        // Nearly vertical lines (|dx/dy| <= 1e-6) are written in the x-form.
        {Graph(GraphKind::YFromX, "10^7*X"), 0, false, "X(y)=(1*10^(-7))*y+0"},
        {Graph(GraphKind::YFromX, "10^7*X"), 0, true, "Y(x)=-(1*10^(-7))*x+0"},
        {Graph(GraphKind::YFromX, "2*10^6*X+3"), 0, false, "X(y)=(5*10^(-7))*y-(1.5*10^(-6))"},
        {Graph(GraphKind::YFromX, "2*10^6*X+3"), 0, true, "Y(x)=-(5*10^(-7))*x+3"},
        {Graph(GraphKind::YFromX, "10^5*X"), 0, false, "Y(x)=100000*x+0"},
        {Graph(GraphKind::XFromY, "Y^2"), 1, false, "X(y)=2*y-1"},
        {Graph(GraphKind::XFromY, "Y^2"), 0, false, "X(y)=0*y+0"},
        {Graph(GraphKind::XFromY, "Y^2"), 0, true, "Y(x)=0*x+0"},
        {Graph(GraphKind::Polar, "A"), 0.5L, false, "Y(x)=-0.6366198*x+1.5707963"},  // the angle pi/2
        {Graph(GraphKind::Param, "COS(T)", "SIN(T)"), 0, false, "X(y)=0*y+1"},
        {Graph(GraphKind::Param, "COS(T)", "SIN(T)"), 0, true, "Y(x)=0*x+0"},
        {Graph(GraphKind::Param, "T^2", "T^3"), 0, false, "Error of the determination of the equation of the tangent"},
        {Graph(GraphKind::YFromX, "SQRT(X)"), 0, false, "Error of the determination of the equation of the tangent"},
        {Graph(GraphKind::YFromX, "SQRT(X)"), 0, true, "Error of the determination of the equation of the normal"},
        {Graph(GraphKind::YFromX, "X+"), 0, false, "Error of the determination of the equation of the tangent"},
        {Graph(GraphKind::YFromX, "ABS(X)"), 1, false, "The expression contains nondifferentiable function or operation"},
        {Graph(GraphKind::Param, "SIN(T)", "ABS(T)"), 1, true,
         "The expression contains nondifferentiable function or operation"},
        {Graph(GraphKind::YFromX, Repeat("X", "*", 26)), 1, false, "Too large expression for derivation"},
        {Graph(GraphKind::Equation, "X"), 1, false, "Error of the determination of the equation of the tangent"},
    };
    for (const Case& c : cases) {
        const TangentLine line = ComputeTangentLine(c.graph, c.t, c.normal);
        const std::string shown =
            line.Status == TangentStatus::Determined ? TangentLineText(line) : TangentMessage(line.Status, c.normal);
        EXPECT_EQ(shown, c.text) << c.graph.Formula.Str() << " at " << static_cast<double>(c.t);
    }
}

// Far out on a polar graph the angle is beyond 2^63, where the engine's own
// sine and cosine give 0; the line must still touch the circle.
TEST(TangentLine, polarAnglesBeyondTheEnginesRange)
{
    const GraphRecord circle = Graph(GraphKind::Polar, "1");
    for (long double t : {1e20L, -3.3e30L, 1e99L}) {
        const TangentLine line = ComputeTangentLine(circle, t, false);
        ASSERT_EQ(line.Status, TangentStatus::Determined) << static_cast<double>(t);
        // The distance of the line from the centre is the radius.
        const long double distance = std::fabs(line.C) / std::sqrt(1 + line.M * line.M);
        EXPECT_NEAR(static_cast<double>(distance), 1.0, 1e-9) << static_cast<double>(t);
    }
}

TEST(TangentLine, addedGraphHasTheDefaultsOfItsKind)
{
    DocumentOptions options = DefaultDocumentOptions();
    options.DefaultStyle.Color = 11;
    const TangentLine line = ComputeTangentLine(Graph(GraphKind::YFromX, "X^2"), 0, true);
    const GraphRecord added = TangentGraphRecord(line, options);
    EXPECT_EQ(added.Kind, GraphKind::XFromY);
    EXPECT_EQ(added.Formula.Str(), "0*y+0");
    EXPECT_EQ(added.Color, 11);
    GraphRecord expected = NewGraphRecord(options);
    ApplyKindDefaults(expected, GraphKind::XFromY, options);
    EXPECT_EQ(added.Line.Steps, expected.Line.Steps);
    EXPECT_EQ(added.Line.CommonInterval, expected.Line.CommonInterval);
}

}  // namespace
}  // namespace vg
