// The value table: Calculate's checks in their order, the rows, the ends of
// the loop, Esc, and the saved text byte for byte.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/program_options.h"
#include "engine/number_text.h"
#include "tools/tool_scan_support.h"
#include "tools/tool_text.h"
#include "tools/value_table.h"

namespace vg {
namespace {

using CheckRow = test::InputCheckRow<ValueTableInput, ValueTableField>;

TEST(ValueTableInputCheck, refusesTheFirstBadFieldInItsOrder)
{
    const std::string letter = "The name of the variable must\rbe a letter of the latin alphabet";
    const std::string number = "This value must be a number\rfrom -1*10^100 up to 1*10^100";
    const std::string step = "This value must be a positive\rnumber up to 1*10^100";
    const CheckRow rows[] = {
        {"defaults", [](ValueTableInput&) {}, "", ValueTableField::VariableName},
        {"digit name", [](ValueTableInput& i) { i.VariableName = "1"; i.Formula = "("; }, letter,
         ValueTableField::VariableName},
        {"empty name", [](ValueTableInput& i) { i.VariableName = ""; }, letter, ValueTableField::VariableName},
        {"two letters", [](ValueTableInput& i) { i.VariableName = "ab"; }, letter, ValueTableField::VariableName},
        {"umlaut", [](ValueTableInput& i) { i.VariableName = "\xc3\xa4"; }, letter, ValueTableField::VariableName},
        {"other variable", [](ValueTableInput& i) { i.Formula = "T^2"; }, "Error 1: syntax error",
         ValueTableField::Formula},
        {"blank formula", [](ValueTableInput& i) { i.Formula = "  "; i.MinText = "?"; }, "Empty formula",
         ValueTableField::Formula},
        {"min", [](ValueTableInput& i) { i.MinText = "-2*10^100"; }, number, ValueTableField::Min},
        {"max", [](ValueTableInput& i) { i.MaxText = "1E1"; }, number, ValueTableField::Max},
        {"equal", [](ValueTableInput& i) { i.MaxText = "-10"; },
         "Maximum of the variable must be more\rthan minimum of the variable", ValueTableField::Max},
        {"step zero", [](ValueTableInput& i) { i.StepText = "0"; }, step, ValueTableField::Step},
        {"step negative", [](ValueTableInput& i) { i.StepText = "-1"; }, step, ValueTableField::Step},
        {"step E form", [](ValueTableInput& i) { i.StepText = "1E-3"; }, step, ValueTableField::Step},
        {"step power form", [](ValueTableInput& i) { i.MinText = "0"; i.MaxText = "1"; i.StepText = "1*10^(-3)"; },
         "", ValueTableField::VariableName},
        {"5000 values", [](ValueTableInput& i) { i.MinText = "0"; i.MaxText = "1"; i.StepText = "0.0002"; },
         "Too many values to calculate (>5000)", ValueTableField::Step},
        {"4997.5 values", [](ValueTableInput& i) { i.MinText = "0"; i.MaxText = "1"; i.StepText = "0.0002001"; },
         "", ValueTableField::VariableName},
        {"letter y", [](ValueTableInput& i) { i.VariableName = "y"; i.Formula = "y^2"; }, "",
         ValueTableField::VariableName},
    };
    test::ExpectInputChecks(rows, ValueTableInputFrom(ValueTableSettings{}, "X^2"), [](const ValueTableInput& input) {
        ValueTableSettings accepted{5, 6, 7};
        const auto failure = CheckValueTableInput(input, accepted);
        if (failure) {
            EXPECT_EQ(accepted.Step, 7) << "nothing changes on a refusal";
        }
        return failure;
    });
}

TEST(ValueTableInputCheck, storesWhatItAccepted)
{
    ValueTableInput input = ValueTableInputFrom(ValueTableSettings{}, "X");
    input.MinText = "-1";
    input.MaxText = "2*10^3";
    input.StepText = "0.5";
    ValueTableSettings accepted;
    ASSERT_FALSE(CheckValueTableInput(input, accepted));
    TProgramOptions options;
    StoreValueTableSettings(accepted, options);
    EXPECT_EQ(options.ValueTableMin, -1);
    EXPECT_EQ(options.ValueTableMax, 2000);
    EXPECT_EQ(options.ValueTableStep, 0.5L);
    EXPECT_EQ(ValueTableSettingsFromOptions(options).Max, 2000);
}

std::vector<std::string> Column(const TValueTable& table, bool values)
{
    std::vector<std::string> cells;
    for (const ValueTableRow& row : table.Rows()) cells.push_back(values ? row.Value : row.Argument);
    return cells;
}

TEST(ValueTable, sumsOfStepsThatShouldBeZeroShowZero)
{
    TValueTable table;
    table.Compute("X", "x", {-1, 1, 0.1L});
    ASSERT_EQ(table.Rows().size(), 21u);
    EXPECT_EQ(table.Rows()[10].Argument, "0");
    EXPECT_EQ(table.Rows()[10].Value, "0");
    EXPECT_EQ(table.Rows().back().Argument, "1");
}

TEST(ValueTable, rowsWithoutAValueSayError)
{
    TValueTable table;
    table.Compute("SQRT(X)", "x", {-1, 1, 0.5L});
    EXPECT_EQ(Column(table, true), (std::vector<std::string>{"Error", "Error", "0", "0.7071068", "1"}));
}

TEST(ValueTable, theVariableNamesTheHeader)
{
    TValueTable table;
    table.Compute("y^2", "y", {-1, 1, 1});
    EXPECT_EQ(table.ArgumentHeader(), " y");
    EXPECT_EQ(table.ValueHeader(), " f(y)");
    EXPECT_EQ(table.TableText(kCrLf),
              "f(y)=y^2\r\n"
              "\r\n"
              "y                  f(y)               \r\n"
              "-1                 1                  \r\n"
              "0                  0                  \r\n"
              "1                  1                  \r\n");
}

TEST(ValueTable, valuesAreRoundedTo12DigitsBeforeTheyShow)
{
    TValueTable table;
    table.Compute("1/3*3+X*0", "x", {0, 1, 1});
    EXPECT_EQ(Column(table, true), (std::vector<std::string>{"1", "1"}));
    table.Compute("X*1000000", "x", {0.5L, 3, 1});
    EXPECT_EQ(Column(table, true), (std::vector<std::string>{"500000", "1.5*10^6", "2.5*10^6"}));
}

TEST(ValueTable, endsWhenAStepNoLongerIncreasesTheArgument)
{
    // Near 1e18 the numbers lie 0.125 apart: a step of 0.01 changes nothing.
    TValueTable table;
    table.Compute("X", "x", {1e18L, 1e18L + 1, 0.01L});
    EXPECT_EQ(table.Rows().size(), 1u);
}

TEST(ValueTable, endsAfterTheNumberOfValuesTheCheckAllowed)
{
    TValueTable table;
    table.Compute("X", "x", {0, 1, 0.0002001L});
    EXPECT_EQ(table.Rows().size(), 4998u);
    EXPECT_LE(table.Rows().size(), static_cast<std::size_t>(kMaxValueTableRows));
}

TEST(ValueTable, escStopsAfterTheRowItWasPressedAt)
{
    test::RecordingProgress progress;
    progress.escapeAtCheck = 4;
    TValueTable table;
    table.Compute("X", "x", {-10, 10, 1}, progress);
    EXPECT_EQ(Column(table, false), (std::vector<std::string>{"-10", "-9", "-8", "-7"}));
    EXPECT_TRUE(table.Interrupted());
    EXPECT_EQ(progress.resultsAdded, 4);
    EXPECT_EQ(progress.busy, 0);
}

TEST(ValueTable, aFormulaThatDoesNotCompileLeavesOnlyTheHeader)
{
    TValueTable table;
    table.Compute("(", "x", {-1, 1, 1});
    EXPECT_TRUE(table.Rows().empty());
    EXPECT_EQ(table.TableText(kLf), "f(x)=(\n\nx                  f(x)               \n");
}

}  // namespace
}  // namespace vg
