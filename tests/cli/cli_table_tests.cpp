// vgraph-cli table-read, table-write, new --add-table-file and table-edit:
// outputs, exit statuses and messages, and a table that goes from a file
// through the grid commands to Save Table's bytes and back.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/cli_support.h"

namespace vg {
namespace {

using namespace vg::test;

namespace fs = std::filesystem;

class CliTable : public CliFiles {
protected:
    void SetUp() override
    {
        CliFiles::SetUp();
    }
    std::string Write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(Path(name), std::ios::binary) << bytes;
        return Path(name);
    }
    // A document with a function and a table graph of the given points.
    std::string Document(const std::string& points)
    {
        const std::string file = Path("doc.vgr");
        const CliResult made = RunCliCommand({"new", file, "--add", "YFromX", "X", "--add", "Table", points});
        EXPECT_EQ(made.status, 0) << made.err;
        return file;
    }
    std::string TableText(const std::string& file, std::vector<std::string> options = {"--format", "power"})
    {
        std::vector<std::string> args = {"table-write", file};
        args.insert(args.end(), options.begin(), options.end());
        const CliResult r = RunCliCommand(args);
        EXPECT_EQ(r.status, 0) << r.err;
        return r.out;
    }
};

TEST_F(CliTable, tableReadPrintsThePointsWith21Digits)
{
    const std::string file = Write("t.txt", "X Y\r\n1,5;2,25\r\n3 4 5\r0.1 1e101\n");
    EXPECT_EQ(RunCliCommand({"table-read", file}).out, "1.5 2.25\n3 4\n");
    const CliResult rows = RunCliCommand({"table-read", Write("r.txt", "X: 1 2 3\nY: 0.1 5\n"), "--rows"});
    EXPECT_EQ(rows.status, 0);
    EXPECT_EQ(rows.out, "1 0.100000000000000000001\n2 5\n");
    const CliResult none = RunCliCommand({"table-read", Write("e.txt", "no numbers\n")});
    EXPECT_EQ(none.status, 0);
    EXPECT_EQ(none.out, "");
}

TEST_F(CliTable, tableReadRefusals)
{
    const CliResult missing = RunCliCommand({"table-read", Path("none.txt")});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err, "vgraph-cli: " + Path("none.txt") + ": File read error\n");
    EXPECT_EQ(RunCliCommand({"table-read", Folder().string()}).status, 2);
    EXPECT_EQ(RunCliCommand({"table-read"}).status, 64);
    EXPECT_EQ(RunCliCommand({"table-read", "a.txt", "--columns"}).status, 64);
}

TEST_F(CliTable, tableWriteGivesSaveTablesBytes)
{
    const std::string file = Document("0.5,0.00015;-2,3");
    EXPECT_EQ(TableText(file, {}), " 5.00000000000000E-0001\t 1.50000000000000E-0004\r\n"
                                   "-2.00000000000000E+0000\t 3.00000000000000E+0000\r\n");
    EXPECT_EQ(TableText(file, {"--graph", "2", "--comma", "--format", "power"}), "0,5\t1,5*10^(-4)\r\n-2\t3\r\n");
    EXPECT_EQ(TableText(file, {"--format", "mEp", "--comma"}).substr(0, 24), " 5,00000000000000E-0001\t");
}

TEST_F(CliTable, tableWriteRefusals)
{
    const std::string noTable = Path("f.vgr");
    ASSERT_EQ(RunCliCommand({"new", noTable, "--add", "YFromX", "X"}).status, 0);
    const CliResult none = RunCliCommand({"table-write", noTable});
    EXPECT_EQ(none.status, 2);
    EXPECT_EQ(none.err, "vgraph-cli: " + noTable + ": There is no graph determined by table\n");
    EXPECT_EQ(RunCliCommand({"table-write", noTable, "--graph", "1"}).status, 2);
    EXPECT_EQ(RunCliCommand({"table-write", noTable, "--graph", "2"}).status, 64);
    EXPECT_EQ(RunCliCommand({"table-write", noTable, "--format", "fixed"}).status, 64);
}

TEST_F(CliTable, newAddsTablesFromFilesInEitherOrientation)
{
    const std::string columns = Write("c.txt", "1 2\r\n3 4\r\n");
    const std::string rows = Write("r.txt", "1 2\r3 4\r");
    const std::string file = Path("n.vgr");
    const CliResult made = RunCliCommand({"new", file, "--add-table-file", columns, "--add-table-file", rows, "--rows"});
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_EQ(TableText(file, {"--graph", "1", "--format", "power"}), "1\t2\r\n3\t4\r\n");
    EXPECT_EQ(TableText(file, {"--graph", "2", "--format", "power"}), "1\t3\r\n2\t4\r\n");
    const CliResult info = RunCliCommand({"info", file});
    EXPECT_NE(info.out.find("1: Table: 2 items"), std::string::npos) << info.out;
    const CliResult bad = RunCliCommand({"new", Path("m.vgr"), "--add-table-file", Path("none.txt")});
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.err, "vgraph-cli: " + Path("none.txt") + ": File read error\n");
    EXPECT_FALSE(fs::exists(Path("m.vgr")));
    EXPECT_EQ(RunCliCommand({"new", Path("m.vgr"), "--add-table-file"}).status, 64);
}

struct EditCase {
    std::vector<std::string> command;
    std::string expected;  // Save Table's power form afterwards
};

