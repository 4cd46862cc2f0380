// The calculator: the checks of Calculate in order, the result texts, and the
// number form of the result.

#include <gtest/gtest.h>

#include <string>

#include "app/translator.h"
#include "tools/calculator_tool.h"
#include "tools/definite_integral.h"

namespace vg {
namespace {

TEST(Calculator, resultsAndRefusalsInOrder)
{
    const std::string latin = "The name of the variable must\rbe a letter of the latin alphabet";
    const std::string notNumber = "The value of the variable must be a number";
    const std::string tooLarge = "Too large value of the variable";
    struct Case {
        std::string formula, name, value;
        std::string text;  // the result, or the message of the refusal
        CalcField field;
    } cases[] = {
        {"SIN(X)^2+COS(X)^2", "X", "1", "1", CalcField::None},
        {"1/X", "X", "0", "Error", CalcField::None},
        {"1/3", "X", "0", "0.3333333333", CalcField::None},
        {"T*2+t", "t", "2*10^3", "6000", CalcField::None},
        {"X", "x", "1.23456789", "1.2345679", CalcField::None},  // typed values keep 8 digits
        {"X", "X", std::string(600, '9'), tooLarge, CalcField::VariableValue},
        {"X", "X", std::string(300, '9'), "1*10^300", CalcField::None},
        {"X", "X", std::string(5000, '9'), tooLarge, CalcField::VariableValue},  // beyond the extended range
        {"X", "X", "-" + std::string(5000, '9') + ".5", tooLarge, CalcField::VariableValue},
        {"X", "X", "1E5", notNumber, CalcField::VariableValue},
        {"X", "X", "", notNumber, CalcField::VariableValue},
        {"X", "X", "1*10^300", notNumber, CalcField::VariableValue},
        {"(", "1", "x", latin, CalcField::VariableName},
        {"X", "", "0", latin, CalcField::VariableName},
        {"X", "XY", "0", latin, CalcField::VariableName},
        {"X", "\xc3\xa4", "0", latin, CalcField::VariableName},  // not a latin letter
        {"X", "_", "0", latin, CalcField::VariableName},
        {"Y+", "X", "zz", notNumber, CalcField::VariableValue},
        {"Y", "X", "0", "Error 1: syntax error", CalcField::Formula},
        {"(X", "X", "0", "Error 3: not enough ')' ", CalcField::Formula},
        {"   ", "X", "0", "Empty formula", CalcField::Formula},
    };
    for (const Case& c : cases) {
        const CalcOutcome outcome = RunCalculator(c.formula, c.name, c.value);
        const std::string shown = outcome.Failure ? InputFailureText(*outcome.Failure) : outcome.Text;
        EXPECT_EQ(shown, c.text) << c.formula << " " << c.name << " " << c.value.substr(0, 20);
        EXPECT_EQ(outcome.Failure ? outcome.Failure->FocusField : CalcField::None, c.field) << c.formula << c.value.size();
    }
    EXPECT_TRUE(RunCalculator("LN(X)", "X", "0").Undefined);
    EXPECT_EQ(RunCalculator("X*2", "X", "2.5").Value, 5);
}

TEST(Calculator, numberFormWithDigits)
{
    struct Case {
        long double x;
        int digits;
        std::string text;
    } cases[] = {
        {1.0L / 3, 10, "0.3333333333"},
        {-2.0L / 3, 10, "-0.6666666667"},
        {1e-7L, 10, "1*10^(-7)"},
        {-2.5e-9L, 10, "-2.5*10^(-9)"},
        {0.001L, 10, "0.001"},
        {0.000999L, 3, "9.99*10^(-4)"},
        {1e6L, 10, "1000000"},
        {1234567.891L, 10, "1.234567891*10^6"},
        {1234567.891L, 2, "1.23*10^6"},
        {1e400L, 10, "1*10^400"},
        {-1e-250L, 10, "0"},  // NearZero makes it 0: the plain form, and no "-0"
        {-0.0L, 10, "0"},
        {-0.00000000001L, 10, "-1*10^(-11)"},
        {2.71828L, 2, "2.72"},
        {12.5L, 10, "12.5"},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatNumberDigits(c.x, c.digits), c.text) << c.text;
}

// Messages are translated as whole texts, line breaks included; the result's
// "Error" too.
TEST(Calculator, messagesAndErrorWordAreTranslated)
{
    TTranslator german;
    ASSERT_TRUE(german.LoadFromFile(std::string(VG_SOURCE_DIR) + "/data/lang/german.vgl"));
    SetTranslator(&german);
    EXPECT_EQ(InputFailureText(*RunCalculator("X", "1", "0").Failure),
              "Der Name der Variablen muss\rein Buchstabe des lateinischen Alphabets sein");
    EXPECT_EQ(RunCalculator("1/X", "X", "0").Text, "Fehler");
    IntegralTask task;
    const IntegralInput input{"X", "0", "0", "1", "5", false};
    EXPECT_EQ(InputFailureText(*CheckIntegralInput(input, task)), "Dieser Wert muss eine ganze Zahl\rvon 10 bis 2000 sein");
    SetTranslator(nullptr);
}

}  // namespace
}  // namespace vg
