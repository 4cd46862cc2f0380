// The grid's row commands: Delete, Insert, Swap, Purge and the four sorts.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tables/table_grid.h"
#include "table_test_support.h"

namespace vg {
namespace {

using table_test::GridOf;
using table_test::Rows;
using table_test::RowsOf;

TEST(TableGridDelete, rowsBelowMoveUpAndTheLastRowEmpties)
{
    TTableGrid grid = GridOf({{"1", "2"}, {"3", "4"}, {"5", "6"}});
    grid.Cell(99, 0) = "last";
    grid.SetCurrentCell(1, 1);
    grid.DeleteRow();
    EXPECT_EQ(RowsOf(grid, 3), (Rows{{"1", "2"}, {"5", "6"}, {"", ""}}));
    EXPECT_EQ(grid.Cell(98, 0), "last");
    EXPECT_EQ(grid.Cell(99, 0), "");
}

TEST(TableGridDelete, lastRowAndNoCurrentCell)
{
    TTableGrid grid = GridOf({{"1", "2"}});
    grid.Cell(99, 1) = "9";
    grid.SetCurrentCell(99, 0);
    grid.DeleteRow();
    EXPECT_EQ(grid.Cell(99, 1), "");
    grid.ClearCurrentCell();
    grid.DeleteRow();
    EXPECT_EQ(grid.Cell(0, 0), "1");
}

TEST(TableGridInsert, rowsMoveDownAndTheLastRowIsLost)
{
    TTableGrid grid = GridOf({{"1", "2"}, {"3", "4"}});
    grid.Cell(98, 0) = "98";
    grid.Cell(99, 0) = "lost";
    grid.SetCurrentCell(1, 0);
    grid.InsertRow();
    EXPECT_EQ(RowsOf(grid, 3), (Rows{{"1", "2"}, {"", ""}, {"3", "4"}}));
    EXPECT_EQ(grid.Cell(99, 0), "98");
}

TEST(TableGridSwap, exchangesTheColumnsOfEveryRow)
{
    TTableGrid grid = GridOf({{"1", ""}, {"a", "4"}});
    grid.Cell(99, 1) = "z";
    grid.Swap();
    EXPECT_EQ(RowsOf(grid, 2), (Rows{{"", "1"}, {"4", "a"}}));
    EXPECT_EQ(grid.Cell(99, 0), "z");
}

TEST(TableGridPurge, keepsNumberPairsInOrderAndEmptiesTheRest)
{
    // "2E3" is no number for the grid's commands; "2*10^3" is.
    TTableGrid grid = GridOf({{"1", "2"}, {"", "3"}, {"x", "4"}, {"2E3", "5"}, {"2*10^3", "-6"}, {"7", ""}, {"8", "9"}});
    grid.Purge();
    EXPECT_EQ(RowsOf(grid, 4), (Rows{{"1", "2"}, {"2*10^3", "-6"}, {"8", "9"}, {"", ""}}));
}

struct SortCase {
    const char* name;
    TableSortOrder order;
    Rows expected;
};

class TableGridSort : public ::testing::TestWithParam<SortCase> {};

TEST_P(TableGridSort, purgesThenSortsStably)
{
    // Equal keys (the two 2s, the two 7s) keep their order.
    TTableGrid grid = GridOf({{"3", "7"}, {"", "1"}, {"2", "9"}, {"1*10^1", "7"}, {"2", "-1"}, {"-0.5", "x"}});
    grid.Sort(GetParam().order);
    EXPECT_EQ(RowsOf(grid, 5), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Orders, TableGridSort,
    ::testing::Values(
        SortCase{"XAscending", TableSortOrder::XAscending, {{"2", "9"}, {"2", "-1"}, {"3", "7"}, {"1*10^1", "7"}, {"", ""}}},
        SortCase{"XDescending", TableSortOrder::XDescending, {{"1*10^1", "7"}, {"3", "7"}, {"2", "9"}, {"2", "-1"}, {"", ""}}},
        SortCase{"YAscending", TableSortOrder::YAscending, {{"2", "-1"}, {"3", "7"}, {"1*10^1", "7"}, {"2", "9"}, {"", ""}}},
        SortCase{"YDescending", TableSortOrder::YDescending, {{"2", "9"}, {"3", "7"}, {"1*10^1", "7"}, {"2", "-1"}, {"", ""}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TableGridSort, aFullTableOfEqualKeysKeepsItsOrder)
{
    TTableGrid grid;
    for (int row = 0; row < kGridRows; ++row) grid.Cell(row, 0) = "1", grid.Cell(row, 1) = std::to_string(row);
    grid.Sort(TableSortOrder::XDescending);
    for (int row = 0; row < kGridRows; ++row) EXPECT_EQ(grid.Cell(row, 1), std::to_string(row));
}

}  // namespace
}  // namespace vg
