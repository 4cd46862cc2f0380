// The definite integral: the input check in order, the Simpson sum with its
// messages and its parts above and below, the shaded region as a graph, and
// the sum against an independent 256-bit quadrature for 30 integrands.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "document/document_options.h"
#include "simpson_reference_support.h"
#include "tools/definite_integral.h"

namespace vg {
namespace {

IntegralInput Input(const std::string& f1, const std::string& f2, const std::string& minX, const std::string& maxX,
                    const std::string& steps = "10", bool abs = false)
{
    IntegralInput input;
    input.Formula1 = f1;
    input.Formula2 = f2;
    input.MinX = minX;
    input.MaxX = maxX;
    input.StepsNum = steps;
    input.AbsIntegrate = abs;
    return input;
}

IntegralResult Integrate(const IntegralInput& input)
{
    IntegralTask task;
    const auto failure = CheckIntegralInput(input, task);
    EXPECT_FALSE(failure) << (failure ? InputFailureText(*failure) : "");
    return ComputeIntegral(task);
}

TEST(IntegralInputCheck, firstFailureInTheWindowsOrder)
{
    const std::string number = "This value must be a number\rfrom -1*10^100 up to 1*10^100";
    const std::string steps = "This value must be an integer\rfrom 10 up to 2000";
    const std::string order = "Maximum of X must be more\rthan minimum of X";
    struct Case {
        IntegralInput input;
        std::string message;
        IntegralField field;
    } cases[] = {
        {Input("X+", "Y", "a", "b", "1"), "Error 2: discordance of lexems", IntegralField::Formula1},
        {Input("Y", "Y", "a", "b", "1"), "Error 1: syntax error", IntegralField::Formula1},
        {Input("  ", "X)", "a", "b", "1"), "Empty formula", IntegralField::Formula1},
        {Input("X", "(X", "a", "b", "1"), "Error 3: not enough ')' ", IntegralField::Formula2},
        {Input("X", "", "a", "b", "1"), "Empty formula", IntegralField::Formula2},
        {Input("X", "0", "a", "b", "1"), number, IntegralField::MinX},
        {Input("X", "0", "1E5", "1", "1"), number, IntegralField::MinX},
        {Input("X", "0", "-2*10^100", "1", "1"), number, IntegralField::MinX},
        {Input("X", "0", "-1*10^100", "1*10^101", "1"), number, IntegralField::MaxX},
        {Input("X", "0", "1", "1", "1"), order, IntegralField::MaxX},
        {Input("X", "0", "2", "1", "9"), order, IntegralField::MaxX},
        {Input("X", "0", "0", "1", "9"), steps, IntegralField::StepsNum},
        {Input("X", "0", "0", "1", "2001"), steps, IntegralField::StepsNum},
        {Input("X", "0", "0", "1", "1e2"), steps, IntegralField::StepsNum},
        {Input("X", "0", "0", "1", ""), steps, IntegralField::StepsNum},
    };
    for (const Case& c : cases) {
        IntegralTask task;
        const auto failure = CheckIntegralInput(c.input, task);
        ASSERT_TRUE(failure) << c.input.Formula1 << " " << c.input.MinX << " " << c.input.StepsNum;
        EXPECT_EQ(InputFailureText(*failure), c.message) << c.input.Formula1 << " " << c.input.StepsNum;
        EXPECT_EQ(failure->FocusField, c.field) << c.message;
    }
    IntegralTask task;
    for (const char* accepted : {"10", " 2000 "})
        EXPECT_FALSE(CheckIntegralInput(Input("X", "0", "-1*10^100", "1*10^100", accepted), task)) << accepted;
    EXPECT_EQ(task.StepsNum, 2000);
    EXPECT_EQ(task.MinX, -1e100L);
}

TEST(IntegralSum, resultTextsAndTheirPrecedence)
{
    struct Case {
        IntegralInput input;
        std::string text;
    } cases[] = {
        {Input("X^2", "0", "0", "1"), "0.3333333"},
        {Input("0", "X", "-1", "1", "200"), "0"},  // the engine's addition cancels the noise
        {Input("0", "X", "-1", "1", "200", true), "1"},
        {Input("SQRT(X)", "0", "-1", "1"), "Error at function evaluation"},
        {Input("1/X", "0", "-1", "1"), "Error at function evaluation"},
        {Input("10^600", "0", "0", "1"), "Error at function evaluation"},  // undefined, not large
        {Input("10^400*10^50", "0", "0", "1*10^60"), "Too large value of the integral"},
        {Input("0", "10^400*10^50", "0", "1*10^60"), "-1*10^510"},  // only a large positive sum stops
        {Input("X", "X^2", "0", "3", "10"), "-4.5"},
    };
    for (const Case& c : cases) EXPECT_EQ(IntegralResultText(Integrate(c.input)), c.text) << c.input.Formula1;

    // Simpson's rule is exact for cubics (to the last bits of the sum).
    const IntegralResult cubic = Integrate(Input("X^3-2*X^2+X", "1", "-1", "2", "10"));
    EXPECT_NEAR(static_cast<double>(cubic.Value), -3.75, 1e-11);  // values of 12 digits
}

TEST(IntegralSum, partsAboveAndBelowAddUpToBothSums)
{
    // 0 is a node: the parts are the sums over [-1, 0] and [0, 2].
    const IntegralResult signedSum = Integrate(Input("X", "0", "-1", "2", "12"));
    EXPECT_EQ(IntegralAboveText(signedSum), "Above: 2");
    EXPECT_EQ(IntegralBelowText(signedSum), "Below: -0.5");
    EXPECT_EQ(IntegralResultText(signedSum), "1.5");

    const IntegralResult area = Integrate(Input("SIN(X)", "COS(X)", "0", "6", "200", true));
    EXPECT_NEAR(static_cast<double>(area.Value), static_cast<double>(area.Above - area.Below), 1e-15);
    const IntegralResult plain = Integrate(Input("SIN(X)", "COS(X)", "0", "6", "200"));
    EXPECT_NEAR(static_cast<double>(plain.Value), static_cast<double>(plain.Above + plain.Below), 1e-15);
    EXPECT_EQ(plain.Above, area.Above);

    const IntegralResult failed = Integrate(Input("LN(X)", "0", "0", "1"));
    EXPECT_EQ(IntegralAboveText(failed), "");
    EXPECT_EQ(IntegralBelowText(failed), "");
}

TEST(IntegralSum, escapeIsAskedAfterEveryPointAndInterrupts)
{
    IntegralTask task;
    ASSERT_FALSE(CheckIntegralInput(Input("X", "0", "0", "1", "10"), task));
    int asked = 0;
    ComputeIntegral(task, [&] { return ++asked < 0; });
    EXPECT_EQ(asked, 21);
    asked = 0;
    const IntegralResult stopped = ComputeIntegral(task, [&] { return ++asked == 5; });
    EXPECT_EQ(asked, 5);
    EXPECT_EQ(IntegralResultText(stopped), "Calculation interrupted");
}

TEST(IntegralRegion, formulaLimitAndTheShadedInequality)
{
    IntegralTask task;
    ASSERT_FALSE(CheckIntegralInput(Input(" X^2 ", "X", "-1", "2"), task));
    std::string formula;
    ASSERT_FALSE(IntegralRegionFormula(task, formula));
    EXPECT_EQ(formula, "((X^2)-y)*((X)-y)");

    const DocumentOptions options = DefaultDocumentOptions();
    const GraphRecord region = IntegralRegionRecord(formula, task, options);
    EXPECT_EQ(region.Kind, GraphKind::Equation);
    EXPECT_EQ(region.Formula.Str(), formula);
    EXPECT_EQ(region.Equation.Relation, EquationRelation::Less);
    EXPECT_EQ(region.Equation.Params.CommonInterval, 0);
    EXPECT_EQ(region.Equation.Params.MinX.Get(), -1);
    EXPECT_EQ(region.Equation.Params.MaxX.Get(), 2);
    EXPECT_EQ(region.Equation.Params.MinY.Get(), -1e100L);
    EXPECT_EQ(region.Equation.Params.MaxY.Get(), 1e100L);
    EXPECT_EQ(region.Color, options.DefaultStyle.Color);
    EXPECT_EQ(region.BrushStyle, options.DefaultStyle.BrushStyle);

    // "((" + f1 + ")-y)*((" + f2 + ")-y)" adds 13 characters.
    task.Formula2 = "0";
    task.Formula1 = std::string(236, '1');
    EXPECT_FALSE(IntegralRegionFormula(task, formula));
    EXPECT_EQ(formula.size(), 250u);
    task.Formula1 += "1";
    const auto tooLong = IntegralRegionFormula(task, formula);
    ASSERT_TRUE(tooLong);
    EXPECT_EQ(InputFailureText(*tooLong), "Too long formulas");
    EXPECT_EQ(tooLong->FocusField, IntegralField::Formula1);
}

// ------------------------------------------------- against the 256-bit reference

struct Integrand {
    const char* formula;
    test::ReferenceFunction f;
    long double a, b;
    int steps;
};

std::vector<Integrand> Integrands()
{
    using test::RefNumber;
    const auto N = MPFR_RNDN;
    return {
        {"X^2", [=](mpfr_ptr r, mpfr_srcptr x) { mpfr_sqr(r, x, N); }, 0, 1, 10},
        {"X^3-2*X",
         [=](mpfr_ptr r, mpfr_srcptr x) {
             RefNumber t;
             mpfr_pow_ui(t.get(), x, 3, N);
             mpfr_mul_ui(r, x, 2, N);
             mpfr_sub(r, t.get(), r, N);
         },
         -1, 2, 10},
        {"X^4", [=](mpfr_ptr r, mpfr_srcptr x) { mpfr_pow_ui(r, x, 4, N); }, -2, 3, 10},
        {"X^5-3*X^2",
         [=](mpfr_ptr r, mpfr_srcptr x) {
             RefNumber t;
             mpfr_pow_ui(t.get(), x, 5, N);
             mpfr_sqr(r, x, N);
             mpfr_mul_ui(r, r, 3, N);
             mpfr_sub(r, t.get(), r, N);
         },
         -1, 1.5L, 50},
        {"SIN(X)", [=](mpfr_ptr r, mpfr_srcptr x) { mpfr_sin(r, x, N); }, 0, 3, 10},
        {"COS(X)", [=](mpfr_ptr r, mpfr_srcptr x) { mpfr_cos(r, x, N); }, -1, 4, 20},
        {"EXP(X)", [=](mpfr_ptr r, mpfr_srcptr x) { mpfr_exp(r, x, N); }, -2, 2, 10},
        {"EXP(-X^2)",
         [=](mpfr_ptr r, mpfr_srcptr x) {
             mpfr_sqr(r, x, N);
             mpfr_neg(r, r, N);
             mpfr_exp(r, r, N);
         },
         -3, 3, 200},
        {"1/(1+X^2)",
         [=](mpfr_ptr r, mpfr_srcptr x) {
             mpfr_sqr(r, x, N);
             mpfr_add_ui(r, r, 1, N);
             mpfr_ui_div(r, 1, r, N);
         },
         -5, 5, 200},
        {"LN(X)", [=](mpfr_ptr r, mpfr_srcptr x) { mpfr_log(r, x, N); }, 1, 3, 10},
        {"SQRT(X)", [=](mpfr_ptr r, mpfr_srcptr x) { mpfr_sqrt(r, x, N); }, 1, 4, 10},
        {"ATAN(X)", [=](mpfr_ptr r, mpfr_srcptr x) { mpfr_atan(r, x, N); }, -2, 5, 50},
        {"SIN(X)^2", [=](mpfr_ptr r, mpfr_srcptr x) { mpfr_sin(r, x, N); mpfr_sqr(r, r, N); }, 0, 10, 100},
        {"X*SIN(X)", [=](mpfr_ptr r, mpfr_srcptr x) { mpfr_sin(r, x, N); mpfr_mul(r, r, x, N); }, -3, 7, 100},
        {"X*EXP(-X)",
         [=](mpfr_ptr r, mpfr_srcptr x) {
             mpfr_neg(r, x, N);
             mpfr_exp(r, r, N);
             mpfr_mul(r, r, x, N);
         },
         0, 8, 60},
        {"COSH(X)", [=](mpfr_ptr r, mpfr_srcptr x) { mpfr_cosh(r, x, N); }, -1, 3, 30},
        {"SINH(X)", [=](mpfr_ptr r, mpfr_srcptr x) { mpfr_sinh(r, x, N); }, -2, 1, 30},
        {"TANH(X)", [=](mpfr_ptr r, mpfr_srcptr x) { mpfr_tanh(r, x, N); }, -1, 4, 40},
        {"1/X", [=](mpfr_ptr r, mpfr_srcptr x) { mpfr_ui_div(r, 1, x, N); }, 1, 2, 10},
        {"EXP(SIN(X))", [=](mpfr_ptr r, mpfr_srcptr x) { mpfr_sin(r, x, N); mpfr_exp(r, r, N); }, 0, 6, 100},
        {"SIN(3*X)*COS(X)",
         [=](mpfr_ptr r, mpfr_srcptr x) {
             RefNumber t;
             mpfr_mul_ui(t.get(), x, 3, N);
             mpfr_sin(t.get(), t.get(), N);
             mpfr_cos(r, x, N);
             mpfr_mul(r, r, t.get(), N);
         },
         -2, 2, 150},
        {"LG(X)", [=](mpfr_ptr r, mpfr_srcptr x) { mpfr_log10(r, x, N); }, 1, 10, 100},
        {"ASIN(X)", [=](mpfr_ptr r, mpfr_srcptr x) { mpfr_asin(r, x, N); }, -0.5L, 0.9L, 40},
        {"ACOS(X/2)", [=](mpfr_ptr r, mpfr_srcptr x) { mpfr_div_ui(r, x, 2, N); mpfr_acos(r, r, N); }, -1, 1, 20},
        {"2^X", [=](mpfr_ptr r, mpfr_srcptr x) { mpfr_ui_pow(r, 2, x, N); }, -3, 5, 20},
        {"SQRT(1+X^2)",
         [=](mpfr_ptr r, mpfr_srcptr x) {
             mpfr_sqr(r, x, N);
             mpfr_add_ui(r, r, 1, N);
             mpfr_sqrt(r, r, N);
         },
         -2, 3, 30},
        {"1/(2+COS(X))",
         [=](mpfr_ptr r, mpfr_srcptr x) {
             mpfr_cos(r, x, N);
             mpfr_add_ui(r, r, 2, N);
             mpfr_ui_div(r, 1, r, N);
         },
         0, 6.5L, 60},
        {"LN(1+X^2)", [=](mpfr_ptr r, mpfr_srcptr x) { mpfr_sqr(r, x, N); mpfr_log1p(r, r, N); }, -3, 2, 80},
        {"COS(X)^3", [=](mpfr_ptr r, mpfr_srcptr x) { mpfr_cos(r, x, N); mpfr_pow_ui(r, r, 3, N); }, 0, 2, 2000},
        {"EXP(X)*COS(X)",
         [=](mpfr_ptr r, mpfr_srcptr x) {
             RefNumber t;
             mpfr_exp(t.get(), x, N);
             mpfr_cos(r, x, N);
             mpfr_mul(r, r, t.get(), N);
         },
         -1, 3, 25},
    };
}

// The program's sum is the Simpson sum of the rounded values of the
// integrand (12 digits each), and so lies within Simpson's error of the
// integral.
TEST(IntegralSum, agreesWithTheReferenceWithinSimpsonsError)
{
    const std::vector<Integrand> integrands = Integrands();
    ASSERT_EQ(integrands.size(), 30u);
    for (const Integrand& g : integrands) {
        IntegralTask task{g.formula, "0", g.a, g.b, g.steps, false};
        const IntegralResult result = ComputeIntegral(task);
        ASSERT_EQ(result.Status, IntegralStatus::Computed) << g.formula;
        const test::SimpsonReference ref = test::ReferenceSimpson(g.f, g.a, g.b, g.steps);
        // Each value of the integrand is rounded to 12 significant digits.
        const long double rounding = 6e-12L * ref.AbsoluteSum;
        EXPECT_LE(std::fabs(ref.Simpson - ref.Exact), ref.ErrorBound * 1.0001L + 1e-30L) << g.formula;
        EXPECT_NEAR(static_cast<double>(result.Value), static_cast<double>(ref.Simpson), static_cast<double>(rounding))
            << g.formula;
        EXPECT_NEAR(static_cast<double>(result.Value), static_cast<double>(ref.Exact),
                    static_cast<double>(ref.ErrorBound + rounding))
            << g.formula;
    }
}

}  // namespace
}  // namespace vg
