#include <gtest/gtest.h>

#include <clocale>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "support/cli_support.h"
#include "support/comma_locale.h"
#include "support/readable_test_names.h"

namespace vg {
namespace {

using namespace vg::test;

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
    const CliResult r = RunCliCommand(args);
    EXPECT_EQ(r.status, row.status);
    EXPECT_EQ(r.out, row.out);
    if (row.err == "*") {
        EXPECT_EQ(r.err.rfind("vgraph-cli: eval: ", 0), 0u) << r.err;
        EXPECT_NE(r.err.find("usage: vgraph-cli eval"), std::string::npos) << r.err;
    } else {
        EXPECT_EQ(r.err, row.err);
    }
}

std::string JoinedArgs(const std::vector<std::string>& args)
{
    std::string text;
    for (const std::string& a : args) text += (text.empty() ? "" : " ") + a;
    return text;
}

INSTANTIATE_TEST_SUITE_P(Cases, EvalCommand, ::testing::Values(
    EvalRow{{"X^2", "X=3"}, 0, "9\n", ""},
    EvalRow{{"-X^2", "X=3"}, 0, "-9\n", ""},
    EvalRow{{"X", "X=-2e10"}, 0, "-20000000000\n", ""},
    // The shortest text that reads back to the very same extended value.
    EvalRow{{"1/3"}, 0, "0.333333333333\n", ""},
    EvalRow{{"PI"}, 0, "3.14159265359\n", ""},
    EvalRow{{"SIN(PI)"}, 0, "-5.01655761267e-20\n", ""},
    EvalRow{{"2X"}, 0, "0\n", ""},                       // X defaults to 0
    EvalRow{{"a*b", "A=2", "B=-0.5"}, 0, "-1\n", ""},     // two names, in order
    EvalRow{{"T+1", "T="}, 0, "1\n", ""},                 // missing value is 0
    EvalRow{{"1/X", "X=0"}, 3, "undefined (code 7)\n", ""},
    EvalRow{{"SQRT(-1)"}, 3, "undefined (code 8)\n", ""},
    EvalRow{{"-X", "X=1e600"}, 3, "undefined (code 8)\n", ""},  // the 1e500 limit of unary minus
    EvalRow{{"2*-3"}, 2, "", "vgraph-cli: Error 1: syntax error\n"},
    EvalRow{{"-2e10"}, 2, "", "vgraph-cli: Error 1: syntax error\n"},
    EvalRow{{"SIN X"}, 2, "", "vgraph-cli: Error 2: discordance of lexems\n"},
    EvalRow{{"((X"}, 2, "", "vgraph-cli: Error 3: not enough ')' \n"},
    EvalRow{{"X)"}, 2, "", "vgraph-cli: Error 4: not enough '(' \n"},
    EvalRow{{"Y", "X=1"}, 2, "", "vgraph-cli: Error 1: syntax error\n"},
    EvalRow{{"  "}, 2, "", "vgraph-cli: Empty formula\n"},
    EvalRow{{""}, 2, "", "vgraph-cli: Empty formula\n"},
    EvalRow{{}, 64, "", "*"},
    EvalRow{{"X", "X=abc"}, 64, "", "*"},
    EvalRow{{"X", "X=1", "Y=2", "Z=3"}, 64, "", "*"},
    EvalRow{{"X", "=1"}, 64, "", "*"},
    EvalRow{{"X", "X=nan"}, 64, "", "*"},
    EvalRow{{"2+3", "extra", "more"}, 64, "", "*"},        // stray words are no bindings
    EvalRow{{"X+Y", "X=1", "Y"}, 64, "", "*"}),
    test::NamesFrom<EvalRow>([](const EvalRow& r) { return JoinedArgs(r.args); }));

TEST(EvalCommand, usesPoint_whenProcessLocaleUsesComma)
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (!test::UseCommaLocale()) GTEST_SKIP() << "the tests' comma locale is not built";
    const CliResult r = RunCliCommand({"eval", "X/8", "X=1.5"});
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(r.out, "0.1875\n");
}

