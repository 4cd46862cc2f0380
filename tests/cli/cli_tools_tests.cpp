// vgraph-cli analyse, intersect and values: the windows' texts with LF line
// ends, refusals with the dialogs' messages (exit 2), usage errors (exit 64).

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"

namespace vg {
namespace {

struct ToolRow {
    std::vector<std::string> args;
    int status;
    std::string out;  // exact standard output; "*" to skip
    std::string err;  // exact standard error; "usage" for a usage text
};

void PrintTo(const ToolRow& row, std::ostream* os)
{
    for (const std::string& arg : row.args) *os << "'" << arg << "' ";
}

std::string RowName(const ::testing::TestParamInfo<ToolRow>& info)
{
    const std::string command = info.param.args.empty() ? "none" : info.param.args[0];
    return command + "_" + std::to_string(info.index) + "_exit" + std::to_string(info.param.status);
}

class ToolCommands : public ::testing::TestWithParam<ToolRow> {};

TEST_P(ToolCommands, printTheSavedTextOrTheRefusal)
{
    const ToolRow& row = GetParam();
    std::ostringstream out, err;
    EXPECT_EQ(RunCli(row.args, out, err), row.status);
    if (row.out != "*") {
        EXPECT_EQ(out.str(), row.out);
    }
    if (row.err == "usage") {
        EXPECT_NE(err.str().find("usage: vgraph-cli " + row.args[0]), std::string::npos) << err.str();
    } else {
        EXPECT_EQ(err.str(), row.err);
    }
}

const std::string kParabolaText =
    "Analysis of function Y(x)=X^2-2\n"
    "Minimum of X = -5\n"
    "Maximum of X = 5\n"
    "Accuracy (decimal signs) = 2\n"
    "Number of steps = 200\n"
    "Y'(x)=2*x\n"
    "\n"
    "Zeroes of function: 2\n"
    "-1.41\n"
    "1.41\n"
    "\n"
    "Extrema: 1\n"
    "     X                  Y                  \n"
    "min  0                  -2                 \n";

INSTANTIATE_TEST_SUITE_P(
    Cases, ToolCommands,
    ::testing::Values(
        ToolRow{{"analyse", "X^2-2", "--min", "-5", "--max", "5"}, 0, kParabolaText, ""},
        ToolRow{{"analyse", "X^2-2", "--max", "5", "--derivative", "--min", "-5"}, 0, kParabolaText, ""},
        ToolRow{{"analyse", "X^3", "--zeros", "--min", "-1", "--max", "1", "--steps", "100", "--digits", "0"}, 0,
                "Analysis of function Y(x)=X^3\nMinimum of X = -1\nMaximum of X = 1\n"
                "Accuracy (decimal signs) = 0\nNumber of steps = 100\nY'(x)=3*x^2\n\n"
                "Zeroes of function: 1\n0\n\nExtrema: not calculated\n",
                ""},
        ToolRow{{"analyse", "SIN(X)", "--extrema", "--steps", "20001"}, 2, "",
                "vgraph-cli: This value must be an integer\nfrom 100 up to 20000\n"},
        ToolRow{{"analyse", "SIN(X", "--steps", "1"}, 2, "", "vgraph-cli: Error 3: not enough ')' \n"},
        ToolRow{{"analyse", " "}, 2, "", "vgraph-cli: Empty formula\n"},
        ToolRow{{"analyse", "ABS(X)", "--derivative"}, 2, "",
                "vgraph-cli: It is impossible to calculate extrema with\nthe help of analytically obtained "
                "derivative\nas the formula contains nondifferentiable function\nor operation\n"},
        ToolRow{{"analyse", "X", "--min", "3", "--max", "3"}, 2, "",
                "vgraph-cli: Maximum of X must be more\nthan minimum of X\n"},
        ToolRow{{"analyse"}, 64, "", "usage"},
        ToolRow{{"analyse", "X", "Y"}, 64, "", "usage"},
        ToolRow{{"analyse", "X", "--min"}, 64, "", "usage"},
        ToolRow{{"analyse", "X", "--mni", "1"}, 64, "", "usage"},
        ToolRow{{"intersect", "X^2", "2", "--steps", "1000", "--digits", "3"}, 0,
                "Intersections\nY1(x)=X^2\nY2(x)=2\nMinimum of X = -10\nMaximum of X = 10\n"
                "Accuracy (decimal signs) = 3\nNumber of steps = 1000\n\nIntersection points: 2\n"
                "X                  Y                  \n"
                "-1.414             2                  \n"
                "1.414              2                  \n",
                ""},
        ToolRow{{"intersect", "X", "", "--digits", "9"}, 2, "", "vgraph-cli: Empty formula\n"},
        ToolRow{{"intersect", "X", "1", "--min", "2*10^100"}, 2, "",
                "vgraph-cli: This value must be a number\nfrom -1*10^100 up to 1*10^100\n"},
        ToolRow{{"intersect", "X"}, 64, "", "usage"},
        ToolRow{{"values", "y^2", "--variable", "y", "--min", "-1", "--max", "1", "--step", "0.5"}, 0,
                "f(y)=y^2\n\n"
                "y                  f(y)               \n"
                "-1                 1                  \n"
                "-0.5               0.25               \n"
                "0                  0                  \n"
                "0.5                0.25               \n"
                "1                  1                  \n",
                ""},
        ToolRow{{"values", "X"}, 0, "*", ""},
        ToolRow{{"values", "X", "--variable", "1"}, 2, "",
                "vgraph-cli: The name of the variable must\nbe a letter of the latin alphabet\n"},
        ToolRow{{"values", "X", "--min", "0", "--max", "1", "--step", "0.0002"}, 2, "",
                "vgraph-cli: Too many values to calculate (>5000)\n"},
        ToolRow{{"values", "X", "--step", "1E-3"}, 2, "",
                "vgraph-cli: This value must be a positive\nnumber up to 1*10^100\n"},
        ToolRow{{"values"}, 64, "", "usage"}),
    RowName);

TEST(ToolCommandDefaults, areTheProgramOptionsDefaults)
{
    std::ostringstream out, err;
    ASSERT_EQ(RunCli({"values", "X"}, out, err), 0);
    // -10 .. 10 in steps of 1: a header, a blank line, the column heads and 21 rows.
    const std::string table = out.str();
    EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 24);
    std::ostringstream analysed;
    ASSERT_EQ(RunCli({"analyse", "X"}, analysed, err), 0);
    EXPECT_NE(analysed.str().find("Minimum of X = -10\nMaximum of X = 10\nAccuracy (decimal signs) = 2\n"
                                  "Number of steps = 200\n"),
              std::string::npos);
}

}  // namespace
}  // namespace vg
