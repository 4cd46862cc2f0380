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

using CliDocument = CliFiles;

TEST_F(CliDocument, newInfoCheck_describeEveryKind)
{
    std::string file = Path("all.vgr");
    CliResult made = RunCliCommand({"new", file, "--add", "YFromX", "SIN(X)", "--add", "XFromY", "Y^2", "--add", "Polar", "1",
                       "--add", "Param", "COS(T);SIN(T)", "--add", "Equation", "X^2+Y^2-1", "--relation", "<0",
                       "--add", "DifField", "X*Y", "--add", "Table", "1,2;3,4.5"});
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_EQ(fs::file_size(file), 9u * 2028);

    CliResult check = RunCliCommand({"check", file});
    EXPECT_EQ(check.status, 0);
    EXPECT_EQ(check.out, "valid\n");

    CliResult info = RunCliCommand({"info", file});
    ASSERT_EQ(info.status, 0);
    EXPECT_EQ(info.out,
              "1: Y(x)=SIN(X)\n2: X(y)=Y^2\n3: R(a)=1\n4: X(t)=COS(T); Y(t)=SIN(T)\n5: X^2+Y^2-1<0\n"
              "6: dy/dx=X*Y\n7: Table: 2 items\ninterval: X -10 .. 10; Y -10 .. 10\n");
}

TEST_F(CliDocument, new_givesEachGraphAColourOfItsOwn)
{
    std::string file = Path("colours.vgr");
    ASSERT_EQ(RunCliCommand({"new", file, "--add", "YFromX", "X", "--add", "Polar", "1", "--add", "Table", "1,2"}).status,
              0);
    const std::string bytes = FileBytes(file);
    ASSERT_EQ(bytes.size(), 5u * 2028);
    // The default colour 2 first, then the least used ones in order.
    const int colourOffset = 7;
    EXPECT_EQ(bytes[2 * 2028 + colourOffset], 2);
    EXPECT_EQ(bytes[3 * 2028 + colourOffset], 1);
    EXPECT_EQ(bytes[4 * 2028 + colourOffset], 3);
}

