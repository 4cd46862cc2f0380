// Reading the help pages: the plain text the search index sees, the title,
// and the links and anchors the link check follows.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/help_html.h"

namespace vg {
namespace {

struct TextCase {
    const char* name;
    const char* html;
    const char* text;
};

class HtmlToTextCase : public ::testing::TestWithParam<TextCase> {};

TEST_P(HtmlToTextCase, givesTheTextAReaderSees)
{
    EXPECT_EQ(HtmlToText(GetParam().html), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    HelpHtml, HtmlToTextCase,
    ::testing::Values(
        TextCase{"tagsBecomeBlanks", "<p>one<br>two</p><p>three</p>", "one two three"},
        TextCase{"headStyleAndScriptAreLeftOut",
                 "<html><head><title>T</title><style>p{x:1}</style></head>"
                 "<body>a<script>var b;</script>c</body></html>",
                 "a c"},
        TextCase{"entitiesAreDecoded", "x &lt; 1 &amp;&amp; y &gt;= 2 &quot;q&quot;", "x < 1 && y >= 2 \"q\""},
        TextCase{"numericEntitiesBecomeUtf8", "&#960; &#x3C0; &pi; &le;", "\xCF\x80 \xCF\x80 \xCF\x80 \xE2\x89\xA4"},
        TextCase{"unknownEntitiesStay", "a &bogus; b & c", "a &bogus; b & c"},
        TextCase{"whiteSpaceCollapses", "  a \n\t b&nbsp;&nbsp;c  ", "a b c"},
        TextCase{"commentsAndQuotedGreaterSigns", "a<!-- <b> -->b<a href=\"x>y\">c</a>", "a b c"},
        TextCase{"anUnclosedTagEndsTheText", "a <b", "a"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HelpHtml, titleIsTheDecodedTextOfTheTitleElement)
{
    EXPECT_EQ(HtmlPageTitle("<html><head><TITLE>Sets &amp;\n  Options</TITLE></head></html>"), "Sets & Options");
    EXPECT_EQ(HtmlPageTitle("<p>no title</p>"), "");
}

TEST(HelpHtml, linkTargetsAreHrefsOfLinksAndSourcesOfImagesInOrder)
{
    const char* html =
        "<link rel='stylesheet' href='style.css'>"
        "<a href=\"a.html#x\">A</a> <A HREF=b.html>B</A> <a name=\"here\">no target</a>"
        "<img alt='p' src=\"pictures/p.png\"> <img alt='no source'> <a href=\"c&amp;d.html\">C</a>";
    const std::vector<std::string> expected = {"style.css", "a.html#x", "b.html", "pictures/p.png", "c&d.html"};
    EXPECT_EQ(HtmlLinkTargets(html), expected);
}

TEST(HelpHtml, anchorsAreNamesOfLinksAndIdsOfAnyElement)
{
    const char* html = "<h2 id=\"top\">T</h2><a name='sin'></a><a href='#sin'>x</a><p id=cos>c</p>";
    const std::vector<std::string> expected = {"top", "sin", "cos"};
    EXPECT_EQ(HtmlAnchorNames(html), expected);
}

}  // namespace
}  // namespace vg
