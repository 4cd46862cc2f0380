// Every text the three tools show has its German translation in the shipped
// language file, line breaks included.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "app/translator.h"
#include "tools/function_analysis.h"
#include "tools/tool_input.h"

namespace vg {
namespace {

class GermanTools : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::ifstream file(std::string(VG_SOURCE_DIR) + "/data/lang/german.vgl", std::ios::binary);
        ASSERT_TRUE(file);
        std::stringstream bytes;
        bytes << file.rdbuf();
        translator_.LoadFromBytes(bytes.str());
        SetTranslator(&translator_);
    }
    void TearDown() override { SetTranslator(nullptr); }

    TTranslator translator_;
};

TEST_F(GermanTools, translatesEveryMessageAndLabel)
{
    const char* texts[] = {
        "Empty formula", kNumberRangeText, kIntegerRangeText, kMaxXText,
        "Not marked on an evaluation neither zeros\rnor extrema of function",
        "It is impossible to calculate extrema with\rthe help of analytically obtained derivative\r"
        "as the formula is too long for derivation",
        "It is impossible to calculate extrema with\rthe help of analytically obtained derivative\r"
        "as the formula contains nondifferentiable function\ror operation",
        "Too large expression for derivation", "The expression contains nondifferentiable function or operation",
        "Zeroes of function: not calculated", "Zeroes of function: none", "Zeroes of function:",
        "Extrema: not calculated", "Extrema: none", "interrupted", "Analysis of function", "Minimum of X",
        "Maximum of X", "Accuracy (decimal signs)", "Number of steps", "Intersections",
        "Intersection points: none", "Intersection points:",
        "The name of the variable must\rbe a letter of the latin alphabet",
        "Maximum of the variable must be more\rthan minimum of the variable",
        "This value must be a positive\rnumber up to %s", "Too many values to calculate", "Error",
    };
    for (const char* text : texts) EXPECT_NE(Translate(text), text) << text;
}

TEST_F(GermanTools, fillsTheTranslatedMessageAndLabels)
{
    EXPECT_EQ(InputFailureText(kIntegerRangeText, {"100", "20000"}, kEngineOk, ""),
              "Dieser Wert muss eine ganze Zahl\rvon 100 bis 20000 sein");
    EXPECT_EQ(ZerosLabelText({ResultCount::State::Counted, 3, true}), "Nullstellen der Funktion: 3 (abgebrochen)");
}

}  // namespace
}  // namespace vg
