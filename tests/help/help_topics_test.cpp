// The topics map: which page a help context opens.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "app/help_topics.h"

namespace vg {
namespace {

TEST(HelpTopics, linesGiveNumberAndPageAndTheRestIsForTheReader)
{
    const std::map<int, std::string> topics = ParseHelpTopics(
        "# comment line\n"
        "\n"
        "24  regression.html   Calculus | Regression...\r\n"
        "211\tregression.html\n"
        "37 sets.html#intervals\n"
        "x12 bad.html\n"
        "12x bad.html\n"
        "13\n"
        "24 regression2.html\n");
    const std::map<int, std::string> expected = {
        {24, "regression2.html"}, {211, "regression.html"}, {37, "sets.html#intervals"}};
    EXPECT_EQ(topics, expected);
}

TEST(HelpTopics, aContextOpensItsMappedPageElseItsOwnPageElseTheContents)
{
    const std::map<int, std::string> topics = {{24, "regression.html"}, {37, "sets.html#intervals"}};
    const std::set<std::string> files = {"context_205.html", "regression.html"};
    auto exists = [&](const std::string& page) { return files.count(page) > 0; };
    EXPECT_EQ(HelpPageForContext(topics, 24, exists), "regression.html");
    EXPECT_EQ(HelpPageForContext(topics, 37, exists), "sets.html#intervals");
    EXPECT_EQ(HelpPageForContext(topics, 205, exists), "context_205.html");
    EXPECT_EQ(HelpPageForContext(topics, 206, exists), "index.html");
    EXPECT_EQ(HelpPageForContext(topics, 0, exists), "index.html");
    EXPECT_EQ(HelpPageForContext(topics, -3, exists), "index.html");
    EXPECT_EQ(HelpPageFile("sets.html#intervals"), "sets.html");
    EXPECT_EQ(HelpPageFile("sets.html"), "sets.html");
}

}  // namespace
}  // namespace vg
