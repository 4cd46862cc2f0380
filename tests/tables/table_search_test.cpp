// Find and Replace: value checks, the scan order and its ends, matching by
// the displayed value, and Replace's prompt answers and Replace All.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tables/table_search.h"
#include "table_test_support.h"

namespace vg {
namespace {

using table_test::GridOf;
using table_test::Rows;
using table_test::RowsOf;

TEST(TableSearchChecks, valueMustBeATypedNumberUpTo1e100)
{
    EXPECT_FALSE(CheckSearchValue("1*10^100", TableInputField::ValueEdit));
    EXPECT_FALSE(CheckSearchValue(" -0.5 ", TableInputField::ValueEdit));
    for (const char* bad : {"", "abc", "2E3", "nan", "inf"}) {
        const TableInputCheck failure = CheckSearchValue(bad, TableInputField::ReplaceEdit);
        ASSERT_TRUE(failure) << bad;
        EXPECT_EQ(failure->Message, "The value must be a number");
        EXPECT_EQ(failure->Field, TableInputField::ReplaceEdit);
    }
    const TableInputCheck large = CheckSearchValue("-1.1*10^100", TableInputField::ValueEdit);
    ASSERT_TRUE(large);
    EXPECT_EQ(large->Message, "Too large absolute value");
}

TEST(TableSearchChecks, replaceChecksTheValueThenANonBlankReplacement)
{
    TableReplaceRequest r;
    r.Value = "x";
    r.With = "y";
    EXPECT_EQ(CheckReplaceRequest(r)->Field, TableInputField::ValueEdit);
    r.Value = "1";
    EXPECT_EQ(CheckReplaceRequest(r)->Field, TableInputField::ReplaceEdit);
    r.With = "   ";
    EXPECT_FALSE(CheckReplaceRequest(r));
    EXPECT_EQ(ReplacementText("  "), "");
    EXPECT_EQ(ReplacementText(" 2.50 "), "2.5");
    EXPECT_EQ(ReplacementText("0.00015"), "1.5*10^(-4)");
}

TEST(TableFind, matchesTheDisplayedValueInReadingOrder)
{
    TTableGrid grid = GridOf({{"0.2", "0.10000001"}, {"abc", "7"}, {"0.1", "0.1000001"}});
    grid.SetCurrentCell(0, 0);
    ASSERT_TRUE(FindValue(grid, "0.1", true));
    EXPECT_EQ(std::make_pair(grid.CurrentRow(), grid.CurrentColumn()), std::make_pair(0, 1));
    ASSERT_TRUE(FindValue(grid, "0.1", true));
    EXPECT_EQ(std::make_pair(grid.CurrentRow(), grid.CurrentColumn()), std::make_pair(2, 0));
    EXPECT_FALSE(FindValue(grid, "0.1", true)) << "0.1000001 shows as itself; no wrap-around";
    EXPECT_EQ(grid.CurrentRow(), 2);
    ASSERT_TRUE(FindValue(grid, "1*10^(-1)", false));
    EXPECT_EQ(std::make_pair(grid.CurrentRow(), grid.CurrentColumn()), std::make_pair(0, 1));
}

TEST(TableFind, endsAtOnceFromTheLastCellForwardAndTheFirstBackward)
{
    TTableGrid grid = GridOf({{"5", "5"}});
    grid.Cell(99, 0) = "5";
    grid.SetCurrentCell(99, 1);
    EXPECT_FALSE(FindValue(grid, "5", true));
    grid.SetCurrentCell(0, 0);
    EXPECT_FALSE(FindValue(grid, "5", false));
}

TEST(TableFind, withoutCurrentCellStartsAtTheEnds)
{
    TTableGrid grid = GridOf({{"5", "1"}});
    grid.Cell(99, 1) = "5";
    grid.ClearCurrentCell();
    ASSERT_TRUE(FindValue(grid, "5", true));
    EXPECT_EQ(std::make_pair(grid.CurrentRow(), grid.CurrentColumn()), std::make_pair(0, 0));
    grid.ClearCurrentCell();
    ASSERT_TRUE(FindValue(grid, "5", false));
    EXPECT_EQ(std::make_pair(grid.CurrentRow(), grid.CurrentColumn()), std::make_pair(99, 1));
}

TableReplaceRequest Replace(const char* value, const char* with, bool prompt, bool all, bool forward = true)
{
    TableReplaceRequest r;
    r.Value = value;
    r.With = with;
    r.Prompt = prompt;
    r.All = all;
    r.Forward = forward;
    return r;
}

// Answers in turn, remembering where each question was asked.
struct ScriptedAnswers {
    explicit ScriptedAnswers(std::vector<ReplaceAnswer> given) : answers(std::move(given)) {}
    std::vector<ReplaceAnswer> answers;
    std::vector<std::pair<int, int>> askedAt;
    ReplaceQuestion Question()
    {
        return [this](const TTableGrid& grid) {
            askedAt.push_back({grid.CurrentRow(), grid.CurrentColumn()});
            return answers.at(askedAt.size() - 1);
        };
    }
};

const Rows kThrees = {{"3", "1"}, {"3", "3"}, {"2", "3"}};

TEST(TableReplace, withoutPromptReplacesTheFirstMatchOnly)
{
    TTableGrid grid = GridOf(kThrees);
    grid.ClearCurrentCell();
    const ReplaceOutcome outcome = ReplaceValues(grid, Replace("3", "9", false, false), {});
    EXPECT_EQ(outcome.Matches, 1);
    EXPECT_EQ(RowsOf(grid, 3), (Rows{{"9", "1"}, {"3", "3"}, {"2", "3"}}));
}

TEST(TableReplace, replaceAllWithoutPromptBackwardFromTheCurrentCell)
{
    TTableGrid grid = GridOf(kThrees);
    grid.SetCurrentCell(1, 1);
    const ReplaceOutcome outcome = ReplaceValues(grid, Replace("3", "", false, true, false), {});
    EXPECT_EQ(outcome.Replaced, 2);
    EXPECT_EQ(RowsOf(grid, 3), (Rows{{"", "1"}, {"", "3"}, {"2", "3"}}));
    EXPECT_EQ(std::make_pair(grid.CurrentRow(), grid.CurrentColumn()), std::make_pair(0, 0));
}

TEST(TableReplace, promptAnswersYesNoCancel)
{
    TTableGrid grid = GridOf(kThrees);
    grid.ClearCurrentCell();
    ScriptedAnswers script{{ReplaceAnswer::No, ReplaceAnswer::Yes, ReplaceAnswer::Cancel}};
    const ReplaceOutcome outcome = ReplaceValues(grid, Replace("3", "4", true, true), script.Question());
    EXPECT_EQ(script.askedAt, (std::vector<std::pair<int, int>>{{0, 0}, {1, 0}, {1, 1}}));
    EXPECT_EQ(outcome.Replaced, 1);
    EXPECT_EQ(RowsOf(grid, 3), (Rows{{"3", "1"}, {"4", "3"}, {"2", "3"}}));
}

TEST(TableReplace, promptWithoutReplaceAllEndsAfterTheFirstMatchEvenForNo)
{
    TTableGrid grid = GridOf(kThrees);
    grid.ClearCurrentCell();
    ScriptedAnswers script{{ReplaceAnswer::No}};
    const ReplaceOutcome outcome = ReplaceValues(grid, Replace("3", "4", true, false), script.Question());
    EXPECT_EQ(outcome.Matches, 1);
    EXPECT_EQ(outcome.Replaced, 0);
    EXPECT_EQ(RowsOf(grid, 3), kThrees);
}

TEST(TableReplace, answerAllReplacesEveryFurtherMatchWithoutAsking)
{
    TTableGrid grid = GridOf(kThrees);
    grid.ClearCurrentCell();
    ScriptedAnswers script{{ReplaceAnswer::No, ReplaceAnswer::All}};
    const ReplaceOutcome outcome = ReplaceValues(grid, Replace("3", "0.00015", true, true), script.Question());
    EXPECT_EQ(script.askedAt.size(), 2u);
    EXPECT_EQ(outcome.Replaced, 3);
    EXPECT_EQ(RowsOf(grid, 3), (Rows{{"3", "1"}, {"1.5*10^(-4)", "1.5*10^(-4)"}, {"2", "1.5*10^(-4)"}}));
    // All also puts Replace All in force when the option is off.
    TTableGrid again = GridOf(kThrees);
    again.ClearCurrentCell();
    ScriptedAnswers once{{ReplaceAnswer::All}};
    EXPECT_EQ(ReplaceValues(again, Replace("3", "", true, false), once.Question()).Replaced, 4);
    EXPECT_EQ(once.askedAt.size(), 1u);
}

TEST(TableReplace, replacingAValueByItselfEnds)
{
    TTableGrid grid = GridOf(kThrees);
    grid.ClearCurrentCell();
    EXPECT_EQ(ReplaceValues(grid, Replace("3", "3.0", false, true), {}).Replaced, 4);
    EXPECT_EQ(ReplaceValues(grid, Replace("8", "1", false, true), {}).Matches, 0);
}

}  // namespace
}  // namespace vg