TEST(CheckFormulaCommand, printsVerdict)
{
    struct Row { std::vector<std::string> args; int status; std::string out; };
    for (const Row& row : {Row{{"SIN(X)^2"}, 0, "ok\n"}, Row{{"  "}, 2, "Empty formula\n"}, Row{{""}, 2, "Empty formula\n"},
                           Row{{"SIN X"}, 2, "Error 2: discordance of lexems\n"},
                           Row{{"A+B", "a", "b"}, 0, "ok\n"},
                           Row{{"A+B", "a"}, 2, "Error 1: syntax error\n"},
                           Row{{"-T", "T"}, 0, "ok\n"},
                           Row{{"(X", "X"}, 2, "Error 3: not enough ')' \n"}}) {
        std::vector<std::string> args = {"check-formula"};
        args.insert(args.end(), row.args.begin(), row.args.end());
        const CliResult r = RunCliCommand(args);
        EXPECT_EQ(r.status, row.status) << row.args[0];
        EXPECT_EQ(r.out, row.out) << row.args[0];
    }
    EXPECT_EQ(RunCliCommand({"check-formula"}).status, 64);
    EXPECT_EQ(RunCliCommand({"check-formula", "X", "A", "B", "C"}).status, 64);
}

TEST(NumberCommand, printsValuesInTheShortestExactText)
{
    struct Row { std::vector<std::string> args; std::string out; };
    for (const Row& row : {Row{{"parse-cell", "0.123456789"}, "0.1234568\n"},
                           Row{{"parse-text", "1.5*10^(-4)"}, "0.00015\n"},
                           Row{{"display", "123456.789"}, "123456.79\n"},
                           Row{{"parse-input", "2*10^3"}, "2000\n"},
                           Row{{"format", "0.00015"}, "1.5*10^(-4)\n"}}) {
        std::vector<std::string> args = {"number"};
        args.insert(args.end(), row.args.begin(), row.args.end());
        const CliResult r = RunCliCommand(args);
        EXPECT_EQ(r.status, 0) << row.args[1];
        EXPECT_EQ(r.out, row.out) << row.args[1];
    }
}

// --help, -h and help list every command of the table, one line each, on
// standard output; help COMMAND gives that command's usage.
TEST(CliHelp, listsTheCommands_andGivesEachCommandsUsage)
{
    for (const char* ask : {"--help", "-h", "help"}) {
        const CliResult r = RunCliCommand({ask});
        EXPECT_EQ(r.status, 0) << ask;
        EXPECT_EQ(r.err, "") << ask;
        for (const CliCommand& c : CliCommands()) {
            const std::string usage = c.usage;
            EXPECT_NE(r.out.find("\n  " + usage.substr(0, usage.find('\n')) + "\n"), std::string::npos)
                << ask << " lacks " << c.name;
        }
    }
    for (const std::vector<std::string>& ask : {std::vector<std::string>{"help", "eval"},
                                                std::vector<std::string>{"eval", "--help"},
                                                std::vector<std::string>{"--help", "eval"}}) {
        const CliResult r = RunCliCommand(ask);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, "usage: vgraph-cli eval FORMULA [NAME=VALUE ...] [--format]\n");
    }
    const CliResult kinds = RunCliCommand({"help", "new"});
    EXPECT_NE(kinds.out.find("Polar (A)"), std::string::npos) << kinds.out;
}

TEST(CliHelp, unknownCommands_pointToHelp_withUsageStatus)
{
    for (const std::vector<std::string>& args : {std::vector<std::string>{"nope"},
                                                 std::vector<std::string>{"help", "nope"},
                                                 std::vector<std::string>{"--nope"}}) {
        const CliResult r = RunCliCommand(args);
        EXPECT_EQ(r.status, 64);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.rfind("vgraph-cli: unknown command '", 0), 0u) << r.err;
        EXPECT_NE(r.err.find("'vgraph-cli --help'"), std::string::npos) << r.err;
    }
    const CliResult none = RunCliCommand({});
    EXPECT_EQ(none.status, 64);
    EXPECT_EQ(none.err.rfind("vgraph-cli: ", 0), 0u) << none.err;
}

}  // namespace
}  // namespace vg
