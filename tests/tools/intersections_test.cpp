// Intersections: the parameter dialog's checks, the search and its edge
// cases, Esc, and the saved and copied texts byte for byte.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/program_options.h"
#include "tools/intersections.h"
#include "tools/tool_scan_support.h"
#include "tools/tool_text.h"

namespace vg {
namespace {

using CheckRow = test::InputCheckRow<IntersectionInput, IntersectionField>;

TEST(IntersectionInputCheck, refusesTheFirstBadFieldInTheDialogsOrder)
{
    const std::string number = "This value must be a number\rfrom -1*10^100 up to 1*10^100";
    const CheckRow rows[] = {
        {"defaults", [](IntersectionInput&) {}, "", IntersectionField::Formula1},
        {"Y1 syntax", [](IntersectionInput& i) { i.Formula1 = "X+"; i.Formula2 = "("; }, "Error 2: discordance of lexems",
         IntersectionField::Formula1},
        {"Y1 blank", [](IntersectionInput& i) { i.Formula1 = " "; i.Formula2 = "("; }, "Empty formula",
         IntersectionField::Formula1},
        {"Y2 syntax", [](IntersectionInput& i) { i.Formula2 = "(X"; i.MinXText = ""; }, "Error 3: not enough ')' ",
         IntersectionField::Formula2},
        {"Y2 blank", [](IntersectionInput& i) { i.Formula2 = ""; }, "Empty formula", IntersectionField::Formula2},
        {"min", [](IntersectionInput& i) { i.MinXText = "1*10^101"; i.StepsNumText = "1"; }, number,
         IntersectionField::MinX},
        {"max", [](IntersectionInput& i) { i.MaxXText = "ten"; }, number, IntersectionField::MaxX},
        {"max below min", [](IntersectionInput& i) { i.MaxXText = "-11"; },
         "Maximum of X must be more\rthan minimum of X", IntersectionField::MaxX},
        {"steps 99", [](IntersectionInput& i) { i.StepsNumText = "99"; },
         "This value must be an integer\rfrom 100 up to 20000", IntersectionField::StepsNum},
        {"steps 20001", [](IntersectionInput& i) { i.StepsNumText = "20001"; },
         "This value must be an integer\rfrom 100 up to 20000", IntersectionField::StepsNum},
        {"digits 6", [](IntersectionInput& i) { i.DigitsNumText = "6"; },
         "This value must be an integer\rfrom 0 up to 5", IntersectionField::DigitsNum},
        {"digits -1", [](IntersectionInput& i) { i.DigitsNumText = "-1"; },
         "This value must be an integer\rfrom 0 up to 5", IntersectionField::DigitsNum},
    };
    const IntersectionInput valid = IntersectionInputFrom(ScanInterval{}, "X^2", "2");
    test::ExpectInputChecks(rows, valid, [](const IntersectionInput& input) {
        ScanInterval accepted{1, 2, 333, 4};
        const auto failure = CheckIntersectionInput(input, accepted);
        EXPECT_EQ(accepted.StepsNum, failure ? 333 : 200) << "nothing changes on a refusal";
        return failure;
    });
}

TEST(IntersectionInputCheck, sharesTheResearchSettingsWithTheAnalysis)
{
    TProgramOptions options;
    StoreResearchInterval({-3, 4, 1000, 3}, options);
    EXPECT_EQ(options.ResearchMinX, -3);
    EXPECT_EQ(options.DigitsNum, 3);
    const ScanInterval back = ResearchIntervalFromOptions(options);
    EXPECT_EQ(back.MaxX, 4);
    EXPECT_EQ(back.StepsNum, 1000);
}

std::vector<std::string> PointTexts(const TIntersections& search)
{
    std::vector<std::string> texts;
    for (const IntersectionPoint& p : search.Results().Points()) texts.push_back(p.XText + " " + p.YText);
    return texts;
}

struct SearchRow {
    const char* y1;
    const char* y2;
    ScanInterval interval;
    std::vector<std::string> points;
};

TEST(IntersectionSearch, findsEachSignChangeOnceAndNoJumps)
{
    const SearchRow rows[] = {
        {"X^2", "2", {-10, 10, 1000, 3}, {"-1.414 2", "1.414 2"}},
        // The jumps of the tangent at its poles are no intersections.
        {"TAN(X)", "0", {-10, 10, 200, 2}, {"-9.42 0", "-6.28 0", "-3.14 0", "0 0", "3.14 0", "6.28 0", "9.42 0"}},
        {"X", "X", {-10, 10, 200, 2}, {}},
        // Two sign changes within one step of 0.1 cancel; one is found.
        {"(X-0.01)*(X-0.02)", "0", {-10, 10, 200, 2}, {}},
        {"(X-0.01)*(X-0.52)", "0", {-10, 10, 200, 2}, {"0.01 0", "0.52 0"}},
        // A root on a grid point (steps of 1/64 add up exactly) is listed once.
        {"X", "0", {-1, 1, 128, 5}, {"0 0"}},
        {"1/X", "0", {-1, 1, 200, 2}, {}},
        {"SQRT(X)", "0.5", {-1, 1, 200, 2}, {"0.25 0.5"}},
    };
    for (const SearchRow& row : rows) {
        TIntersections search(row.y1, row.y2, row.interval);
        search.Run();
        EXPECT_EQ(PointTexts(search), row.points) << row.y1 << " = " << row.y2;
    }
}

TEST(IntersectionSearch, escKeepsThePointsSoFar)
{
    test::RecordingProgress progress;
    progress.escapeAtCheck = 6;  // at 60 %, x = 2
    TIntersections search("SIN(X)", "0.5", {-10, 10, 200, 2});
    search.Run(progress);
    // -3.66519 lies within the tolerance of a thousandth of the rounding
    // midpoint: either neighbour is listed to the requested decimals.
    EXPECT_EQ(PointTexts(search), (std::vector<std::string>{"-9.95 0.5", "-5.76 0.5", "-3.66 0.5", "0.52 0.5"}));
    EXPECT_EQ(IntersectionLabelText(search.Results().Count), "Intersection points: 4 (interrupted)");
    EXPECT_EQ(progress.resultsAdded, 4);
}

TEST(IntersectionSearch, listsAtMost2000Points)
{
    TIntersections search("SIN(1000*X)", "0", {0.0001L, 20, 20000, 5});
    search.Run();
    EXPECT_EQ(search.Results().Points().size(), 2000u);
}

TEST(IntersectionText, savedAndCopiedDifferOnlyInTheFormulaLines)
{
    TIntersections search("X^2", "2", {-10, 10, 1000, 3});
    search.Run();
    const std::string tail =
        "Minimum of X = -10\r\n"
        "Maximum of X = 10\r\n"
        "Accuracy (decimal signs) = 3\r\n"
        "Number of steps = 1000\r\n"
        "\r\n"
        "Intersection points: 2\r\n"
        "X                  Y                  \r\n"
        "-1.414             2                  \r\n"
        "1.414              2                  \r\n";
    EXPECT_EQ(search.ResultsText(false, kCrLf), "Intersections\r\nY1(x)=X^2\r\nY2(x)=2\r\n" + tail);
    EXPECT_EQ(search.ResultsText(true, kCrLf), "Intersections\r\n Y1(x)=X^2\r\n Y2(x)=2\r\n" + tail);
}

TEST(IntersectionText, withoutPointsEndsWithTheCountLine)
{
    TIntersections search("X", "X", {-1, 1, 100, 0});
    search.Run();
    EXPECT_EQ(search.ResultsText(false, kLf),
              "Intersections\nY1(x)=X\nY2(x)=X\nMinimum of X = -1\nMaximum of X = 1\n"
              "Accuracy (decimal signs) = 0\nNumber of steps = 100\n\nIntersection points: none\n");
}

}  // namespace
}  // namespace vg
