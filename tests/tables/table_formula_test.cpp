// Fill and Modify: the dialog's checks in order, labels and variables, and
// the column computed over a range.

#include <gtest/gtest.h>

#include <string>

#include "app/formula_error.h"
#include "tables/table_formula.h"
#include "table_test_support.h"

namespace vg {
namespace {

using table_test::GridOf;
using table_test::Rows;
using table_test::RowsOf;

TableFormulaRequest Request(TableFormulaMode mode, int column, const char* formula, bool all = true,
                            const char* from = "1", const char* to = "100")
{
    TableFormulaRequest r;
    r.Mode = mode;
    r.Column = column;
    r.Formula = formula;
    r.All = all;
    r.From = from;
    r.To = to;
    return r;
}

constexpr auto kFill = TableFormulaMode::Fill;
constexpr auto kModify = TableFormulaMode::Modify;

TEST(TableFormulaLabels, namesTheColumnAndItsVariables)
{
    EXPECT_EQ(TableFormulaLabel(kModify, 0), "X=f(x,y)=");
    EXPECT_EQ(TableFormulaLabel(kModify, 1), "Y=f(x,y)=");
    EXPECT_EQ(TableFormulaLabel(kFill, 0), "X=f(y,n)=");
    EXPECT_EQ(TableFormulaLabel(kFill, 1), "Y=f(x,n)=");
}

struct CheckCase {
    TableFormulaRequest request;
    const char* message;  // nullptr: accepted
    TableInputField field;
};

TEST(TableFormulaChecks, limitsThenOrderThenFormula)
{
    const CheckCase cases[] = {
        {Request(kFill, 0, "n", true, "0", "5"), "This value must be a natural\rnumber up to %s", TableInputField::LeftEdit},
        {Request(kFill, 0, "n", true, "1", "101"), "This value must be a natural\rnumber up to %s", TableInputField::RightEdit},
        {Request(kFill, 0, "n", false, " 2.5", "3"), "This value must be a natural\rnumber up to %s", TableInputField::LeftEdit},
        {Request(kFill, 0, "n", true, "5", "3"), "Lower limit cannot exceed upper limit", TableInputField::RightEdit},
        {Request(kFill, 0, "x+n", true, "5", "3"), "Lower limit cannot exceed upper limit", TableInputField::RightEdit},
        {Request(kFill, 0, "y*n", false, " 3 ", "3"), nullptr, TableInputField::LeftEdit},
        {Request(kFill, 1, "x*n", true), nullptr, TableInputField::LeftEdit},
        {Request(kModify, 1, "x*y", true), nullptr, TableInputField::LeftEdit},
        {Request(kModify, 1, "", true), nullptr, TableInputField::LeftEdit},
    };
    for (const CheckCase& c : cases) {
        const TableInputCheck failure = CheckTableFormula(c.request);
        if (!c.message) {
            EXPECT_FALSE(failure) << c.request.Formula << " " << c.request.From;
            continue;
        }
        ASSERT_TRUE(failure) << c.request.From << ".." << c.request.To;
        EXPECT_EQ(failure->Message, c.message);
        EXPECT_EQ(failure->Field, c.field);
    }
    EXPECT_EQ(TableInputFailureText(*CheckTableFormula(Request(kFill, 0, "n", true, "101", "1"))),
              "This value must be a natural\rnumber up to 100");
}

TEST(TableFormulaChecks, formulaRefusedWithTheEngineMessage)
{
    // Fill X offers y and n, not x.
    const TableInputCheck failure = CheckTableFormula(Request(kFill, 0, "x+n"));
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->Field, TableInputField::FormulaEdit);
    EXPECT_EQ(TableInputFailureText(*failure), FormatFormulaError(failure->FormulaError));
    EXPECT_TRUE(CheckTableFormula(Request(kModify, 0, "sin(x")));
    EXPECT_TRUE(CheckTableFormula(Request(kModify, 0, "n")));
}

TEST(TableFormulaApply, fillXWithHalfTheRowNumber)
{
    TTableGrid grid;
    ApplyTableFormula(grid, Request(kFill, 0, "n*0.5"));
    EXPECT_EQ(grid.Cell(0, 0), "0.5");
    EXPECT_EQ(grid.Cell(1, 0), "1");
    EXPECT_EQ(grid.Cell(2, 0), "1.5");
    EXPECT_EQ(grid.Cell(99, 0), "50");
    EXPECT_EQ(grid.Cell(99, 1), "");
}

TEST(TableFormulaApply, modifyLeavesRowsWithoutTheNeededCellEmpty)
{
    TTableGrid grid = GridOf({{"1", "2"}, {"3", ""}, {"5", "abc"}, {"", "4"}});
    ApplyTableFormula(grid, Request(kModify, 1, "y*2"));
    EXPECT_EQ(RowsOf(grid, 4), (Rows{{"1", "4"}, {"3", ""}, {"5", ""}, {"", "8"}}));
    // x is not used, so an empty X does not matter.
}

TEST(TableFormulaApply, onlyTheRangeChanges)
{
    TTableGrid grid = GridOf({{"1", "1"}, {"2", "2"}, {"3", "3"}, {"4", "4"}});
    ApplyTableFormula(grid, Request(kModify, 0, "x+y", false, "2", "3"));
    EXPECT_EQ(RowsOf(grid, 4), (Rows{{"1", "1"}, {"4", "2"}, {"6", "3"}, {"4", "4"}}));
    // "All" wins over the limits, which are still checked.
    ApplyTableFormula(grid, Request(kFill, 1, "x*n", true, "2", "3"));
    EXPECT_EQ(RowsOf(grid, 4), (Rows{{"1", "1"}, {"4", "8"}, {"6", "18"}, {"4", "16"}}));
}

TEST(TableFormulaApply, undefinedAndHugeResultsEmptyTheCell)
{
    TTableGrid grid = GridOf({{"0", "1"}, {"4", "1"}, {"-1", "1"}, {"1*10^60", "1"}});
    ApplyTableFormula(grid, Request(kModify, 1, "1/x"));
    EXPECT_EQ(RowsOf(grid, 2), (Rows{{"0", ""}, {"4", "0.25"}}));
    ApplyTableFormula(grid, Request(kModify, 1, "sqrt(x)+x^2"));
    EXPECT_EQ(RowsOf(grid, 4), (Rows{{"0", "0"}, {"4", "18"}, {"-1", ""}, {"1*10^60", ""}}));
}

TEST(TableFormulaApply, emptyFormulaEmptiesTheColumnOverTheRange)
{
    TTableGrid grid = GridOf({{"1", "1"}, {"2", "2"}, {"3", "3"}});
    ApplyTableFormula(grid, Request(kFill, 1, "", false, "1", "2"));
    EXPECT_EQ(RowsOf(grid, 3), (Rows{{"1", ""}, {"2", ""}, {"3", "3"}}));
}

TEST(TableFormulaApply, resultsInTheDisplayForm)
{
    TTableGrid grid;
    ApplyTableFormula(grid, Request(kFill, 0, "10^(n-5)", false, "1", "3"));
    EXPECT_EQ(RowsOf(grid, 3), (Rows{{"1*10^(-4)", ""}, {"0.001", ""}, {"0.01", ""}}));
}

}  // namespace
}  // namespace vg
