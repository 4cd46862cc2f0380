// The number texts and roundings of the view operations: nice steps and the
// coordinate read-out.

#include <gtest/gtest.h>

#include <mpfr.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <string>

#include "app/coordinate_text.h"
#include "app/view_steps.h"
#include "document/document_options.h"

namespace vg {
namespace {

struct NiceCase {
    long double x;
    long double expected;
};

TEST(RoundToNiceStep, roundsTheMantissaToHalvesOrFifths)
{
    const NiceCase cases[] = {
        {2, 2},          {0.5L, 0.5L},     {3.14L, 3.2L}, {4.2L, 4.2L}, {6.74L, 6.8L},
        {0.0314L, 0.032L}, {1.25L, 1.2L},  {9.95L, 10},   {7.75L, 7.8L},
        // |m - 1.0| = |m - 1.2|: the tie goes to the multiple of 0.2.
        {1.1L, 1.2L},
        // 2.5 itself is a multiple of 0.5: Reduce on steps of 0.5 gives 0.25.
        {0.25L, 0.25L},   {31400, 32000},   {3.14e-40L, 3.2e-40L}, {9.999999999999L, 10},
    };
    for (const NiceCase& c : cases) EXPECT_EQ(RoundToNiceStep(c.x), c.expected) << static_cast<double>(c.x);
}

TEST(RoundToNiceStep, leavesWhatIsNoPositiveNumberAlone)
{
    EXPECT_EQ(RoundToNiceStep(0), 0);
    EXPECT_EQ(RoundToNiceStep(-3.14L), -3.14L);
    EXPECT_TRUE(std::isinf(RoundToNiceStep(INFINITY)));
    EXPECT_TRUE(std::isnan(RoundToNiceStep(NAN)));
}

// The reference reads the 12 digits with MPFR and builds the result by
// parsing its decimal text, so neither the digits nor the final scaling come
// from the code under test.
long double ReferenceNiceStep(long double x)
{
    mpfr_t v;
    mpfr_init2(v, 64);
    mpfr_set_ld(v, x, MPFR_RNDN);
    mpfr_exp_t exp10 = 0;
    char* digits = mpfr_get_str(nullptr, &exp10, 10, 12, v, MPFR_RNDN);
    const int64_t m = std::stoll(digits);  // m = M x 10^-11, x = m x 10^(exp10 - 1)
    mpfr_free_str(digits);
    const int exponent = static_cast<int>(exp10) - 1;
    auto halfEven = [](int64_t n, int64_t d) {
        int64_t q = n / d, r = n % d;
        if (2 * r > d || (2 * r == d && q % 2)) ++q;
        return q;
    };
    const int64_t unit = 100000000000;
    const int64_t halves = halfEven(2 * m, unit), fifths = halfEven(5 * m, unit);
    const int64_t da = std::llabs(m - halves * unit / 2), db = std::llabs(m - fifths * unit / 5);
    const int64_t tenths = da < db ? halves * 5 : fifths * 2;
    const std::string text = std::to_string(tenths) + "e" + std::to_string(exponent - 1);
    mpfr_set_str(v, text.c_str(), 10, MPFR_RNDN);
    const long double result = mpfr_get_ld(v, MPFR_RNDN);
    mpfr_clear(v);
    return result;
}

TEST(RoundToNiceStep, agreesWithTheDecimalReferenceOverManyMagnitudes)
{
    std::mt19937_64 random(20240613);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-20, 20);
    for (int i = 0; i < 4000; ++i) {
        long double x = mantissa(random) * std::pow(10.0L, exponent(random));
        if (i % 4 == 0) x = std::round(x * 1000) / 1000 + 0.001L;  // short decimals, where ties live
        ASSERT_EQ(RoundToNiceStep(x), ReferenceNiceStep(x)) << static_cast<double>(x);
    }
}

DocumentOptions UnitSteps()
{
    DocumentOptions d = DefaultDocumentOptions();
    for (Ext80* s : {&d.LabelsXStep, &d.MarksXStep, &d.VertStep, &d.LabelsYStep, &d.MarksYStep, &d.HorStep})
        *s = 1.0L;
    return d;
}

TEST(ScaleSteps, scalesEachAxisBySeparateRatios)
{
    DocumentOptions d = UnitSteps();
    d.MarksXStep = 0.3L;
    d.HorStep = -1.0L;  // a negative step has no nice value: it stays
    ScaleSteps(d, 2, 0.5L);
    EXPECT_EQ(d.LabelsXStep.Get(), 2);
    EXPECT_EQ(d.MarksXStep.Get(), 0.6L);
    EXPECT_EQ(d.VertStep.Get(), 2);
    EXPECT_EQ(d.LabelsYStep.Get(), 0.5L);
    EXPECT_EQ(d.MarksYStep.Get(), 0.5L);
    EXPECT_EQ(d.HorStep.Get(), -1);
}

TEST(ScaleSteps, keepsStepsThatWouldLeaveTheRangeOrAreNotFinite)
{
    DocumentOptions d = UnitSteps();
    d.LabelsXStep = 1e99L;
    d.MarksXStep = 1e4000L;  // k x step overflows
    ScaleSteps(d, 100, 1);
    EXPECT_EQ(d.LabelsXStep.Get(), 1e99L);
    EXPECT_EQ(d.MarksXStep.Get(), 1e4000L);
    EXPECT_EQ(d.VertStep.Get(), 100);
    EXPECT_EQ(d.LabelsYStep.Get(), 1);
}

TEST(ScaleSteps, aRatioOfOneAtTwelveDigitsChangesNothing)
{
    DocumentOptions d = UnitSteps();
    d.LabelsXStep = 0.3L;  // would become 0.3 anyway, but 0.7 x (1 + 1e-14) must not be touched either
    d.MarksXStep = 0.7L;
    const DocumentOptions before = d;
    ScaleSteps(d, 1 + 1e-14L, 1 - 1e-14L);
    EXPECT_TRUE(SameBytes(d, before));
}

struct CoordinateCase {
    long double value, width, sumAbs;
    const char* text;
};

TEST(FormatCoordinate, writesAsManyDecimalsAsTheWidthNeeds)
{
    const CoordinateCase cases[] = {
        {3, 20, 20, "3.00"},
        {0.5L, 1, 1, "0.5000"},            // width 1: four decimals, though 0.001 is inexact
        {0.5L, 0.1L, 0.1L, "0.50000"},
        {123.456L, 1000, 1000, "123.5"},
        {-2.5L, 2000, 2000, "-2.5"},
        {0.001L, 20, 20, "0.00"},
        {1e6L, 20, 20, "1000000.00"},
        {-1e-201L, 20, 20, "0.00"},        // 0 at 12 digits: fixed, and no "-0.00"
        {-0.0001L, 20, 20, "-1*10^(-4)"},  // below 0.001: the power form
        {12345678, 1, 1, "1.2345678*10^7"},
        {99999999999.99L, 1, 1, "1*10^11"},
        {-3e-15L, 1e-13L, 1e-13L, "-3*10^(-15)"},
        {5, 0, 10, ""},
        {5, 10, 0, ""},
    };
    for (const CoordinateCase& c : cases)
        EXPECT_EQ(FormatCoordinate(c.value, c.width, c.sumAbs), c.text) << static_cast<double>(c.value);
}

TEST(FormatCoordinate, decimalsFollowTheDecimalExponentOfTheWidth)
{
    const std::pair<long double, int> cases[] = {
        {1000, 1}, {101, 1}, {100, 2}, {99.9L, 2}, {20, 2}, {10, 3}, {1, 4}, {0.1L, 5}, {0.02L, 5}, {1e-10L, 14},
    };
    for (const auto& [width, decimals] : cases)
        EXPECT_EQ(CoordinateDecimals(width), decimals) << static_cast<double>(width);
}

TEST(PointerCoordinatesText, logarithmicAxesShowTheirWorldValues)
{
    DocumentOptions d = DefaultDocumentOptions();
    EXPECT_EQ(PointerCoordinatesText(d, 1.5L, -2), "1.50:-2.00");
    d.LogY = 1;
    d.MinY = -2.0L;
    d.MaxY = 3.0L;
    EXPECT_EQ(PointerCoordinatesText(d, 1.5L, 2), "1.50:100");
    EXPECT_EQ(PointerCoordinatesText(d, 1.5L, -5), "1.50:1*10^(-5)");
}

}  // namespace
}  // namespace vg
