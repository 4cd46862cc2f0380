// The zeros and extrema of 50 generated smooth functions against an
// independent high-precision root finder (tests/tools/analysis_reference_support):
// every root is listed, nothing else is, each to the requested decimals.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "engine/number_text.h"
#include "tools/analysis_reference_support.h"
#include "tools/function_analysis.h"

namespace vg {
namespace {

using test::ReferenceFunction;

constexpr int kFunctions = 50;
constexpr int kSteps = 1000;
constexpr int kReferenceSamples = 16 * kSteps;

struct Case {
    ReferenceFunction function;
    std::vector<long double> roots;
    std::vector<long double> extrema;
    int digits;
};

// Well-posed for a scan of kSteps: every root and extremum a clean, simple
// one, three steps from the ends, from each other and from the others, and
// far enough apart that rounding to the decimals cannot merge two.
bool WellPosed(const Case& c)
{
    const long double h = (c.function.MaxX() - c.function.MinX()) / kSteps;
    const long double gap = std::max(3 * h, 3 * std::pow(10.0L, -c.digits));
    if (c.roots.empty() || c.extrema.empty()) return false;
    std::vector<long double> all = c.roots;
    all.insert(all.end(), c.extrema.begin(), c.extrema.end());
    all.push_back(c.function.MinX());
    all.push_back(c.function.MaxX());
    std::sort(all.begin(), all.end());
    for (std::size_t i = 1; i < all.size(); ++i) {
        if (all[i] - all[i - 1] < gap) return false;
    }
    for (long double r : c.roots) {
        if (std::fabs(c.function.Value(r, true)) < 1e-2L) return false;
    }
    for (long double e : c.extrema) {
        const long double curvature = (c.function.Value(e + h, true) - c.function.Value(e - h, true)) / (2 * h);
        if (std::fabs(curvature) < 1e-2L) return false;
    }
    return true;
}

std::vector<Case> Cases()
{
    std::vector<Case> cases;
    for (unsigned seed = 1; cases.size() < kFunctions && seed < 400; ++seed) {
        ReferenceFunction f = test::GenerateSmoothFunction(seed);
        Case c{f, f.Roots(false, kReferenceSamples), f.Roots(true, kReferenceSamples), 2 + static_cast<int>(seed % 4)};
        if (WellPosed(c)) cases.push_back(std::move(c));
    }
    return cases;
}

long double Unit(int digits) { return std::pow(10.0L, -digits); }

TFunctionAnalysis Analyse(const Case& c, bool useDerivative, int digits)
{
    AnalysisSettings s;
    s.MinX = c.function.MinX();
    s.MaxX = c.function.MaxX();
    s.StepsNum = kSteps;
    s.DigitsNum = digits;
    s.UseDerivative = useDerivative;
    TFunctionAnalysis analysis(c.function.Formula(), s);
    analysis.Run();
    return analysis;
}

// Listed to the decimals: the bisection ends within a tenth of a unit of the
// root, the rounding adds at most half a unit.
void ExpectListed(const std::string& text, long double exact, int digits, const std::string& what)
{
    EXPECT_LE(std::fabs(ParseNumberText(text) - exact), 0.6L * Unit(digits) + 1e-12L)
        << what << ": listed " << text << ", exact " << static_cast<double>(exact);
}

class AnalysisReference : public ::testing::Test {
protected:
    static void SetUpTestSuite() { cases_ = new std::vector<Case>(Cases()); }
    static void TearDownTestSuite()
    {
        delete cases_;
        cases_ = nullptr;
    }
    static std::vector<Case>* cases_;
};

std::vector<Case>* AnalysisReference::cases_ = nullptr;

TEST_F(AnalysisReference, fiftyFunctionsAreWellPosed)
{
    ASSERT_EQ(cases_->size(), static_cast<std::size_t>(kFunctions));
}

TEST_F(AnalysisReference, everyZeroIsFoundToTheRequestedDecimals)
{
    for (const Case& c : *cases_) {
        SCOPED_TRACE(c.function.Formula() + " digits " + std::to_string(c.digits));
        const TFunctionAnalysis analysis = Analyse(c, false, c.digits);
        const std::vector<std::string>& zeros = analysis.Results().Zeros();
        ASSERT_EQ(zeros.size(), c.roots.size());
        for (std::size_t i = 0; i < zeros.size(); ++i) ExpectListed(zeros[i], c.roots[i], c.digits, "zero");
    }
}

TEST_F(AnalysisReference, everyExtremumIsFoundByValuesAndByTheDerivative)
{
    for (const Case& c : *cases_) {
        for (bool useDerivative : {false, true}) {
            // The value scan compares values rounded to 12 digits, which
            // blurs the position of a flat extremum below about 1e-6.
            const int digits = useDerivative ? std::min(c.digits + 1, 5) : std::min(c.digits, 4);
            SCOPED_TRACE(c.function.Formula() + (useDerivative ? " derivative" : " values") + " digits " +
                         std::to_string(digits));
            const TFunctionAnalysis analysis = Analyse(c, useDerivative, digits);
            const std::vector<ExtremumRow>& rows = analysis.Results().Extrema();
            ASSERT_EQ(rows.size(), c.extrema.size());
            for (std::size_t i = 0; i < rows.size(); ++i) {
                const long double e = c.extrema[i];
                const bool isMaximum = c.function.Value(e - 1e-3L, true) > 0;
                EXPECT_EQ(rows[i].IsMaximum, isMaximum) << rows[i].XText;
                ExpectListed(rows[i].XText, e, digits, "extremum x");
                ExpectListed(rows[i].YText, c.function.PreciseValue(e), digits, "extremum y");
            }
        }
    }
}

}  // namespace
}  // namespace vg