TEST_F(CliTable, tableEditRunsEachGridCommand)
{
    const EditCase cases[] = {
        {{"delete", "2"}, "3\t1\r\n2\t2\r\n"},
        {{"insert", "1"}, "3\t1\r\n1\t3\r\n2\t2\r\n"},
        {{"swap"}, "1\t3\r\n3\t1\r\n2\t2\r\n"},
        {{"purge"}, "3\t1\r\n1\t3\r\n2\t2\r\n"},
        {{"sort", "x-asc"}, "1\t3\r\n2\t2\r\n3\t1\r\n"},
        {{"sort", "y-desc"}, "1\t3\r\n2\t2\r\n3\t1\r\n"},
        {{"fill", "x", "n*0.5"}, "0.5\t1\r\n1\t3\r\n1.5\t2\r\n"},
        {{"fill", "y", "x+n", "2", "3"}, "3\t1\r\n1\t3\r\n2\t5\r\n"},
        {{"modify", "y", "y*2"}, "3\t2\r\n1\t6\r\n2\t4\r\n"},
        {{"modify", "x", "1/(x-1)"}, "0.5\t1\r\n1\t2\r\n"},
        {{"replace", "2", "7"}, "3\t1\r\n1\t3\r\n7\t2\r\n"},
        {{"replace", "2", "7", "--all"}, "3\t1\r\n1\t3\r\n7\t7\r\n"},
        {{"replace", "3", ""}, "1\t3\r\n2\t2\r\n"},
    };
    for (const EditCase& c : cases) {
        const std::string file = Document("3,1;1,3;2,2");
        std::vector<std::string> args = {"table-edit", file, "--graph", "2"};
        args.insert(args.end(), c.command.begin(), c.command.end());
        args.insert(args.end(), {"-o", Path("out.vgr")});
        const CliResult r = RunCliCommand(args);
        ASSERT_EQ(r.status, 0) << c.command[0] << ": " << r.err;
        EXPECT_EQ(TableText(Path("out.vgr")), c.expected) << c.command[0] << " " << c.command.back();
        EXPECT_EQ(TableText(file), "3\t1\r\n1\t3\r\n2\t2\r\n") << "-o leaves the input alone";
    }
}

TEST_F(CliTable, tableEditWritesBackWithoutOutput)
{
    const std::string file = Document("3,1;1,3");
    ASSERT_EQ(RunCliCommand({"table-edit", file, "--graph", "2", "swap"}).status, 0);
    EXPECT_EQ(TableText(file), "1\t3\r\n3\t1\r\n");
}

TEST_F(CliTable, tableEditRefusals)
{
    const std::string file = Document("3,1;1,3");
    struct Refusal {
        std::vector<std::string> args;
        int status;
        std::string message;  // part of standard error
    };
    const Refusal refusals[] = {
        {{"table-edit", file, "swap"}, 64, "missing --graph N"},
        {{"table-edit", file, "--graph", "2"}, 64, "missing COMMAND"},
        {{"table-edit", file, "--graph", "2", "turn"}, 64, "unknown command 'turn'"},
        {{"table-edit", file, "--graph", "2", "delete", "101"}, 64, "ROW from 1 up to 100"},
        {{"table-edit", file, "--graph", "2", "sort", "x"}, 64, "x-asc"},
        {{"table-edit", file, "--graph", "2", "swap", "--all"}, 64, "--all belongs to replace"},
        {{"table-edit", file, "--graph", "1", "swap"}, 2, "graph 1 is not a table"},
        {{"table-edit", file, "--graph", "3", "swap"}, 64, "the document has 2 graphs"},
        {{"table-edit", file, "--graph", "2", "fill", "x", "x"}, 2, "syntax error"},
        {{"table-edit", file, "--graph", "2", "fill", "x", "n", "0", "5"}, 2, "natural number up to 100"},
        {{"table-edit", file, "--graph", "2", "modify", "y", "y", "5", "3"}, 2, "Lower limit cannot exceed upper limit"},
        {{"table-edit", file, "--graph", "2", "replace", "abc", "1"}, 2, "The value must be a number"},
        {{"table-edit", file, "--graph", "2", "replace", "1", "2*10^101"}, 2, "Too large absolute value"},
        {{"table-edit", file, "--graph", "2", "replace", "9", "1"}, 3, "Value not found"},
    };
    for (const Refusal& r : refusals) {
        const CliResult result = RunCliCommand(r.args);
        EXPECT_EQ(result.status, r.status) << r.args.back() << ": " << result.err;
        EXPECT_NE(result.err.find(r.message), std::string::npos) << result.err;
    }
    EXPECT_EQ(TableText(file), "3\t1\r\n1\t3\r\n") << "a refused command writes nothing";
}

// A table file read, edited, written as Save Table writes it and read back.
TEST_F(CliTable, tableFromFileThroughEditsBackToTheSamePoints)
{
    const std::string table = Write("in.txt", "x y\n5 25\n1 1\n3,5 12,25\n");
    const std::string file = Path("t.vgr");
    ASSERT_EQ(RunCliCommand({"new", file, "--add-table-file", table}).status, 0);
    ASSERT_EQ(RunCliCommand({"table-edit", file, "--graph", "1", "sort", "x-asc"}).status, 0);
    ASSERT_EQ(RunCliCommand({"table-edit", file, "--graph", "1", "modify", "y", "y-x^2"}).status, 0);
    for (std::vector<std::string> form : {std::vector<std::string>{"--format", "mEp"},
                                          std::vector<std::string>{"--format", "power", "--comma"}}) {
        const std::string saved = Write("saved.txt", TableText(file, form));
        EXPECT_EQ(RunCliCommand({"table-read", saved}).out, "1 0\n3.5 0\n5 0\n");
    }
}

}  // namespace
}  // namespace vg
