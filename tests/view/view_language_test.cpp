// Every text the view operations and the trace show has its German line.

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>

#include "app/translator.h"
#include "app/view_interval.h"
#include "document/trace_pointer.h"

namespace vg {
namespace {

TEST(ViewTexts, haveTheirGermanTranslation)
{
    std::ifstream file(std::string(VG_SOURCE_DIR) + "/data/lang/german.vgl");
    ASSERT_TRUE(file);
    TTranslator german;
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    german.LoadFromBytes(bytes);
    const char* texts[] = {
        kXBoundaryMessage, kXIntervalMessage, kYBoundaryMessage, kYIntervalMessage, kLogScaleMessage,
        kTraceImpossibleText, kNoValuesText, kTableEmptyText, kTraceErrorText, "Trace", "Values",
    };
    for (const char* text : texts) EXPECT_NE(german.Translate(text), text) << text;
}

}  // namespace
}  // namespace vg
