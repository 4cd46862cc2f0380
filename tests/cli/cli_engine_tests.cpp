#include <gtest/gtest.h>

#include <clocale>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"

namespace vg {
namespace {

struct CliResult {
    int status;
    std::string out, err;
};

CliResult RunCommand(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    const int status = RunCli(args, out, err);
    return {status, out.str(), err.str()};
}

struct EvalRow {
    std::vector<std::string> args;
    int status;
    std::string out;  // exact standard output
    std::string err;  // exact standard error, or "*" for any usage text
};

class EvalCommand : public ::testing::TestWithParam<EvalRow> {};

TEST_P(EvalCommand, printsResultAndExitStatus)
{
    const EvalRow& row = GetParam();
    std::vector<std::string> args = {"eval"};
    args.insert(args.end(), row.args.begin(), row.args.end());
    const CliResult r = RunCommand(args);
    EXPECT_EQ(r.status, row.status);
    EXPECT_EQ(r.out, row.out);
    if (row.err == "*") {
        EXPECT_NE(r.err.find("usage: vgraph-cli eval"), std::string::npos) << r.err;
    } else {
        EXPECT_EQ(r.err, row.err);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, EvalCommand, ::testing::Values(
    EvalRow{{"X^2", "X=3"}, 0, "9\n", ""},
    EvalRow{{"-X^2", "X=3"}, 0, "-9\n", ""},
    EvalRow{{"X", "X=-2e10"}, 0, "-20000000000\n", ""},
    EvalRow{{"1/3"}, 0, "0.333333333332999999992\n", ""},
    EvalRow{{"PI"}, 0, "3.14159265358999999999\n", ""},
    EvalRow{{"2X"}, 0, "0\n", ""},                       // X defaults to 0
    EvalRow{{"a*b", "A=2", "B=-0.5"}, 0, "-1\n", ""},     // two names, in order
    EvalRow{{"T+1", "T="}, 0, "1\n", ""},                 // missing value is 0
    EvalRow{{"1/X", "X=0"}, 3, "undefined (code 7)\n", ""},
    EvalRow{{"SQRT(-1)"}, 3, "undefined (code 8)\n", ""},
    EvalRow{{"2*-3"}, 2, "", "Error 1: syntax error\n"},
    EvalRow{{"-2e10"}, 2, "", "Error 1: syntax error\n"},
    EvalRow{{"SIN X"}, 2, "", "Error 2: discordance of lexems\n"},
    EvalRow{{"((X"}, 2, "", "Error 3: not enough ')' \n"},
    EvalRow{{"X)"}, 2, "", "Error 4: not enough '(' \n"},
    EvalRow{{"Y", "X=1"}, 2, "", "Error 1: syntax error\n"},
    EvalRow{{"  "}, 2, "", "Empty formula\n"},
    EvalRow{{}, 64, "", "*"},
    EvalRow{{"X", "X=abc"}, 64, "", "*"},
    EvalRow{{"X", "X=1", "Y=2", "Z=3"}, 64, "", "*"},
    EvalRow{{"X", "=1"}, 64, "", "*"},
    EvalRow{{"X", "X=nan"}, 64, "", "*"}));

TEST(EvalCommand, usesPoint_whenProcessLocaleUsesComma)
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "no comma locale installed";
    const CliResult r = RunCommand({"eval", "X/8", "X=1.5"});
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(r.out, "0.1875\n");
}

TEST(CheckFormulaCommand, printsVerdict)
{
    struct Row { std::vector<std::string> args; int status; std::string out; };
    for (const Row& row : {Row{{"SIN(X)^2"}, 0, "ok\n"}, Row{{"  "}, 0, "ok\n"},
                           Row{{"SIN X"}, 2, "Error 2: discordance of lexems\n"},
                           Row{{"A+B", "a", "b"}, 0, "ok\n"},
                           Row{{"A+B", "a"}, 2, "Error 1: syntax error\n"},
                           Row{{"-T", "T"}, 0, "ok\n"},
                           Row{{"(X", "X"}, 2, "Error 3: not enough ')' \n"}}) {
        std::vector<std::string> args = {"check-formula"};
        args.insert(args.end(), row.args.begin(), row.args.end());
        const CliResult r = RunCommand(args);
        EXPECT_EQ(r.status, row.status) << row.args[0];
        EXPECT_EQ(r.out, row.out) << row.args[0];
    }
    EXPECT_EQ(RunCommand({"check-formula"}).status, 64);
    EXPECT_EQ(RunCommand({"check-formula", "X", "A", "B", "C"}).status, 64);
}

}  // namespace
}  // namespace vg