TEST_F(CliDocument, compute_printsOnePointPerLine)
{
    std::string file = Path("one.vgr");
    ASSERT_EQ(RunCliCommand({"new", file, "--add", "YFromX", "1/X", "--add", "Table", "3,1;1,2"}).status, 0);
    CliResult r = RunCliCommand({"compute", file, "--graph", "1"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 202u);
    EXPECT_EQ(lines[0], "graph 1: Y(x)=1/X: 201 points");
    EXPECT_EQ(lines[1], "-10 -0.1");
    EXPECT_EQ(lines[101], "0 inf");
    EXPECT_EQ(lines[201], "10 0.1");

    CliResult table = RunCliCommand({"compute", file, "--graph", "2"});
    EXPECT_EQ(table.out, "graph 2: Table: 2 items: 2 points\n1 2\n3 1\n");
}

TEST_F(CliDocument, badInput_givesTheMessagesAndExitCodes)
{
    std::string broken = Path("broken.vgr");
    std::ofstream(broken, std::ios::binary) << std::string(10, 'x');
    struct Row {
        std::vector<std::string> args;
        int status;
        std::string out;
        std::string errStart;
    };
    const Row rows[] = {
        {{"check", broken}, 2, "invalid\n", "vgraph-cli: " + broken + ": Incorrect format of the file\n"},
        {{"check", Path("missing.vgr")}, 2, "invalid\n", "vgraph-cli: " + Path("missing.vgr") + ": Input-output error\n"},
        {{"info", broken}, 2, "", "vgraph-cli: " + broken + ": Incorrect format of the file\n"},
        {{"compute", broken}, 2, "", "vgraph-cli: " + broken + ": Incorrect format of the file\n"},
        {{"new", Path("x.vgr"), "--add", "YFromX", "SIN(X"}, 2, "", "vgraph-cli: SIN(X: not enough ')'"},
        {{"new", Path("x.vgr"), "--add", "Table", "1,2;1e101,3"}, 2, "", "vgraph-cli: 1,2;1e101,3: bad table point"},
        {{"new", Path("x.vgr"), "--add", "Integral", "X"}, 64, "", "vgraph-cli: new: unknown kind"},
        {{"new", Path("x.vgr"), "--add", "YFromX", "X", "--relation", "<0"}, 64, "", "vgraph-cli: new: --relation"},
        {{"new", Path("x.vgr"), "--add", "YFromX"}, 64, "", "vgraph-cli: new: --add needs KIND and FORMULA"},
        {{"compute", broken, "--graph"}, 64, "", "vgraph-cli: compute: --graph needs"},
        {{"check"}, 64, "", "vgraph-cli: check: "},
        {{"info", "a.vgr", "b.vgr"}, 64, "", "vgraph-cli: info: "},
    };
    for (const Row& row : rows) {
        CliResult r = RunCliCommand(row.args);
        EXPECT_EQ(r.status, row.status) << row.args[0] << " " << r.err;
        EXPECT_EQ(r.out, row.out) << row.args[0];
        EXPECT_EQ(r.err.rfind(row.errStart, 0), 0u) << r.err;
    }
    EXPECT_FALSE(fs::exists(Path("x.vgr")));
}

// "Empty formula", exit 2 and no file, whatever the kind of the graph.
TEST_F(CliDocument, new_refusesEmptyFormulas_andWritesNothing)
{
    const std::vector<std::vector<std::string>> adds = {
        {"YFromX", ""}, {"XFromY", "  "}, {"Polar", ""}, {"Param", "COS(T);"}, {"Param", ";SIN(T)"},
        {"Equation", ""}, {"DifField", " "},
    };
    for (const auto& add : adds) {
        CliResult r = RunCliCommand({"new", Path("e.vgr"), "--add", "YFromX", "X", "--add", add[0], add[1]});
        EXPECT_EQ(r.status, 2) << add[0];
        EXPECT_EQ(r.err, "vgraph-cli: Empty formula\n") << add[0];
        EXPECT_FALSE(fs::exists(Path("e.vgr"))) << add[0];
    }
    // A table without points is no formula: it may be empty.
    EXPECT_EQ(RunCliCommand({"new", Path("e.vgr"), "--add", "Table", ""}).status, 0);
}

// A document is a whole number of 2028-byte records: a cut-off file is
// refused by every command instead of losing its last graphs.
TEST_F(CliDocument, cutOffDocuments_areRefusedByEveryCommand)
{
    std::string good = Path("good.vgr");
    ASSERT_EQ(RunCliCommand({"new", good, "--add", "YFromX", "X", "--add", "Polar", "1", "--add", "Table", "1,2"}).status,
              0);
    const std::string bytes = FileBytes(good);
    for (std::size_t size : {std::size_t{9000}, std::size_t{5000}, bytes.size() - 1}) {
        const std::string cut = Path("cut.vgr");
        std::ofstream(cut, std::ios::binary | std::ios::trunc) << bytes.substr(0, size);
        const std::string message = "vgraph-cli: " + cut + ": Incorrect format of the file\n";
        for (const char* command : {"check", "info", "compute"}) {
            CliResult r = RunCliCommand({command, cut});
            EXPECT_EQ(r.status, 2) << command << " " << size;
            EXPECT_EQ(r.err, message) << command << " " << size;
        }
    }
}

// Writers never make folders: a missing one is a write error.
TEST_F(CliDocument, new_intoMissingFolder_failsWithoutCreatingIt)
{
    const std::string file = Path("no/such/dir/x.vgr");
    CliResult r = RunCliCommand({"new", file, "--add", "YFromX", "X"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "vgraph-cli: " + file + ": Input-output error\n");
    EXPECT_FALSE(fs::exists(Path("no")));
}

// Through a symbolic link the target is written and the link stays.
TEST_F(CliDocument, new_throughSymbolicLink_writesTheTarget)
{
    fs::create_directories(Folder() / "real");
    fs::create_symlink("real/doc.vgr", Folder() / "link.vgr");
    ASSERT_EQ(RunCliCommand({"new", Path("link.vgr"), "--add", "YFromX", "X"}).status, 0);
    EXPECT_TRUE(fs::is_symlink(Folder() / "link.vgr"));
    EXPECT_EQ(fs::file_size(Folder() / "real" / "doc.vgr"), 3u * 2028);
}

}  // namespace
}  // namespace vg
