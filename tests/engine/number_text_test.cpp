#include "engine/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

#include "engine/calculator.h"
#include "engine/check_formula.h"
#include "engine/numeric_utils.h"
#include "support/comma_locale.h"

namespace vg {
namespace {

struct FormatRow {
    Extended value;
    const char* expected;
};

TEST(NumberText, formatNumber_writesPlainOrPowerForm)
{
    const FormatRow rows[] = {
        {2.5L, "2.5"},
        {100.0L, "100"},
        {0.123456789L, "0.1234568"},
        {1e-250L, "0"},
        {-1e-250L, "0"},
        {-0.0L, "0"},
        {1234567.89L, "1.2345679*10^6"},
        {0.00015L, "1.5*10^(-4)"},
        {-2e10L, "-2*10^10"},
        {9.99999999e7L, "1*10^8"},
        {-9.99999999e7L, "-1*10^8"},
        {1000000.0L, "1000000"},
        {1000001.5L, "1.0000015*10^6"},
        {0.001L, "0.001"},
        {0.0009L, "9*10^(-4)"},
        {-0.00000001L, "-1*10^(-8)"},
        {-123.45L, "-123.45"},
        {1e100L, "1*10^100"},
        {1.5e-150L, "1.5*10^(-150)"},
        {std::numeric_limits<Extended>::infinity(), "INF"},
    };
    for (const FormatRow& r : rows) EXPECT_EQ(FormatNumber(r.value), r.expected) << (double)r.value;
}

TEST(NumberText, formatPowerNumber_alwaysWritesPowerForm)
{
    const FormatRow rows[] = {
        {0.0L, "0*10^0"}, {2.5L, "2.5*10^0"}, {-100.0L, "-1*10^2"}, {0.5L, "5*10^(-1)"},
        {9.999999999L, "1*10^1"},
    };
    for (const FormatRow& r : rows) EXPECT_EQ(FormatPowerNumber(r.value), r.expected);
}

TEST(NumberText, formatFormulaNumber_enclosesPowerForm)
{
    const FormatRow rows[] = {
        {0.5L, "0.5"},           {2500000.0L, "(2.5*10^6)"}, {-0.00002L, "-(2*10^(-5))"},
        {1.5e6L, "(1.5*10^6)"}, {-3.0L, "-3"},              {-1e-250L, "0"},
    };
    for (const FormatRow& r : rows) EXPECT_EQ(FormatFormulaNumber(r.value), r.expected);
}

TEST(NumberText, scientificAndFixedTexts_haveExactWidths)
{
    EXPECT_EQ(ScientificText(1.5L, 23), " 1.50000000000000E+0000");
    EXPECT_EQ(ScientificText(-1.5e-300L, 20), "-1.50000000000E-0300");
    EXPECT_EQ(ScientificText(1e4000L, 20), " 1.00000000000E+4000");
    EXPECT_EQ(ScientificText(1.5L, 20).size(), 20u);
    EXPECT_EQ(FixedText7(2.5L), "2.5000000");
    EXPECT_EQ(FixedText7(-0.00000004L), "-0.0000000");
}

struct ParseRow {
    const char* text;
    bool failed;
    Extended value;
};

void ExpectParses(Extended (*parse)(std::string_view, bool&), const ParseRow& r)
{
    bool failed = false;
    Extended value = parse(r.text, failed);
    EXPECT_EQ(failed, r.failed) << '"' << r.text << '"';
    if (!r.failed && !failed) {
        EXPECT_EQ(value, r.value) << '"' << r.text << '"';
    }
}

TEST(NumberText, parseNumberText_readsBothForms_andRefusesOtherGrammars)
{
    const ParseRow rows[] = {
        {"2.5", false, 2.5L},
        {" 1.2345679*10^6 ", false, 1234567.9L},
        {"1.5*10^(-4)", false, 1.5e-4L},
        {"-2*10^10", false, -2e10L},
        {"1E5", false, 1e5L},
        {"1*10^2.6", false, 1000.0L},  // exponent rounded
        {"1*10^(-31)", false, 0.0L},   // below 1e-30
        {"nan", true, 0},
        {"inf", true, 0},
        {"-infinity", true, 0},
        {"0x1p3", true, 0},
        {"", true, 0},
        {"1,5", true, 0},
        {"2*10^", true, 0},
        {"2*10^(", true, 0},
    };
    for (const ParseRow& r : rows) ExpectParses(&ParseNumberText, r);
    EXPECT_TRUE(std::isinf(ParseNumberText("1*10^99999")));
}

TEST(NumberText, parseNumberInput_acceptsPowerForm_andRefusesENotation)
{
    const ParseRow rows[] = {
        {"2*10^3", false, 2000.0L},
        {"2*10^(-3)", false, 0.002L},
        {"2E3", true, 0},
        {"2e3", true, 0},
        {"2*10^E", true, 0},
        {"2*10^1.5", true, 0},
        {"2*10^(x)", true, 0},
        {" -0.5 ", false, -0.5L},
        {"123456.789", false, 123456.79L},  // 8 significant digits
        {"1*10^199", false, 1e199L},
        {"1*10^200", true, 0},
        {"9.99*10^199", false, 9.99e199L},
        {"10*10^199", true, 0},
        {"1*10^(-201)", false, 0.0L},
        {"0*10^500", false, 0.0L},
        {"inf", true, 0},
        {"nan", true, 0},
        {".5", false, 0.5L},
        {"abc", true, 0},
        {"1*10^99999999999", true, 0},
    };
    for (const ParseRow& r : rows) ExpectParses(&ParseNumberInput, r);
}

TEST(NumberText, parseCellNumber_roundsToDisplay_andLimitsMagnitude)
{
    const ParseRow rows[] = {
        {"2E3", false, 2000.0L},
        {"1e101", true, 0},
        {"1e100", false, 1e100L},
        {"-1e100", false, -1e100L},
        {"1*10^101", true, 0},
        {"0.123456789", false, 0.1234568L},
        {"123456.789", false, 123456.79L},
        {"2*10^(-3)", false, 0.002L},
        {"1e99999", true, 0},
        {"nan", true, 0},
        {"x", true, 0},
    };
    for (const ParseRow& r : rows) ExpectParses(&ParseCellNumber, r);
}

TEST(NumberText, roundToDisplay_keepsEightDigits_andPassesInfinity)
{
    const struct {
        Extended value;
        Extended expected;
    } rows[] = {
        {0.123456789L, 0.1234568L},
        {123456.789L, 123456.79L},
        {1234567.89L, 1234567.9L},
        {1e-35L, 0.0L},
        {-2.5L, -2.5L},
    };
    for (const auto& r : rows) EXPECT_EQ(RoundToDisplay(r.value), r.expected);
    Extended inf = std::numeric_limits<Extended>::infinity();
    EXPECT_EQ(RoundToDisplay(inf), inf);
    EXPECT_EQ(RoundToDisplay(-inf), -inf);
}

// Sample values over the whole useful range, both signs.
std::vector<Extended> SampleValues()
{
    std::mt19937_64 random(12345);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-29, 99);
    std::vector<Extended> values = {1.0L, 0.001L, 1e6L, 999999.99999L, 0.00099999999L, 123.456L};
    for (int i = 0; i < 3000; ++i) {
        Extended v = static_cast<Extended>(mantissa(random)) * std::pow(10.0L, exponent(random));
        values.push_back(i % 2 ? -v : v);
    }
    return values;
}

Extended Evaluate(const std::string& text)
{
    TStackList postfix;
    EXPECT_EQ(CompileFormula(text, "x", "", postfix), kEngineOk) << text;
    TCalculator calculator(postfix);
    EngineError error = kEngineOk;
    Extended value = calculator.Calculate(postfix, error, 0);
    EXPECT_EQ(error, kEngineOk) << text;
    return value;
}

// A number copied from the screen into a formula is the number shown. The
// plain form may show more than 8 digits, so only the power form equals
// RoundToDisplay as it stands; a rounded value reads back exactly in both.
TEST(NumberText, displayForm_readsBackThroughFormulaEngine)
{
    for (Extended v : SampleValues()) {
        Extended rounded = RoundToDisplay(v);
        EXPECT_EQ(Evaluate(FormatNumber(rounded)), rounded) << FormatNumber(rounded);
        std::string shown = FormatNumber(v);
        if (shown.find("*10^") != std::string::npos) {
            EXPECT_EQ(Evaluate(shown), rounded) << shown;
        } else {
            EXPECT_EQ(Evaluate(shown), NearZero(ParseNumberText(shown))) << shown;
        }
    }
}

TEST(NumberText, writtenFormsReadBack_asTheirRoundedValues)
{
    for (Extended v : SampleValues()) {
        Extended rounded = RoundToDisplay(v);
        EXPECT_EQ(ParseNumberText(FormatNumber(rounded)), rounded) << FormatNumber(v);
        EXPECT_EQ(RoundToDisplay(rounded), rounded) << FormatNumber(v);
        EXPECT_EQ(ParseNumberText(FormatPowerNumber(rounded)), rounded);
        bool failed = true;
        EXPECT_EQ(ParseCellNumber(FormatNumber(v), failed), rounded);
        EXPECT_FALSE(failed);
    }
}

// Under CTest the locale with a decimal comma is there, built for the tests.
TEST(CommaLocale, isBuiltForTheTests_intoTheBuildTree)
{
    if (!test::RunByCtest()) GTEST_SKIP() << "CTest builds the locale";
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    ASSERT_TRUE(test::UseCommaLocale()) << "no de_DE.UTF-8 in " << VG_TEST_LOCALE_DIR;
    char probe[32];
    std::snprintf(probe, sizeof probe, "%.1f", 2.5);
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_STREQ(probe, "2,5");
}

// The process may run in a locale that writes "2,5": the forms must not care.
TEST(NumberText, formsUsePoint_whenProcessLocaleUsesComma)
{
    std::string previous = std::setlocale(LC_ALL, nullptr);
    if (!test::UseCommaLocale()) GTEST_SKIP() << "the tests' comma locale is not built";
    char probe[32];
    std::snprintf(probe, sizeof probe, "%.1f", 2.5);
    EXPECT_STREQ(probe, "2,5");  // the locale really is in force
    EXPECT_EQ(FormatNumber(2.5L), "2.5");
    EXPECT_EQ(FormatNumber(0.00015L), "1.5*10^(-4)");
    EXPECT_EQ(ScientificText(1.5L, 23), " 1.50000000000000E+0000");
    bool failed = true;
    EXPECT_EQ(ParseNumberInput("2.5", failed), 2.5L);
    EXPECT_FALSE(failed);
    ParseNumberInput("2,5", failed);
    EXPECT_TRUE(failed);
    EXPECT_EQ(ParseCellNumber("1.5E3", failed), 1500.0L);
    EXPECT_EQ(RoundToDisplay(0.123456789L), 0.1234568L);
    std::setlocale(LC_ALL, previous.c_str());
}

}  // namespace
}  // namespace vg
