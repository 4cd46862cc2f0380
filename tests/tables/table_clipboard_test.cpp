// Copy, Cut and Paste: the dialog's checks, the copied text's fields and
// separators, and paste of texts with every kind of line end.

#include <gtest/gtest.h>

#include <string>

#include "support/readable_test_names.h"
#include "tables/table_clipboard.h"
#include "table_test_support.h"

namespace vg {
namespace {

using table_test::GridOf;
using table_test::Rows;
using table_test::RowsOf;

TableCopyRequest Copy(bool x, bool y, bool all, const char* from, const char* to, bool decimalPoint = true)
{
    TableCopyRequest r;
    r.X = x;
    r.Y = y;
    r.All = all;
    r.From = from;
    r.To = to;
    r.DecimalPoint = decimalPoint;
    return r;
}

TEST(TableCopyChecks, columnFirstThenLimits)
{
    EXPECT_EQ(CheckTableCopy(Copy(false, false, true, "5", "3"))->Message, "At least one column must be selected");
    EXPECT_EQ(CheckTableCopy(Copy(true, false, true, "5", "3"))->Message, "Lower limit cannot exceed upper limit");
    EXPECT_EQ(CheckTableCopy(Copy(false, true, false, "1", "101"))->Field, TableInputField::RightEdit);
    EXPECT_FALSE(CheckTableCopy(Copy(false, true, false, "100", "100")));
}

TEST(TableCopyText, yColumnOfThreeRowsWithTheComma)
{
    const TTableGrid grid = GridOf({{"1", "2"}, {"3", "-0.00015"}, {"5", ""}});
    EXPECT_EQ(TableCopyText(grid, Copy(false, true, false, "1", "3", false)),
              " 2,00000000000000E+0000\r\n-1,50000000000000E-0004\r\n\r\n");
}

TEST(TableCopyText, bothColumnsEveryRowWithTabs)
{
    const TTableGrid grid = GridOf({{"0.123456789", "abc"}, {"", "2E3"}, {"2*10^3", "1"}});
    const std::string text = TableCopyText(grid, Copy(true, true, true, "1", "100"));
    EXPECT_EQ(text.substr(0, 84),
              " 1.23456800000000E-0001\t\r\n\t\r\n 2.00000000000000E+0003\t 1.00000000000000E+0000\r\n\t\r\n\t\r\n");
    EXPECT_EQ(text.size(), 26u + 3u + 49u + 97u * 3u);
}

TEST(TableCut, emptiesOnlyTheCopiedCells)
{
    TTableGrid grid = GridOf({{"1", "2"}, {"3", "4"}, {"5", "6"}});
    EmptyCopiedCells(grid, Copy(true, false, false, "2", "3"));
    EXPECT_EQ(RowsOf(grid, 3), (Rows{{"1", "2"}, {"", "4"}, {"", "6"}}));
}

struct PasteCase {
    const char* name;
    int row, column;
    std::string text;
    Rows expected;  // the first four rows
};

class TablePaste : public ::testing::TestWithParam<PasteCase> {};

TEST_P(TablePaste, fillsCellsFromTheCurrentOne)
{
    const PasteCase& c = GetParam();
    TTableGrid grid = GridOf({{"a", "b"}, {"c", "d"}, {"e", "f"}, {"g", "h"}});
    grid.SetCurrentCell(c.row, c.column);
    PasteTableText(grid, c.text);
    EXPECT_EQ(RowsOf(grid, 4), c.expected);
}

const Rows kPasted = {{"1", "2"}, {"3", "4"}, {"5", "6"}, {"g", "h"}};

INSTANTIATE_TEST_SUITE_P(
    LineEnds, TablePaste,
    ::testing::Values(
        PasteCase{"LF", 0, 0, "1\t2\n3\t4\n5\t6\n", kPasted},
        PasteCase{"CR LF", 0, 0, "1\t2\r\n3\t4\r\n5\t6\r\n", kPasted},
        PasteCase{"CR", 0, 0, "1\t2\r3\t4\r5\t6\r", kPasted},
        PasteCase{"no final break", 0, 0, "1\t2\n3\t4\r\n5\t6", kPasted},
        PasteCase{"third column dropped", 0, 0, "1\t2\t9\n3\t4\t9\t9\n5\t6\n", kPasted},
        PasteCase{"into Y", 1, 1, "7\t8\n9\n", {{"a", "b"}, {"c", "7"}, {"e", "9"}, {"g", "h"}}},
        PasteCase{"comma and E", 2, 0, " 1,5 \t2E3\r\n", {{"a", "b"}, {"c", "d"}, {"1.5", "2000"}, {"g", "h"}}},
        PasteCase{"bad fields empty", 0, 0, "x\t1e101\n\t-0.00015\n", {{"", ""}, {"", "-1.5*10^(-4)"}, {"e", "f"}, {"g", "h"}}},
        PasteCase{"trailing tab", 3, 0, "7\t", {{"a", "b"}, {"c", "d"}, {"e", "f"}, {"7", "h"}}},
        PasteCase{"empty text", 0, 0, "", {{"a", "b"}, {"c", "d"}, {"e", "f"}, {"g", "h"}}}),
    [](const auto& info) { return test::ReadableTestName(info.index, info.param.name); });

TEST(TablePasteLimits, stopsAfterTheLastRow)
{
    TTableGrid grid;
    grid.SetCurrentCell(98, 0);
    PasteTableText(grid, "1\t1\n2\t2\n3\t3\n");
    EXPECT_EQ(grid.Cell(98, 0), "1");
    EXPECT_EQ(grid.Cell(99, 1), "2");
}

TEST(TableCopyPaste, copiedColumnsPasteBackToTheSameDisplay)
{
    const TTableGrid source = GridOf({{"1.5", "-2"}, {"", "0.0001"}, {"1.2345679*10^20", "7"}});
    for (bool decimalPoint : {true, false}) {
        TTableGrid target;
        PasteTableText(target, TableCopyText(source, Copy(true, true, false, "1", "3", decimalPoint)));
        EXPECT_EQ(RowsOf(target, 3), (Rows{{"1.5", "-2"}, {"", "1*10^(-4)"}, {"1.2345679*10^20", "7"}}));
    }
}

}  // namespace
}  // namespace vg
