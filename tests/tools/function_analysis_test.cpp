// The function analysis: the options dialog's checks in their order, the
// three scans, the pole rule of the value scan, Esc, and the results text.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "app/program_options.h"
#include "engine/number_text.h"
#include "tools/function_analysis.h"
#include "tools/tool_scan_support.h"
#include "tools/tool_text.h"

namespace vg {
namespace {

std::string Repeat(const std::string& item, const std::string& separator, int count)
{
    std::string out = item;
    for (int i = 1; i < count; ++i) out += separator + item;
    return out;
}

using CheckRow = test::InputCheckRow<AnalysisInput, AnalysisField>;

TEST(AnalysisInputCheck, refusesTheFirstBadFieldInTheDialogsOrder)
{
    const std::string number = "This value must be a number\rfrom -1*10^100 up to 1*10^100";
    const std::string tooLong = "It is impossible to calculate extrema with\rthe help of analytically obtained "
                                "derivative\ras the formula is too long for derivation";
    const std::string notDifferentiable = "It is impossible to calculate extrema with\rthe help of analytically "
                                          "obtained derivative\ras the formula contains nondifferentiable "
                                          "function\ror operation";
    const CheckRow rows[] = {
        {"defaults", [](AnalysisInput&) {}, "", AnalysisField::Formula},
        {"syntax", [](AnalysisInput& i) { i.Formula = "SIN(X"; }, "Error 3: not enough ')' ", AnalysisField::Formula},
        {"syntax before bounds", [](AnalysisInput& i) { i.Formula = "X)"; i.MinXText = "x"; },
         "Error 4: not enough '(' ", AnalysisField::Formula},
        {"blank", [](AnalysisInput& i) { i.Formula = "   "; }, "Empty formula", AnalysisField::Formula},
        {"min text", [](AnalysisInput& i) { i.MinXText = "abc"; }, number, AnalysisField::MinX},
        {"min E form", [](AnalysisInput& i) { i.MinXText = "-1E1"; }, number, AnalysisField::MinX},
        {"min 2e100", [](AnalysisInput& i) { i.MinXText = "-2*10^100"; }, number, AnalysisField::MinX},
        {"max 2e100", [](AnalysisInput& i) { i.MaxXText = "2*10^100"; }, number, AnalysisField::MaxX},
        {"max 1e100", [](AnalysisInput& i) { i.MaxXText = "1*10^100"; }, "", AnalysisField::Formula},
        {"equal bounds", [](AnalysisInput& i) { i.MaxXText = "-10"; },
         "Maximum of X must be more\rthan minimum of X", AnalysisField::MaxX},
        {"steps 99", [](AnalysisInput& i) { i.StepsNumText = "99"; },
         "This value must be an integer\rfrom 100 up to 20000", AnalysisField::StepsNum},
        {"steps 20001", [](AnalysisInput& i) { i.StepsNumText = "20001"; },
         "This value must be an integer\rfrom 100 up to 20000", AnalysisField::StepsNum},
        {"steps blanks", [](AnalysisInput& i) { i.StepsNumText = " 20000 "; }, "", AnalysisField::Formula},
        {"digits 6", [](AnalysisInput& i) { i.DigitsNumText = "6"; },
         "This value must be an integer\rfrom 0 up to 5", AnalysisField::DigitsNum},
        {"digits before boxes", [](AnalysisInput& i) { i.DigitsNumText = "-1"; i.FindZeroes = i.FindExtremums = false; },
         "This value must be an integer\rfrom 0 up to 5", AnalysisField::DigitsNum},
        {"nothing marked", [](AnalysisInput& i) { i.FindZeroes = i.FindExtremums = false; },
         "Not marked on an evaluation neither zeros\rnor extrema of function", AnalysisField::Nulls},
        {"not differentiable", [](AnalysisInput& i) { i.Formula = "ABS(X)"; i.UseDerivative = true; },
         notDifferentiable, AnalysisField::UseDerivative},
        {"too long", [](AnalysisInput& i) { i.Formula = Repeat("X", "*", 26); i.UseDerivative = true; },
         tooLong, AnalysisField::UseDerivative},
        {"derivative unused for zeros", [](AnalysisInput& i) {
             i.Formula = "ABS(X)"; i.UseDerivative = true; i.FindExtremums = false; },
         "", AnalysisField::Formula},
    };
    test::ExpectInputChecks(rows, AnalysisInputFrom(AnalysisSettings{}, "SIN(X)"), [](const AnalysisInput& input) {
        AnalysisSettings accepted;
        accepted.StepsNum = 777;
        const auto failure = CheckAnalysisInput(input, accepted);
        if (failure) {
            EXPECT_EQ(accepted.StepsNum, 777) << "nothing changes on a refusal";
        }
        return failure;
    });
}

TEST(AnalysisInputCheck, acceptedBoundsAreTheTextValuesAndStoreInTheOptions)
{
    AnalysisInput input = AnalysisInputFrom(AnalysisSettings{}, "X");
    input.MinXText = "0.123456789";
    input.MaxXText = "2*10^(-1)";
    input.StepsNumText = "+300";
    input.DigitsNumText = "5";
    input.UseDerivative = true;
    AnalysisSettings accepted;
    ASSERT_FALSE(CheckAnalysisInput(input, accepted));
    EXPECT_EQ(accepted.MinX, ParseNumberText("0.123456789"));
    EXPECT_EQ(accepted.MaxX, 0.2L);
    EXPECT_EQ(accepted.StepsNum, 300);
    EXPECT_EQ(accepted.DigitsNum, 5);
    TProgramOptions options;
    StoreAnalysisSettings(accepted, options);
    EXPECT_EQ(options.ResearchStepsNum, 300);
    EXPECT_TRUE(options.UseDerivative);
    const AnalysisSettings back = AnalysisSettingsFromOptions(options);
    EXPECT_EQ(back.MinX, accepted.MinX);
    EXPECT_EQ(back.DigitsNum, 5);
}

AnalysisSettings Settings(long double minX, long double maxX, int steps = 200, int digits = 2)
{
    AnalysisSettings s;
    s.MinX = minX;
    s.MaxX = maxX;
    s.StepsNum = steps;
    s.DigitsNum = digits;
    return s;
}

std::vector<std::string> ExtremaTexts(const TFunctionAnalysis& a)
{
    std::vector<std::string> texts;
    for (const ExtremumRow& row : a.Results().Extrema())
        texts.push_back(std::string(row.IsMaximum ? "max " : "min ") + row.XText + " " + row.YText);
    return texts;
}

TEST(FunctionAnalysis, findsTheZerosAndTheMinimumOfAParabolaBothWays)
{
    for (bool useDerivative : {false, true}) {
        AnalysisSettings s = Settings(-5, 5);
        s.UseDerivative = useDerivative;
        TFunctionAnalysis a("X^2-2", s);
        a.Run();
        EXPECT_EQ(a.Results().Zeros(), (std::vector<std::string>{"-1.41", "1.41"}));
        EXPECT_EQ(ExtremaTexts(a), (std::vector<std::string>{"min 0 -2"}));
        EXPECT_EQ(a.DerivativeLine(), "Y'(x)=2*x");
    }
}

TEST(FunctionAnalysis, aPoleIsNoZeroAndNoExtremum)
{
    TFunctionAnalysis a("1/X", Settings(-1, 1));
    a.Run();
    EXPECT_TRUE(a.Results().Zeros().empty());
    EXPECT_TRUE(a.Results().Extrema().empty());
    EXPECT_EQ(ZerosLabelText(a.Results().ZerosCount), "Zeroes of function: none");
    EXPECT_EQ(ExtremaLabelText(a.Results().ExtremaCount), "Extrema: none");
}

TEST(FunctionAnalysis, aZeroOnAGridPointIsListedOnce)
{
    // Steps of 1/64 add up exactly: X is 0 at a grid point.
    TFunctionAnalysis a("X", Settings(-1, 1, 128, 5));
    a.Run();
    EXPECT_EQ(a.Results().Zeros(), (std::vector<std::string>{"0"}));
}

TEST(FunctionAnalysis, resultsRoundingToTheSameTextAreListedOnce)
{
    // Extrema at 0.157, 0.471 and 0.785 become 0, 0 and 1 without decimals.
    TFunctionAnalysis a("SIN(10*X)", Settings(0, 1, 200, 0));
    a.Run();
    EXPECT_EQ(ExtremaTexts(a), (std::vector<std::string>{"max 0 1", "max 1 1"}));
    // Zeros at 0.314, 0.628 and 0.942 (the one at the start is no sign change).
    EXPECT_EQ(a.Results().Zeros(), (std::vector<std::string>{"0", "1"}));
}

TEST(FunctionAnalysis, listsAtMost2000Results)
{
    // About 6370 zeros, three steps apart.
    TFunctionAnalysis a("SIN(1000*X)", Settings(0.0001L, 20, 20000, 5));
    a.Run();
    EXPECT_EQ(a.Results().Zeros().size(), 2000u);
    EXPECT_EQ(ZerosLabelText(a.Results().ZerosCount), "Zeroes of function: 2000");
}

TEST(FunctionAnalysis, escKeepsTheResultsSoFarAndMarksTheLabel)
{
    AnalysisSettings s = Settings(-10, 10);
    s.FindZeroes = false;
    test::RecordingProgress progress;
    progress.escapeAtCheck = 5;  // at 50 %
    TFunctionAnalysis a("SIN(X)", s);
    a.Run(progress);
    EXPECT_EQ(ExtremaTexts(a), (std::vector<std::string>{"min -7.85 -1", "max -4.71 1", "min -1.57 -1"}));
    EXPECT_EQ(ExtremaLabelText(a.Results().ExtremaCount), "Extrema: 3 (interrupted)");
    EXPECT_EQ(ZerosLabelText(a.Results().ZerosCount), "Zeroes of function: not calculated");
    EXPECT_EQ(progress.resultsAdded, 3);
}

TEST(FunctionAnalysis, escInTheZeroScanStillRunsTheExtremumScan)
{
    test::RecordingProgress progress;
    progress.escapeAtCheck = 1;
    TFunctionAnalysis a("SIN(X)", Settings(-10, 10));
    a.Run(progress);
    EXPECT_EQ(ZerosLabelText(a.Results().ZerosCount), "Zeroes of function: 1 (interrupted)");
    EXPECT_EQ(ExtremaLabelText(a.Results().ExtremaCount), "Extrema: 6");
}

TEST(FunctionAnalysis, derivativeLineSaysWhyThereIsNone)
{
    TFunctionAnalysis a("ABS(X)", Settings(-1, 1));
    a.Run();
    EXPECT_EQ(a.DerivativeLine(), "The expression contains nondifferentiable function or operation");
    TFunctionAnalysis b(Repeat("X", "*", 26), Settings(-1, 1));
    b.Run();
    EXPECT_EQ(b.DerivativeLine(), "Too large expression for derivation");
}

// The value scan must not report the last grid point before a pole, nor a
// sample next to it, as an extremum; and it must keep every extremum of a
// function that is smooth at the scale of the step.
TEST(ValueScanPoleRule, dropsPolesAtEveryStepCountAndAccuracy)
{
    for (const char* formula : {"TAN(X)", "1/X", "1/X^2", "-1/X^2", "TAN(X)^2+1", "LN(ABS(X))"}) {
        for (int steps : {100, 137, 200, 1000, 4999, 20000}) {
            for (int digits : {0, 2, 5}) {
                for (long double minX : {-10.0L, -1.05L}) {
                    TFunctionAnalysis a(formula, Settings(minX, 1.1L, steps, digits));
                    a.Run();
                    for (const ExtremumRow& row : a.Results().Extrema()) {
                        // TAN(X)^2+1 has true minima (value 1) at multiples of pi.
                        EXPECT_EQ(row.YText, "1") << formula << " steps " << steps << " digits " << digits
                                                  << ": " << row.XText << " " << row.YText;
                    }
                }
            }
        }
    }
}

struct ExactExtrema {
    const char* formula;
    long double minX, maxX;
    std::vector<long double> xs;  // in increasing order
};

TEST(ValueScanPoleRule, keepsTheExtremaOfSmoothFunctionsAndOfCusps)
{
    const long double pi = 3.14159265358979323846L;
    const long double t = std::atan(10.0L);  // SIN(X)*EXP(-X/10) has extrema where TAN(X) = 10
    const ExactExtrema cases[] = {
        {"SIN(X)", -10, 10, {-2.5L * pi, -1.5L * pi, -0.5L * pi, 0.5L * pi, 1.5L * pi, 2.5L * pi}},
        {"X^3-3*X", -10, 10, {-1, 1}},
        {"SIN(X)*EXP(-X/10)", -10, 10, {t - 3 * pi, t - 2 * pi, t - pi, t, t + pi, t + 2 * pi}},
        {"1/(1+(X-0.3)^2*30)", -2, 3, {0.3L}},
        {"ABS(X-0.33317)", -1, 1, {0.33317L}},
        {"1/SIN(X)", 0.5L, 10, {0.5L * pi, 1.5L * pi, 2.5L * pi}},
    };
    for (const ExactExtrema& c : cases) {
        for (int steps : {100, 137, 200, 1000, 4999, 20000}) {
            for (int digits : {0, 2, 4}) {
                TFunctionAnalysis a(c.formula, Settings(c.minX, c.maxX, steps, digits));
                a.Run();
                const auto& rows = a.Results().Extrema();
                // Without decimals, neighbouring extrema may round together.
                if (digits == 0) {
                    EXPECT_GE(rows.size(), 1u) << c.formula;
                    continue;
                }
                ASSERT_EQ(rows.size(), c.xs.size()) << c.formula << " steps " << steps << " digits " << digits;
                for (std::size_t i = 0; i < rows.size(); ++i) {
                    EXPECT_LE(std::fabs(ParseNumberText(rows[i].XText) - c.xs[i]), 0.6L * std::pow(10.0L, -digits))
                        << c.formula << " steps " << steps << " digits " << digits << ": " << rows[i].XText;
                }
            }
        }
    }
}

TEST(FunctionAnalysisText, isWrittenLineByLineWithCrLf)
{
    AnalysisSettings s = Settings(-5, 5);
    TFunctionAnalysis a("X^2-2", s);
    a.Run();
    EXPECT_EQ(a.ResultsText(kCrLf),
              "Analysis of function Y(x)=X^2-2\r\n"
              "Minimum of X = -5\r\n"
              "Maximum of X = 5\r\n"
              "Accuracy (decimal signs) = 2\r\n"
              "Number of steps = 200\r\n"
              "Y'(x)=2*x\r\n"
              "\r\n"
              "Zeroes of function: 2\r\n"
              "-1.41\r\n"
              "1.41\r\n"
              "\r\n"
              "Extrema: 1\r\n"
              "     X                  Y                  \r\n"
              "min  0                  -2                 \r\n");
}

TEST(FunctionAnalysisText, omitsWhatWasNotCalculatedOrFound)
{
    AnalysisSettings s = Settings(1, 2, 100, 0);
    s.FindExtremums = false;
    TFunctionAnalysis a("LN(X)+5", s);
    a.Run();
    EXPECT_EQ(a.ResultsText(kLf),
              "Analysis of function Y(x)=LN(X)+5\n"
              "Minimum of X = 1\n"
              "Maximum of X = 2\n"
              "Accuracy (decimal signs) = 0\n"
              "Number of steps = 100\n"
              "Y'(x)=1/x\n"
              "\n"
              "Zeroes of function: none\n"
              "\n"
              "Extrema: not calculated\n");
}

}  // namespace
}  // namespace vg
