#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "support/readable_test_names.h"

namespace vg {
namespace {

struct DeriveRow {
    std::vector<std::string> args;
    int status;
    std::string out;  // exact standard output
    std::string err;  // exact standard error, or "*" for the usage text
};

class DeriveCommand : public ::testing::TestWithParam<DeriveRow> {};

std::string Repeat(const std::string& item, const std::string& separator, int count)
{
    std::string out = item;
    for (int i = 1; i < count; ++i) out += separator + item;
    return out;
}

TEST_P(DeriveCommand, printsDerivativeAndExitStatus)
{
    const DeriveRow& row = GetParam();
    std::vector<std::string> args = {"derive"};
    args.insert(args.end(), row.args.begin(), row.args.end());
    std::ostringstream out, err;
    const int status = RunCli(args, out, err);
    EXPECT_EQ(status, row.status);
    EXPECT_EQ(out.str(), row.out);
    if (row.err == "*") {
        EXPECT_NE(err.str().find("usage: vgraph-cli derive"), std::string::npos) << err.str();
    } else {
        EXPECT_EQ(err.str(), row.err);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, DeriveCommand, ::testing::Values(
    DeriveRow{{"X^2"}, 0, "2*X\n", ""},
    DeriveRow{{"1/X"}, 0, "(-1)/X^2\n", ""},
    DeriveRow{{"LG(X)"}, 0, "1/(X*2.3025851)\n", ""},
    DeriveRow{{"sin(t)", "t"}, 0, "cos(t)\n", ""},
    DeriveRow{{"SIN(X)", "T"}, 2, "", "vgraph-cli: Error 1: syntax error\n"},  // X is no name then
    DeriveRow{{"ABS(X)"}, 3,
              "The expression contains nondifferentiable function or operation\n", ""},
    DeriveRow{{Repeat("X", "*", 26)}, 3, "Too large expression for derivation\n", ""},
    DeriveRow{{"X*X*X"}, 0, "(X+X)*X+X*X\n", ""},
    DeriveRow{{Repeat("X", "+", 26)}, 0, "26\n", ""},
    DeriveRow{{"2*-3"}, 2, "", "vgraph-cli: Error 1: syntax error\n"},
    DeriveRow{{"((X"}, 2, "", "vgraph-cli: Error 3: not enough ')' \n"},
    DeriveRow{{"  "}, 2, "", "vgraph-cli: Empty formula\n"},
    DeriveRow{{"--depth", Repeat("X", "*", 26)}, 0, "26\n", ""},
    DeriveRow{{"--depth", "SIN(X)+X"}, 0, "2\n", ""},
    DeriveRow{{"--depth", "X)"}, 2, "", "vgraph-cli: Error 4: not enough '(' \n"},
    DeriveRow{{}, 64, "", "*"},
    DeriveRow{{"X", "X", "X"}, 64, "", "*"}),
    test::NamesFrom<DeriveRow>([](const DeriveRow& r) {
        std::string text;
        for (const std::string& a : r.args) text += (text.empty() ? "" : " ") + a;
        return text;
    }));

TEST(DeriveCommand, differentiates_whenMeasureIsExactlyTheLimit)
{
    std::ostringstream out, err;
    EXPECT_EQ(RunCli({"derive", Repeat("X", "*", 25)}, out, err), 0);
    EXPECT_NE(out.str().find("(X+X)*X+X*X)*X+X*X*X)*X"), std::string::npos) << out.str();
}

}  // namespace
}  // namespace vg
