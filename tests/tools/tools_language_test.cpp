// Every text the three tools show has its German translation in the shipped
// language file, line breaks included.

#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <set>
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
        std::istringstream lines(bytes.str());
        std::string line, key, translation;
        while (std::getline(lines, line)) {
            if (ParseLanguageLine(line, key, translation) && !translation.empty()) keys_.insert(Folded(key));
        }
    }
    void TearDown() override { SetTranslator(nullptr); }

    static std::string Folded(std::string text)
    {
        for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return text;
    }

    TTranslator translator_;
    std::set<std::string> keys_;
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

TEST_F(GermanTools, coversTheWindowsCaptionsLabelsAndButtons)
{
    const char* texts[] = {
        "Analyze Function", "Analysis Results", "Parameters", "Calculations", "Zeroes of Function", "Extrema",
        "Extrema through the Derivative", "Minimum of X", "Maximum of X", "Number of Steps",
        "Accuracy (Decimal Signs)", "OK", "Cancel", "Help", "Close", "Save to File...", "Copy to Clipboard",
        "Save Analysis Results", "Save Value Table", "Text files (*.txt)", "All files (*.*)", "Intersections",
        "Value Table", "Variable", "from", "up to", "Step", "Calculate", "Save...", "File write error",
        "Copy error",
    };
    for (const char* text : texts) EXPECT_TRUE(keys_.count(Folded(text))) << "no German text for \"" << text << "\"";
}

TEST_F(GermanTools, fillsTheTranslatedMessageAndLabels)
{
    EXPECT_EQ(InputFailureText(kIntegerRangeText, {"100", "20000"}, kEngineOk, ""),
              "Dieser Wert muss eine ganze Zahl\rvon 100 bis 20000 sein");
    EXPECT_EQ(ZerosLabelText({ResultCount::State::Counted, 3, true}), "Nullstellen der Funktion: 3 (abgebrochen)");
}

}  // namespace
}  // namespace vg
