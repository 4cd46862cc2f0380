#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "document/document_options.h"
#include "regression_reference_support.h"
#include "support/graph_records.h"
#include "tools/regression.h"
#include "tools/regression_compare.h"
#include "tools/regression_texts.h"

namespace vg {
namespace {

using Points = std::vector<std::pair<long double, long double>>;
using K = RegressionKind;

constexpr long double kInf = kUndefined;

using test::TableGraph;

RegressionPoints Sorted(const Points& points) { return SortedWorkingCopy(TableGraph(points)); }

RegressionDisplay Show(const Points& points, RegressionKind kind, int degree = 2)
{
    return MakeRegressionDisplay(ComputeRegression(Sorted(points), kind, degree));
}

// Agreement to 8 significant digits (an absolute 1e-8 near zero).
::testing::AssertionResult Agree8(long double actual, long double expected)
{
    const long double scale = std::fabs(expected) < 1e-8L ? 1.0L : std::fabs(expected);
    if (std::fabs(actual - expected) <= 1e-8L * scale) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << static_cast<double>(actual) << " differs from "
                                         << static_cast<double>(expected);
}

// Deterministic noise in [-amplitude, amplitude].
class Noise {
public:
    long double Next(long double amplitude)
    {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return amplitude * (static_cast<long double>(state_ >> 11) / static_cast<long double>(1ULL << 53) * 2 - 1);
    }

private:
    uint64_t state_ = 12345;
};

// ---------------------------------------------------------------- what the window shows

struct ShownCase {
    const char* name;
    Points points;
    RegressionKind kind;
    int degree;
    const char* formula;
    const char* deviation;
    const char* rSquared;
};

TEST(RegressionShown, textsOfTheEdgeCases)
{
    const ShownCase cases[] = {
        {"exact line", {{1, 3}, {2, 5}, {3, 7}}, K::Linear, 2, "2*x+1", "Root-mean-square deviation=0", "R^2=1"},
        {"points in any slot order", {{3, 7}, {1, 3}, {2, 5}}, K::Linear, 2, "2*x+1", "Root-mean-square deviation=0",
         "R^2=1"},
        {"two equal X", {{1, 2}, {1, 3}}, K::Linear, 2, "", "Not enough numbers for regression", ""},
        {"equal X around an empty Y", {{1, 2}, {1, kInf}, {1, 3}}, K::Polynomial, 3, "",
         "Not enough numbers for regression", ""},
        {"only one point", {{1, 2}, {kInf, kInf}, {kInf, 4}}, K::Linear, 2, "", "Not enough numbers for regression", ""},
        {"hyperbola through X=0", {{0, 1}, {1, 2}, {2, 3}}, K::Hyperbolic, 2, "", "Error data for this regression type",
         ""},
        {"logarithm of a negative X", {{-1, 1}, {1, 2}, {2, 3}}, K::Logarithmic, 2, "",
         "Error data for this regression type", ""},
        {"power with Y=0", {{1, 0}, {2, 2}, {3, 3}}, K::Power, 2, "", "Error data for this regression type", ""},
        {"exponential of a negative Y", {{1, -1}, {2, 3}, {3, 4}}, K::Exponential, 2, "",
         "Error data for this regression type", ""},
        {"exponential II below 1e-60", {{1, 1e-61L}, {2, 3}}, K::Exponential2, 2, "",
         "Error data for this regression type", ""},
        {"all Y equal", {{1, 2}, {2, 2}, {3, 2}}, K::Linear, 2, "0*x+2", "Root-mean-square deviation=0", "R^2=Error"},
        // Rounding noise puts the ratio at 1 + 9e-19: still a perfect fit.
        {"perfect fit with noise", {{0.1L, 0.33L}, {0.2L, 0.36L}, {0.3L, 0.39L}}, K::Linear, 2, "0.3*x+0.3",
         "Root-mean-square deviation=1.564911*10^(-20)", "R^2=1"},
        {"best fit skips the kinds that fail", {{0, 1}, {1, 3}, {2, 5}}, K::Best, 2, "2*x+1",
         "Root-mean-square deviation=0", "R^2=1"},
        {"hyperbola", {{1, 5}, {2, 3.5L}, {4, 2.75L}}, K::Hyperbolic, 2, "3/x+2", "Root-mean-square deviation=0",
         "R^2=1"},
        {"power with a negative exponent", {{1, 4}, {2, 1}, {4, 0.25L}}, K::Power, 2, "4*x^(-2)",
         "Root-mean-square deviation=0", "R^2=1"},
        {"exponential II falling", {{0, 8}, {1, 4}, {2, 2}}, K::Exponential2, 2, "8*0.5^x",
         "Root-mean-square deviation=0", "R^2=1"},
    };
    for (const ShownCase& c : cases) {
        SCOPED_TRACE(c.name);
        RegressionDisplay shown = Show(c.points, c.kind, c.degree);
        EXPECT_EQ(shown.Formula, c.formula);
        EXPECT_EQ(shown.DeviationLabel, c.deviation);
        EXPECT_EQ(shown.RSquaredLabel, c.rSquared);
        EXPECT_EQ(shown.CanAddGraph, *c.formula != '\0');
    }
}

TEST(RegressionShown, messagesAndLabelAreTranslated)
{
    const RegressionTranslation upper = [](const std::string& s) { return "<" + s + ">"; };
    EXPECT_EQ(MakeRegressionDisplay(ComputeRegression(Sorted({{1, 2}}), K::Linear, 2), upper).DeviationLabel,
              "<Not enough numbers for regression>");
    EXPECT_EQ(MakeRegressionDisplay(ComputeRegression(Sorted({{1, 3}, {2, 5}}), K::Linear, 2), upper).DeviationLabel,
              "<Root-mean-square deviation>=0");
}

TEST(RegressionFit, polynomialDegreeDropsToTheDistinctPoints)
{
    // Five is asked, three distinct X are there: degree 2 through the points.
    RegressionFit fit;
    ASSERT_TRUE(FitRegressionModel(Sorted({{1, 2}, {2, 8}, {3, 18}}), K::Polynomial, 5, fit));
    EXPECT_EQ(fit.Degree, 2);
    EXPECT_TRUE(Agree8(fit.C[2], 2));
    for (std::size_t i = 3; i < fit.C.size(); ++i) EXPECT_EQ(fit.C[i], 0);
    EXPECT_EQ(ComputeGoodnessOfFit(Sorted({{1, 2}, {2, 8}, {3, 18}}), fit).Deviation, 0);

    // Repeated X count once: four slots, two distinct X, a straight line.
    ASSERT_TRUE(FitRegressionModel(Sorted({{1, 1}, {2, 2}, {1, 3}, {2, 4}}), K::Polynomial, 3, fit));
    EXPECT_EQ(fit.Degree, 1);
    EXPECT_EQ(RegressionFormulaText(fit), "1*x+1");
}

TEST(RegressionFit, repeatedXKeepsOnlyTheLastOfARunForTheCount)
{
    struct Case {
        Points points;
        int distinct;
    } cases[] = {
        {{{1, 1}, {1, 5}, {2, 2}, {3, 3}}, 3},
        {{{3, 3}, {1, 1}, {2, 2}, {1, 5}}, 3},
        {{{1, 1}, {kInf, 2}, {1, 5}}, 1},
        {{{1, 1}, {1, kInf}, {1, 5}, {2, 0}}, 2},
        // Equal as stored: values that agree in 12 digits are still apart.
        {{{1, 1}, {1 + 1e-15L, 2}}, 2},
        {{}, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(DistinctValidPoints(Sorted(c.points)), c.distinct);

    // All valid points enter the sums: the repeats pull the line.
    RegressionFit fit;
    ASSERT_TRUE(FitRegressionModel(Sorted({{0, 0}, {0, 2}, {1, 3}}), K::Linear, 1, fit));
    EXPECT_TRUE(Agree8(fit.A, 2));
    EXPECT_TRUE(Agree8(fit.B, 1));
}

// ---------------------------------------------------------------- coefficients

struct ExactCase {
    RegressionKind kind;
    long double a, b;
};

TEST(RegressionFit, exactDataGiveTheCoefficientsBack)
{
    const ExactCase cases[] = {
        {K::Linear, 1.5L, -2.25L},        {K::Hyperbolic, 3.125L, 0.5L},   {K::Logarithmic, -2.0L, 1.25L},
        {K::Power, 0.75L, 1.5L},          {K::Exponential, 2.0L, -0.3L},   {K::Exponential2, 1.5L, 1.2L},
        {K::Power, 123456.78L, -0.625L},  {K::Exponential, 1e-5L, 2.5L},
    };
    for (const ExactCase& c : cases) {
        SCOPED_TRACE(RegressionKindCaption(c.kind));
        RegressionFit model;
        model.Kind = c.kind;
        model.A = c.a;
        model.B = c.b;
        Points points;
        for (int k = 1; k <= 12; ++k) points.push_back({k * 0.75L, RegressionValue(model, k * 0.75L)});
        RegressionFit fit;
        ASSERT_TRUE(FitRegressionModel(Sorted(points), c.kind, 2, fit));
        EXPECT_EQ(fit.Kind, c.kind);
        EXPECT_TRUE(Agree8(fit.A, c.a));
        EXPECT_TRUE(Agree8(fit.B, c.b));
        EXPECT_EQ(ComputeRegression(Sorted(points), c.kind, 2).Goodness.RSquared, 1);
    }

    const std::vector<long double> polynomial = {1, -2, 0.5L, 0.25L, -0.125L, 0.0625L};
    for (int degree = 2; degree <= 5; ++degree) {
        SCOPED_TRACE(degree);
        RegressionFit model;
        model.Kind = K::Polynomial;
        model.Degree = degree;
        for (int i = 0; i <= degree; ++i) model.C[static_cast<std::size_t>(i)] = polynomial[static_cast<std::size_t>(i)];
        Points points;
        for (int k = -6; k <= 6; ++k) points.push_back({k / 3.0L, RegressionValue(model, k / 3.0L)});
        RegressionFit fit;
        ASSERT_TRUE(FitRegressionModel(Sorted(points), K::Polynomial, degree, fit));
        EXPECT_EQ(fit.Degree, degree);
        for (int i = 0; i <= degree; ++i) EXPECT_TRUE(Agree8(fit.C[static_cast<std::size_t>(i)], model.C[static_cast<std::size_t>(i)]));
    }
}

TEST(RegressionFit, agreesWithAHighPrecisionReference)
{
    using test::ReferenceModel;
    Noise noise;
    Points positive;  // x and y positive, so that every model applies
    for (int k = 1; k <= 25; ++k) positive.push_back({k * 0.4L, 3 + std::sin(k * 0.7L) + noise.Next(0.2L)});
    const std::pair<RegressionKind, ReferenceModel> models[] = {
        {K::Linear, ReferenceModel::Linear},           {K::Hyperbolic, ReferenceModel::Hyperbolic},
        {K::Logarithmic, ReferenceModel::Logarithmic}, {K::Power, ReferenceModel::Power},
        {K::Exponential, ReferenceModel::Exponential}, {K::Exponential2, ReferenceModel::Exponential2},
    };
    for (const auto& [kind, reference] : models) {
        SCOPED_TRACE(RegressionKindCaption(kind));
        RegressionFit fit;
        ASSERT_TRUE(FitRegressionModel(Sorted(positive), kind, 2, fit));
        const auto [a, b] = test::ReferenceTwoParameterFit(reference, positive);
        EXPECT_TRUE(Agree8(fit.A, a));
        EXPECT_TRUE(Agree8(fit.B, b));
    }

    Points spread;  // on [-1, 1], where the normal equations stay well conditioned
    for (int k = 0; k <= 40; ++k) {
        const long double x = -1 + k / 20.0L;
        spread.push_back({x, std::exp(x) * std::cos(2 * x) + noise.Next(0.05L)});
    }
    for (int degree = 2; degree <= 6; ++degree) {
        SCOPED_TRACE(degree);
        RegressionFit fit;
        ASSERT_TRUE(FitRegressionModel(Sorted(spread), K::Polynomial, degree, fit));
        const std::vector<long double> c = test::ReferencePolynomialFit(spread, degree);
        for (int i = 0; i <= degree; ++i) EXPECT_TRUE(Agree8(fit.C[static_cast<std::size_t>(i)], c[static_cast<std::size_t>(i)]));
    }
}

TEST(RegressionFit, extremeDataFailOrShowError)
{
    // a = e^13355 lies beyond the extended range: no formula with "INF".
    RegressionFit fit;
    EXPECT_FALSE(FitRegressionModel(Sorted({{1, 1e4900L}, {2, 1e4000L}}), K::Exponential, 2, fit));
    // a = e^-115130 underflows to 0: the formula stands, ln f(x) does not.
    const RegressionDisplay tiny = Show({{1000, 1e-50L}, {1001, 1}}, K::Exponential);
    EXPECT_EQ(tiny.Formula, "0*exp(115.1292546*x)");
    EXPECT_EQ(tiny.DeviationLabel, "Root-mean-square deviation=Error");
    EXPECT_EQ(tiny.RSquaredLabel, "R^2=Error");
    // x^2 and x^4 vanish below the extended range: a singular system.
    EXPECT_FALSE(FitRegressionModel(Sorted({{1e-1300L, 1}, {2e-1300L, 2}, {3e-1300L, 3}}), K::Polynomial, 2, fit));
}

// ---------------------------------------------------------------- best fit

TEST(RegressionBestFit, candidateOrderAndTies)
{
    struct Case {
        const char* name;
        Points points;
        RegressionKind kind;
        const char* formula;
    } cases[] = {
        // Every model passes through two points: the first, Linear, stays.
        {"two points tie", {{1, 2}, {2, 4}}, K::Linear, "2*x+0"},
        // Power and the quadratic both fit exactly; Power comes first.
        {"power before polynomial", {{1, 3}, {2, 12}, {3, 27}, {4, 48}, {5, 75}}, K::Power, "3*x^2"},
        {"hyperbola", {{1, 7}, {2, 4}, {4, 2.5L}, {8, 1.75L}, {16, 1.375L}}, K::Hyperbolic, "6/x+1"},
        {"exponential", {{0, 2}, {1, 2 * std::exp(0.5L)}, {2, 2 * std::exp(1.0L)}, {3, 2 * std::exp(1.5L)}},
         K::Exponential, "2*exp(0.5*x)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const RegressionResult best = ComputeRegression(Sorted(c.points), K::Best, 2);
        ASSERT_EQ(best.Status, RegressionStatus::Fitted);
        EXPECT_EQ(best.Fit.Kind, c.kind);
        EXPECT_EQ(RegressionFormulaText(best.Fit), c.formula);
    }
    // On noisy data every added degree explains more: the highest wins.
    Noise noise;
    Points noisy;
    for (int k = 0; k < 12; ++k) {
        const long double x = -1.1L + k * 0.2L;
        noisy.push_back({x, x * x * x - x + 2 + noise.Next(0.05L)});
    }
    const RegressionResult best = ComputeRegression(Sorted(noisy), K::Best, 2);
    EXPECT_EQ(best.Fit.Kind, K::Polynomial);
    EXPECT_EQ(best.Fit.Degree, 9);
    EXPECT_EQ(ComputeRegression(Sorted({{1, 1}}), K::Best, 2).Status, RegressionStatus::NotEnoughNumbers);
}

// ---------------------------------------------------------------- texts

RegressionFit TwoParameters(RegressionKind kind, long double a, long double b)
{
    RegressionFit fit;
    fit.Kind = kind;
    fit.A = a;
    fit.B = b;
    return fit;
}

RegressionFit Polynomial(std::vector<long double> c)
{
    RegressionFit fit;
    fit.Kind = K::Polynomial;
    fit.Degree = static_cast<int>(c.size()) - 1;
    for (std::size_t i = 0; i < c.size(); ++i) fit.C[i] = c[i];
    return fit;
}

TEST(RegressionTexts, formulaOfEveryKind)
{
    const std::pair<RegressionFit, const char*> cases[] = {
        {TwoParameters(K::Linear, 2, -1), "2*x-1"},
        {TwoParameters(K::Linear, -0.5L, 2500000), "-0.5*x+(2.5*10^6)"},
        {TwoParameters(K::Linear, 1, -0.00002L), "1*x-(2*10^(-5))"},
        {TwoParameters(K::Linear, 1, -1e-250L), "1*x+0"},
        {TwoParameters(K::Hyperbolic, 0.123456789L, 3), "0.1234568/x+3"},
        {TwoParameters(K::Logarithmic, -2, -3), "-2*ln(x)-3"},
        {TwoParameters(K::Power, 1.5L, -2), "1.5*x^(-2)"},
        {TwoParameters(K::Power, 1.5L, -0.00002L), "1.5*x^(-(2*10^(-5)))"},
        {TwoParameters(K::Power, 1.5L, 2), "1.5*x^2"},
        {TwoParameters(K::Exponential, 2, -0.3L), "2*exp(-0.3*x)"},
        {TwoParameters(K::Exponential, 1e-7L, 2), "(1*10^(-7))*exp(2*x)"},
        {TwoParameters(K::Exponential2, 3, 1.25L), "3*1.25^x"},
        {TwoParameters(K::Exponential2, 3, -1.25L), "3*(-1.25)^x"},
        {Polynomial({1, 0, -2}), "-2*x^2+0*x+1"},
        {Polynomial({-1, 2, 0.5L, -3}), "-3*x^3+0.5*x^2+2*x-1"},
        {Polynomial({0, 1e7L}), "(1*10^7)*x+0"},
    };
    for (const auto& [fit, text] : cases) EXPECT_EQ(RegressionFormulaText(fit), text);
}

TEST(RegressionTexts, longestFormulaFitsTheRecord)
{
    // Every coefficient negative, in the power form with the longest mantissa
    // and exponent there can be (below 1e-200 a number is written as 0).
    size_t longest = 0;
    for (long double c : {-9.87654321e-199L, -1.2345678e-200L, -9.9999999e4000L, -1.1111111e-100L}) {
        const std::string text = RegressionFormulaText(Polynomial(std::vector<long double>(10, c)));
        longest = std::max(longest, text.size());
        GraphRecord r = NewGraphRecord(DefaultDocumentOptions());
        r.Formula.Assign(text);
        EXPECT_EQ(r.Formula.Str(), text);
    }
    EXPECT_EQ(longest, 254u);
    // Positive coefficients add the "+" signs but lose the minus signs.
    EXPECT_LE(RegressionFormulaText(Polynomial(std::vector<long double>(10, 9.87654321e-199L))).size(), 255u);
}

TEST(RegressionTexts, figures)
{
    const std::pair<long double, const char*> cases[] = {
        {0, "0"},
        {2.5L, "2.5"},
        {0.123456789L, "0.1234568"},
        {1234567.89L, "1.2345679*10^6"},
        {0.00015L, "1.5*10^(-4)"},
        {-2e10L, "-2*10^10"},
        {1e-250L, "0"},
        // The mantissa comes from a 30-character text and stays at 10.
        {9.99999999e7L, "10*10^7"},
        {9.999999996e-5L, "10*10^(-5)"},
        {kInf, "Error"},
        {std::nanl(""), "Error"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(RegressionFigureText(value), text) << static_cast<double>(value);
    EXPECT_EQ(RSquaredFigureText(kRSquaredError), "Error");
    EXPECT_EQ(RSquaredFigureText(2), "Error");
    EXPECT_EQ(RSquaredFigureText(0.98765432123L), "0.9876543");
}

// ---------------------------------------------------------------- goodness of fit

TEST(RegressionGoodness, figuresDescribeTheRoundedFormula)
{
    // y = 1/3 through (0,0), (1,1), (2,0); the formula shows 0.3333333.
    const RegressionPoints points = Sorted({{0, 0}, {1, 1}, {2, 0}});
    RegressionFit fit;
    ASSERT_TRUE(FitRegressionModel(points, K::Linear, 1, fit));
    const GoodnessOfFit g = ComputeGoodnessOfFit(points, fit);
    const long double b = 0.3333333L;
    const long double expected = std::sqrt((b * b + (1 - b) * (1 - b) + b * b) / 3);
    EXPECT_TRUE(Agree8(g.Deviation, expected));
    // R^2 = sum (f - mean)^2 / sum (y - mean)^2 with f constant 0.3333333.
    const long double mean = 1 / 3.0L;
    const long double rSquared = 3 * (b - mean) * (b - mean) / (2.0L / 3);
    EXPECT_LT(std::fabs(g.RSquared / rSquared - 1), 1e-8L) << static_cast<double>(g.RSquared);

    // Logarithmic space for the exponential: ln y = ln 2 + x exactly.
    const RegressionPoints grow = Sorted({{0, 2}, {1, 2 * std::exp(1.0L)}, {2, 2 * std::exp(2.0L)}, {3, 40}});
    ASSERT_TRUE(FitRegressionModel(grow, K::Exponential, 1, fit));
    const GoodnessOfFit e = ComputeGoodnessOfFit(grow, fit);
    EXPECT_GT(e.RSquared, 0.99L);
    EXPECT_LT(e.RSquared, 1);

    // A ratio clearly above 1 is no noise: a formula that overshoots.
    RegressionFit steep = TwoParameters(K::Linear, 3, -2);
    EXPECT_EQ(ComputeGoodnessOfFit(Sorted({{1, 1}, {2, 3}, {3, 5}}), steep).RSquared, kRSquaredError);
}

// ---------------------------------------------------------------- comparison

TEST(RegressionCompare, rowsOfTheAdmittedModelsByAdjustedRSquared)
{
    Noise noise;
    Points points;
    for (int k = 1; k <= 6; ++k) points.push_back({k * 1.0L, 0.5L * k * k - k + 3 + noise.Next(0.1L)});
    const RegressionPoints sorted = Sorted(points);
    const std::vector<RegressionComparisonRow> rows = CompareRegressionModels(sorted);
    // Six two-parameter kinds and the polynomials of degree 2..5 (six X).
    ASSERT_EQ(rows.size(), 10u);
    int polynomials = 0;
    auto group = [](const RegressionComparisonRow& row) {
        return row.HasAdjustedRSquared ? 0 : row.Goodness.RSquared != kRSquaredError ? 1 : 2;
    };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const RegressionComparisonRow& row = rows[i];
        SCOPED_TRACE(RegressionFormulaText(row.Fit));
        const int p = row.Fit.Kind == K::Polynomial ? row.Fit.Degree : 1;
        polynomials += row.Fit.Kind == K::Polynomial;
        // N = 6: degree 5 has no adjusted figure; nor has an R^2 that is an
        // error (the rounded coefficients of degree 4 overshoot here).
        const bool hasRSquared = row.Goodness.RSquared != kRSquaredError;
        EXPECT_EQ(row.HasAdjustedRSquared, hasRSquared && p < 5);
        EXPECT_EQ(AdjustedRSquaredText(row), !hasRSquared ? "Error" : p == 5 ? "-" : RegressionFigureText(row.AdjustedRSquared));
        if (row.HasAdjustedRSquared) {
            EXPECT_TRUE(Agree8(row.AdjustedRSquared, 1 - (1 - row.Goodness.RSquared) * 5 / (5 - p)));
        }
        if (i == 0) continue;
        const RegressionComparisonRow& before = rows[i - 1];
        EXPECT_LE(group(before), group(row));
        if (group(before) == 0 && group(row) == 0) {
            EXPECT_GE(before.AdjustedRSquared, row.AdjustedRSquared);
        }
    }
    EXPECT_EQ(polynomials, 4);
    EXPECT_EQ(rows.front().Fit.Kind, K::Polynomial);
    EXPECT_EQ(rows.front().Fit.Degree, 2);

    // What fails is left out: X = 0 and negative Y rule out four kinds.
    const std::vector<RegressionComparisonRow> fewer = CompareRegressionModels(Sorted({{0, -1}, {1, 2}, {2, 3}}));
    ASSERT_EQ(fewer.size(), 2u);
    EXPECT_EQ(fewer[0].Fit.Kind, K::Linear);
    EXPECT_EQ(fewer[1].Fit.Kind, K::Polynomial);
    EXPECT_EQ(AdjustedRSquaredText(fewer[1]), "-");
    EXPECT_TRUE(CompareRegressionModels(Sorted({{1, 1}, {1, 2}})).empty());
}

}  // namespace
}  // namespace vg
