// What the scanning tools share: rounding of results, the tolerance, the
// grid walk with its progress and Esc, the readers of typed fields, and
// refinements that end where the numbers are too coarse for the tolerance.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/number_text.h"
#include "engine/numeric_utils.h"
#include "tools/function_analysis.h"
#include "tools/intersections.h"
#include "tools/tool_input.h"
#include "tools/tool_scan.h"
#include "tools/tool_scan_support.h"

namespace vg {
namespace {

TEST(RoundHalfAway, staysExactBeyondTheIntegerRange)
{
    // x * 10^5 for |x| up to 1e100 and y * 10^5 for values up to 1e500: no
    // conversion to an integer type may take part.
    for (long double v : {1e19L, 9.3e18L * 3, 1e105L, -1e105L, 1e505L, -1e505L, 0x1p100L}) {
        EXPECT_EQ(RoundHalfAway(v), v) << static_cast<double>(v);
    }
    EXPECT_EQ(RoundHalfAway(0x1p62L + 0.5L), 0x1p62L + 1);
    EXPECT_EQ(RoundHalfAway(-(0x1p62L + 0.5L)), -(0x1p62L + 1));
    EXPECT_EQ(RoundHalfAway(2.5L), 3);
    EXPECT_EQ(RoundHalfAway(-2.5L), -3);
    EXPECT_EQ(RoundHalfAway(2.4999999999999999998L), 2);
    EXPECT_TRUE(std::isinf(RoundHalfAway(INFINITY)));
}

struct RoundRow {
    long double value;
    int digits;
    const char* text;
};

TEST(RoundToDigits, roundsHalvesAwayAtEveryAccuracy)
{
    const RoundRow rows[] = {
        {1.23456789L, 0, "1"},       {1.23456789L, 1, "1.2"},      {1.23456789L, 2, "1.23"},
        {1.23456789L, 3, "1.235"},   {1.23456789L, 4, "1.2346"},   {1.23456789L, 5, "1.23457"},
        {0.125L, 2, "0.13"},         {-0.125L, 2, "-0.13"},        {2.5L, 0, "3"},
        {-2.5L, 0, "-3"},            {-0.0001L, 2, "0"},           {-0.4L, 0, "0"},
        {1.2345e100L, 5, "1.2345*10^100"}, {-3e500L, 5, "-3*10^500"}, {1e-7L, 5, "0"},
    };
    for (const RoundRow& row : rows) {
        const long double rounded = RoundToDigits(row.value, row.digits);
        EXPECT_EQ(FormatNumber(rounded), row.text) << static_cast<double>(row.value) << " to " << row.digits;
        if (rounded == 0) {
            EXPECT_FALSE(std::signbit(rounded)) << "-0 must not show";
        }
    }
}

TEST(AnalysisTolerance, isATenthOfTheLastDecimalOrATrillionthOfTheInterval)
{
    EXPECT_EQ(AnalysisTolerance(2, -10, 10), 0.1L * PowerOf10(-2));
    EXPECT_EQ(AnalysisTolerance(0, -10, 10), 0.1L);
    EXPECT_EQ(AnalysisTolerance(5, 0, 1e14L), 1e-12L * 1e14L);
}

TEST(ScanGrid, visitsEveryPointAndReportsEachTenthOnce)
{
    test::RecordingProgress progress;
    std::vector<long double> points;
    const bool interrupted = ScanGrid({0, 1, 200, 2}, progress, [&](long double x, bool inside) {
        EXPECT_TRUE(inside);
        points.push_back(x);
    });
    EXPECT_FALSE(interrupted);
    ASSERT_EQ(points.size(), 201u);
    EXPECT_EQ(points.front(), 0);
    EXPECT_NEAR(static_cast<double>(points.back()), 1, 1e-15);
    EXPECT_EQ(progress.percents, (std::vector<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
    EXPECT_EQ(progress.busy, 0) << "the hourglass is restored";
}

TEST(ScanGrid, escEndsTheWalkAtTheNextCheck)
{
    test::RecordingProgress progress;
    progress.escapeAtCheck = 3;
    int visits = 0;
    EXPECT_TRUE(ScanGrid({0, 1, 200, 2}, progress, [&](long double, bool) { ++visits; }));
    EXPECT_EQ(progress.percents, (std::vector<int>{10, 20, 30}));
    EXPECT_EQ(visits, 60);  // 60 of 201 points round to 30 %
    EXPECT_EQ(progress.busy, 0);
}

TEST(ReadTypedNumber, acceptsTheTypedFormsUpTo1e100AndComputesWithTheTextValue)
{
    long double v = 0;
    EXPECT_TRUE(ReadTypedNumber("2*10^(-3)", v));
    EXPECT_EQ(v, ParseNumberText("2*10^(-3)"));
    EXPECT_TRUE(ReadTypedNumber(" 0.123456789 ", v));
    EXPECT_EQ(v, ParseNumberText("0.123456789")) << "not the 8-digit value the check reads";
    EXPECT_TRUE(ReadTypedNumber("-1*10^100", v));
    for (const char* refused : {"", "abc", "1E3", "2*10^100", "1*10^200", "1..2", "2*10^E"}) {
        EXPECT_FALSE(ReadTypedNumber(refused, v)) << refused;
    }
}

TEST(ReadIntegerInRange, readsTrimmedDecimalsWithinTheBounds)
{
    long v = 0;
    EXPECT_TRUE(ReadIntegerInRange(" 300 ", 100, 20000, v));
    EXPECT_EQ(v, 300);
    EXPECT_TRUE(ReadIntegerInRange("+5", 0, 5, v));
    for (const char* refused : {"99", "20001", "1.5", "", "12a", "0x10", "99999999999999999999"}) {
        EXPECT_FALSE(ReadIntegerInRange(refused, 100, 20000, v)) << refused;
    }
}

// Near 1e14 the numbers lie about 1.5e-5 apart, coarser than the tolerance of
// 5 decimals: halving must stop when the midpoint meets an end.
TEST(Refinement, endsWhereTheNumbersAreCoarserThanTheTolerance)
{
    const long double a = 1e14L, b = 1e14L + 1, eps = 1e-6L;
    ScanFormula line, parabola;
    ASSERT_TRUE(line.Compile("X-100000000000000.3", "X"));
    ASSERT_TRUE(parabola.Compile("(X-100000000000000.3)^2", "X"));
    bool failed = true;
    const long double zero = FindZero(line, a, b, eps, failed);
    EXPECT_FALSE(failed);
    EXPECT_NEAR(static_cast<double>(zero - a), 0.3, 0.02);  // the engine's cancellation rule blurs 1e-16 relative
    // The probes a tolerance apart are one number here: the last midpoint.
    const long double extremum = FindExtremum(parabola, a, b, eps, failed);
    EXPECT_FALSE(failed);
    EXPECT_EQ(extremum, (a + b) / 2);
    long double root = 0;
    EXPECT_TRUE(RefineIntersection(line, a, b, eps, root));
    EXPECT_NEAR(static_cast<double>(root - a), 0.3, 0.02);
}

TEST(Refinement, failsWhereTheFunctionHasNoValue)
{
    ScanFormula f;
    ASSERT_TRUE(f.Compile("SQRT(X)-1", "X"));
    bool failed = false;
    FindZero(f, -1, 2, 1e-3L, failed);
    EXPECT_TRUE(failed);
    FindExtremum(f, -1, 2, 1e-3L, failed);
    EXPECT_TRUE(failed);
}

TEST(Refinement, wholeScansNearHugeNumbersEnd)
{
    AnalysisSettings s;
    s.MinX = 1e14L;
    s.MaxX = 1e14L + 1;
    s.DigitsNum = 5;
    s.StepsNum = 20000;
    TFunctionAnalysis line("X-100000000000000.3", s);
    line.Run();
    EXPECT_EQ(line.Results().Zeros().size(), 1u);
    TIntersections intersections("X", "100000000000000.3", s.Interval());
    intersections.Run();
    EXPECT_EQ(intersections.Results().Points().size(), 1u);
    s.UseDerivative = true;
    TFunctionAnalysis derivative("(X-100000000000000.3)^2", s);
    derivative.Run();  // ends; the derivative's text keeps 12 digits of the constant

    s.MaxX = 1e14L + 10;
    s.StepsNum = 100;
    s.UseDerivative = false;
    TFunctionAnalysis parabola("-(X-100000000000005.03)^2", s);
    parabola.Run();
    ASSERT_EQ(parabola.Results().Extrema().size(), 1u);
    EXPECT_EQ(parabola.Results().Extrema()[0].XText, "1*10^14");  // 8 digits show
}

}  // namespace
}  // namespace vg
