// vgraph-cli tangent, calc, integrate and derive --graph: the windows' texts
// with the exit statuses scripts rely on.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/cli_support.h"

namespace vg {
namespace {

using namespace vg::test;

struct Row {
    std::vector<std::string> args;
    int status;
    std::string out;
    std::string err;  // exact, or a part of it after "~"
};

void Check(const Row& row)
{
    std::ostringstream out, err;
    const int status = RunCli(row.args, out, err);
    std::string call;
    for (const std::string& a : row.args) call += a.substr(0, 40) + " ";
    EXPECT_EQ(status, row.status) << call << err.str();
    EXPECT_EQ(out.str(), row.out) << call;
    if (!row.err.empty() && row.err[0] == '~')
        EXPECT_NE(err.str().find(row.err.substr(1)), std::string::npos) << call << err.str();
    else
        EXPECT_EQ(err.str(), row.err) << call;
}

class CliCalculus : public CliFiles {
protected:
    void SetUp() override
    {
        CliFiles::SetUp();
        file_ = Path("graphs.vgr");
        Check({{"new", file_, "--add", "YFromX", "X^2", "--add", "XFromY", "Y^2", "--add", "Polar", "A", "--add", "Param",
                "T^2;SIN(T)", "--add", "Equation", "X-Y", "--add", "YFromX", "SQRT(X)", "--add", "YFromX", "ABS(X)"},
               0, "", ""});
    }
    std::string file_;
};

TEST_F(CliCalculus, tangentPrintsTheLineOrTheWindowsMessage)
{
    const std::string tangentError = "vgraph-cli: Error of the determination of the equation of the tangent\n";
    const Row rows[] = {
        {{"tangent", file_, "--graph", "1", "--at", "1"}, 0, "Y(x)=2*x-1\n", ""},
        {{"tangent", file_, "--at", "1", "--graph", "1", "--normal"}, 0, "Y(x)=-0.5*x+1.5\n", ""},
        {{"tangent", file_, "--graph", "1", "--at", "0", "--normal"}, 0, "X(y)=0*y+0\n", ""},
        {{"tangent", file_, "--graph", "2", "--at", "1"}, 0, "X(y)=2*y-1\n", ""},
        {{"tangent", file_, "--graph", "3", "--at", "0.5"}, 0, "Y(x)=-0.6366198*x+1.5707963\n", ""},
        {{"tangent", file_, "--graph", "4", "--at", "0"}, 0, "X(y)=0*y+0\n", ""},
        {{"tangent", file_, "--graph", "6", "--at", "0"}, 3, "", tangentError},
        {{"tangent", file_, "--graph", "6", "--at", "0", "--normal"}, 3, "",
         "vgraph-cli: Error of the determination of the equation of the normal\n"},
        {{"tangent", file_, "--graph", "7", "--at", "1"}, 3, "",
         "vgraph-cli: The expression contains nondifferentiable function or operation\n"},
        {{"tangent", file_, "--graph", "5", "--at", "1"}, 2, "", "vgraph-cli: It is impossible to plot a tangent/normal\n"},
        {{"tangent", file_, "--graph", "1", "--at", "1E3"}, 2, "", "vgraph-cli: The value of the variable must be a number\n"},
        {{"tangent", file_, "--graph", "1", "--at", "2*10^100"}, 2, "", "vgraph-cli: Too large absolute value of variable\n"},
        {{"tangent", file_, "--graph", "8", "--at", "1"}, 64, "", "vgraph-cli: " + file_ + ": the document has 7 graphs\n"},
        {{"tangent", file_, "--at", "1"}, 64, "", "~missing --graph N"},
        {{"tangent", file_, "--graph", "1"}, 64, "", "~missing --at T"},
        {{"tangent", file_, "--graph", "0", "--at", "1"}, 64, "", "~bad graph number '0'"},
        {{"tangent", Path("none.vgr"), "--graph", "1", "--at", "1"}, 2, "", "~none.vgr: "},
    };
    for (const Row& row : rows) Check(row);
}

TEST_F(CliCalculus, deriveOfAGraphPrintsTheWindowsEdits)
{
    const Row rows[] = {
        {{"derive", file_, "--graph", "1"}, 0, "Y(x)=2*x\n", ""},
        {{"derive", "--graph", "2", file_}, 0, "X(y)=2*y\n", ""},
        {{"derive", file_, "--graph", "3"}, 0, "R(a)=1\n", ""},
        {{"derive", file_, "--graph", "4"}, 0, "X(t)=2*t\nY(t)=cos(t)\n", ""},
        {{"derive", file_, "--graph", "5"}, 3, "Cannot calculate derivative for this graph type\n", ""},
        {{"derive", file_, "--graph", "7"}, 3, "The expression contains nondifferentiable function or operation\n", ""},
        {{"derive", file_, "--graph", "9"}, 64, "", "vgraph-cli: " + file_ + ": the document has 7 graphs\n"},
        {{"derive", file_, "--graph"}, 64, "", "~--graph needs a value"},
        {{"derive", "X^3"}, 0, "3*X^2\n", ""},  // the formula form stays
    };
    for (const Row& row : rows) Check(row);
}

TEST(CliCalc, printsTheResultFieldOrRefuses)
{
    const Row rows[] = {
        {{"calc", "SIN(X)^2+COS(X)^2", "--value", "1"}, 0, "1\n", ""},
        {{"calc", "1/3"}, 0, "0.3333333333\n", ""},
        {{"calc", "1/X"}, 0, "Error\n", ""},
        {{"calc", "X/10^7", "--value", "1"}, 0, "1*10^(-7)\n", ""},
        {{"calc", "t*2", "--variable", "t", "--value", "-2*10^3"}, 0, "-4000\n", ""},
        {{"calc", "X", "--variable", "1"}, 2, "",
         "vgraph-cli: The name of the variable must be a letter of the latin alphabet\n"},
        {{"calc", "X", "--value", "1E5"}, 2, "", "vgraph-cli: The value of the variable must be a number\n"},
        {{"calc", "X", "--value", std::string(501, '9')}, 2, "", "vgraph-cli: Too large value of the variable\n"},
        {{"calc", "X+"}, 2, "", "vgraph-cli: Error 2: discordance of lexems\n"},
        {{"calc", " "}, 2, "", "vgraph-cli: Empty formula\n"},
        {{"calc"}, 64, "", "~missing FORMULA"},
        {{"calc", "X", "Y"}, 64, "", "~'Y' is one argument too many"},
        {{"calc", "X", "--value"}, 64, "", "~--value needs a value"},
    };
    for (const Row& row : rows) Check(row);
}

TEST(CliIntegrate, printsTheResultFieldAndItsStatus)
{
    const Row rows[] = {
        {{"integrate", "X^2", "--min", "0", "--max", "1", "--steps", "10"}, 0, "0.3333333\n", ""},
        {{"integrate", "0", "X", "--min", "-1", "--max", "1"}, 0, "0\n", ""},
        {{"integrate", "0", "X", "--min", "-1", "--max", "1", "--abs"}, 0, "1\n", ""},
        {{"integrate", "X"}, 0, "0\n", ""},  // -10..10 by default
        {{"integrate", "X", "--min", "-1", "--max", "2", "--steps", "12", "--parts"}, 0, "1.5\nAbove: 2\nBelow: -0.5\n", ""},
        {{"integrate", "SQRT(X)", "--min", "-1", "--max", "1", "--parts"}, 3, "Error at function evaluation\n", ""},
        {{"integrate", "10^400*10^50", "--min", "0", "--max", "1*10^60"}, 3, "Too large value of the integral\n", ""},
        {{"integrate", "0", "10^400*10^50", "--min", "0", "--max", "1*10^60"}, 0, "-1*10^510\n", ""},
        {{"integrate", "X", "--steps", "9"}, 2, "", "vgraph-cli: This value must be an integer from 10 up to 2000\n"},
        {{"integrate", "X", "--min", "1", "--max", "1"}, 2, "", "vgraph-cli: Maximum of X must be more than minimum of X\n"},
        {{"integrate", "X", "(X"}, 2, "", "vgraph-cli: Error 3: not enough ')' \n"},
        {{"integrate", "X", "0", "1"}, 64, "", "~'1' is one argument too many"},
        {{"integrate"}, 64, "", "~missing FORMULA1"},
    };
    for (const Row& row : rows) Check(row);
}

}  // namespace
}  // namespace vg
