#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/cli_support.h"

namespace vg {
namespace {

using namespace vg::test;

class CliRegress : public CliFiles {
protected:
    void SetUp() override
    {
        CliFiles::SetUp();
    }
    // A document of the given graphs (pairs of kind and formula).
    std::string Document(const std::string& name, const std::vector<std::string>& graphs)
    {
        std::vector<std::string> args = {"new", Path(name)};
        for (std::size_t i = 0; i + 1 < graphs.size(); i += 2) args.insert(args.end(), {"--add", graphs[i], graphs[i + 1]});
        EXPECT_EQ(RunCliCommand(args).status, 0);
        return Path(name);
    }
};

TEST_F(CliRegress, printsTheWindowsThreeLinesOrItsMessage)
{
    const std::string file =
        Document("fits.vgr", {"YFromX", "X", "Table", "1,3;2,5;3,7", "Table", "1,2;2,8;3,18", "Table", "0,1;1,2;1,5"});
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string out;
    } cases[] = {
        {{"--kind", "linear"}, 0, "Y(x)=2*x+1\nRoot-mean-square deviation=0\nR^2=1\n"},
        {{"--graph", "3", "--kind", "polynomial", "--degree", "5"}, 0,
         "Y(x)=2*x^2+0*x+0\nRoot-mean-square deviation=0\nR^2=1\n"},
        {{"--graph", "2", "--kind", "best"}, 0, "Y(x)=2*x+1\nRoot-mean-square deviation=0\nR^2=1\n"},
        {{"--kind", "hyperbolic"}, 0,
         "Y(x)=-5.5384615/x+8.3846154\nRoot-mean-square deviation=0.4529108\nR^2=0.9230769\n"},
        {{"--graph", "4", "--kind", "hyperbolic"}, 3, "Error data for this regression type\n"},
        {{"--graph", "4", "--kind", "exponential2"}, 0, "Y(x)=1*3.1622777^x\nRoot-mean-square deviation=1.2554033\nR^2=0.6779345\n"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"regress", file};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CliResult r = RunCliCommand(args);
        EXPECT_EQ(r.status, c.status) << args[3] << r.err;
        EXPECT_EQ(r.out, c.out) << args[3];
    }
    const std::string single = Document("single.vgr", {"Table", "1,2;1,3"});
    const CliResult tooFew = RunCliCommand({"regress", single, "--kind", "best"});
    EXPECT_EQ(tooFew.status, 3);
    EXPECT_EQ(tooFew.out, "Not enough numbers for regression\n");
}

TEST_F(CliRegress, compareListsEveryModelTabSeparated)
{
    const std::string file = Document("compare.vgr", {"Table", "1,3;2,5;3,7"});
    const CliResult r = RunCliCommand({"regress", file, "--compare"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::istringstream lines(r.out);
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> fields;
        std::istringstream in(line);
        for (std::string field; std::getline(in, field, '\t');) fields.push_back(field);
        rows.push_back(fields);
    }
    // Six kinds and the quadratic (three distinct X).
    ASSERT_EQ(rows.size(), 7u);
    for (const auto& row : rows) ASSERT_EQ(row.size(), 6u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"linear", "-", "0", "1", "1", "2*x+1"}));
    EXPECT_EQ(rows[6], (std::vector<std::string>{"polynomial", "2", "0", "1", "-", "0*x^2+2*x+1"}));
    EXPECT_EQ(rows[5][0], "hyperbolic");
}

TEST_F(CliRegress, refusals)
{
    const std::string noTable = Document("none.vgr", {"YFromX", "X"});
    const CliResult none = RunCliCommand({"regress", noTable, "--kind", "linear"});
    EXPECT_EQ(none.status, 2);
    EXPECT_EQ(none.out, "");
    EXPECT_NE(none.err.find("There is no graph determined by table"), std::string::npos) << none.err;

    const std::string file = Document("table.vgr", {"YFromX", "X", "Table", "1,3;2,5"});
    EXPECT_EQ(RunCliCommand({"regress", file, "--graph", "1", "--kind", "linear"}).status, 2);
    EXPECT_EQ(RunCliCommand({"regress", Path("missing.vgr"), "--kind", "linear"}).status, 2);
    for (const std::vector<std::string>& usage : std::vector<std::vector<std::string>>{
             {"regress", file},
             {"regress", file, "--kind", "cubic"},
             {"regress", file, "--kind", "polynomial", "--degree", "10"},
             {"regress", file, "--kind", "polynomial", "--degree", "2.5"},
             {"regress", file, "--kind", "linear", "--compare"},
             {"regress", file, "--graph", "3", "--kind", "linear"},
             {"regress", file, "--graph", "0", "--kind", "linear"},
             {"regress", "--kind", "linear"},
         }) {
        const CliResult r = RunCliCommand(usage);
        EXPECT_EQ(r.status, 64) << usage.back();
        EXPECT_EQ(r.err.rfind("vgraph-cli", 0), 0u) << r.err;
    }
}

}  // namespace
}  // namespace vg
