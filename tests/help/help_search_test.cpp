// The help window's search: which pages a query finds and in which order.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/help_search.h"

namespace vg {
namespace {

std::string Page(const std::string& title, const std::string& body)
{
    return "<html><head><title>" + title + "</title></head><body><h2>" + title + "</h2><p>" + body +
           "</p></body></html>";
}

class HelpSearch : public ::testing::Test {
protected:
    void SetUp() override
    {
        index_.AddPage("regression.html", Page("Regression", "Fits a curve to the points of a table."));
        index_.AddPage("tables.html", Page("Table files", "A table holds up to 100 points; the regression uses them."));
        index_.AddPage("functions.html", Page("Functions", "SIN(X) is the sine, SINH(X) the hyperbolic sine."));
        index_.AddPage("keys.html", Page("Keys", "Esc interrupts the calculation of the graphs."));
    }

    std::vector<std::string> Found(const std::string& query) const
    {
        std::vector<std::string> pages;
        for (const HelpSearchHit& hit : index_.Search(query)) pages.push_back(hit.page);
        return pages;
    }

    THelpIndex index_;
};

TEST_F(HelpSearch, wordsAreLowerCaseRunsOfLettersAndDigits)
{
    const std::vector<std::string> expected = {"sin", "x", "2", "x", "y2", "caf"};
    EXPECT_EQ(HelpWords("SIN(X)^2+x*Y2; caf\xC3\xA9"), expected);
}

TEST_F(HelpSearch, titleWordsRankAboveWordsOfTheText)
{
    EXPECT_EQ(Found("regression"), (std::vector<std::string>{"regression.html", "tables.html"}));
    EXPECT_EQ(Found("TABLE"), (std::vector<std::string>{"tables.html", "regression.html"}));
}

TEST_F(HelpSearch, everyWordOfTheQueryMustBeOnThePage)
{
    std::vector<std::string> all = Found("points table regression");
    std::sort(all.begin(), all.end());
    EXPECT_EQ(all, (std::vector<std::string>{"regression.html", "tables.html"}));
    EXPECT_EQ(Found("points esc"), std::vector<std::string>{});
}

TEST_F(HelpSearch, beginningsOfThreeLettersOrMoreFindLongerWords)
{
    EXPECT_EQ(Found("regress"), (std::vector<std::string>{"regression.html", "tables.html"}));
    EXPECT_EQ(Found("interrupt"), std::vector<std::string>{"keys.html"});
    // Two letters only match whole words: "si" is no word of any page.
    EXPECT_EQ(Found("si"), std::vector<std::string>{});
}

TEST_F(HelpSearch, wholeWordsRankAboveBeginnings)
{
    index_.AddPage("sinh.html", Page("Hyperbolic", "SINH SINH SINH"));
    // "sin" stands whole on the functions page, only as a beginning (three
    // times) on the other: a whole word counts twice.
    const std::vector<HelpSearchHit> hits = index_.Search("sin");
    ASSERT_EQ(hits.size(), 2u);
    EXPECT_EQ(hits[0].page, "functions.html");
}

TEST_F(HelpSearch, emptyOrBlankQueriesFindNothing)
{
    EXPECT_TRUE(index_.Search("").empty());
    EXPECT_TRUE(index_.Search(" ;-) ").empty());
}

TEST_F(HelpSearch, hitsCarryTitleAndAnExcerptAroundTheFirstMatch)
{
    std::string body;
    for (int i = 0; i < 40; ++i) body += "filler" + std::to_string(i) + " ";
    body += "the hourglass shows while graphs are computed";
    for (int i = 0; i < 40; ++i) body += " tail" + std::to_string(i);
    index_.AddPage("long.html", Page("Long page", body));
    const std::vector<HelpSearchHit> hits = index_.Search("hourglass");
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0].title, "Long page");
    EXPECT_NE(hits[0].excerpt.find("the hourglass shows"), std::string::npos) << hits[0].excerpt;
    EXPECT_EQ(hits[0].excerpt.rfind("...", 0), 0u) << hits[0].excerpt;
    EXPECT_LE(hits[0].excerpt.size(), 130u);
}

}  // namespace
}  // namespace vg
