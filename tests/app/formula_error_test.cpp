#include "app/formula_error.h"

#include <gtest/gtest.h>

#include "app/translator.h"

namespace vg {
namespace {

TEST(FormulaError, namesCodeAndMessage_translatedPartByPart)
{
    EXPECT_EQ(FormatFormulaError(2), "Error 2: discordance of lexems");
    EXPECT_EQ(FormatFormulaError(3), "Error 3: not enough ')' ");
    TTranslator german;
    german.LoadFromBytes("\"Error\" = \"Fehler\"\n\"syntax error\" = \"Syntaxfehler\"\n");
    SetTranslator(&german);
    EXPECT_EQ(FormatFormulaError(1), "Fehler 1: Syntaxfehler");
    EXPECT_EQ(FormatFormulaError(4), "Fehler 4: not enough '(' ");
    SetTranslator(nullptr);
}

}  // namespace
}  // namespace vg
