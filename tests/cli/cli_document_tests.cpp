#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "cli/cli.h"

namespace vg {
namespace {

namespace fs = std::filesystem;

struct Result {
    int status;
    std::string out, err;
};

Result RunDocumentCli(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    int status = RunCli(args, out, err);
    return {status, out.str(), err.str()};
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

class CliDocument : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("vg_cli_document_" + std::to_string(::getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string Path(const std::string& name) const { return (dir / name).string(); }
    fs::path dir;
};

TEST_F(CliDocument, newInfoCheck_describeEveryKind)
{
    std::string file = Path("all.vgr");
    Result made = RunDocumentCli({"new", file, "--add", "YFromX", "SIN(X)", "--add", "XFromY", "Y^2", "--add", "Polar", "1",
                       "--add", "Param", "COS(T);SIN(T)", "--add", "Equation", "X^2+Y^2-1", "--relation", "<0",
                       "--add", "DifField", "X*Y", "--add", "Table", "1,2;3,4.5"});
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_EQ(fs::file_size(file), 9u * 2028);

    Result check = RunDocumentCli({"check", file});
    EXPECT_EQ(check.status, 0);
    EXPECT_EQ(check.out, "valid\n");

    Result info = RunDocumentCli({"info", file});
    ASSERT_EQ(info.status, 0);
    EXPECT_EQ(info.out,
              "1: Y(x)=SIN(X)\n2: X(y)=Y^2\n3: R(a)=1\n4: X(t)=COS(T); Y(t)=SIN(T)\n5: X^2+Y^2-1<0\n"
              "6: dy/dx=X*Y\n7: Table: 2 items\ninterval: X -10 .. 10; Y -10 .. 10\n");
}

TEST_F(CliDocument, new_givesEachGraphAColourOfItsOwn)
{
    std::string file = Path("colours.vgr");
    ASSERT_EQ(RunDocumentCli({"new", file, "--add", "YFromX", "X", "--add", "Polar", "1", "--add", "Table", "1,2"}).status,
              0);
    std::ifstream in(file, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
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
    ASSERT_EQ(RunDocumentCli({"new", file, "--add", "YFromX", "1/X", "--add", "Table", "3,1;1,2"}).status, 0);
    Result r = RunDocumentCli({"compute", file, "--graph", "1"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 202u);
    EXPECT_EQ(lines[0], "graph 1: Y(x)=1/X: 201 points");
    EXPECT_EQ(lines[1], "-10 -0.1");
    EXPECT_EQ(lines[101], "0 inf");
    EXPECT_EQ(lines[201], "10 0.1");

    Result table = RunDocumentCli({"compute", file, "--graph", "2"});
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
        {{"check", broken}, 2, "Incorrect format of the file\n", ""},
        {{"check", Path("missing.vgr")}, 2, "Input-output error\n", ""},
        {{"info", broken}, 2, "", "vgraph-cli info: Incorrect format of the file"},
        {{"compute", broken}, 2, "", "vgraph-cli compute: Incorrect format of the file"},
        {{"new", Path("x.vgr"), "--add", "YFromX", "SIN(X"}, 2, "", "vgraph-cli new: SIN(X: not enough ')'"},
        {{"new", Path("x.vgr"), "--add", "Table", "1,2;1e101,3"}, 2, "", "vgraph-cli new: 1,2;1e101,3: bad table point"},
        {{"new", Path("x.vgr"), "--add", "Integral", "X"}, 64, "", "vgraph-cli new: unknown kind"},
        {{"new", Path("x.vgr"), "--add", "YFromX", "X", "--relation", "<0"}, 64, "", "vgraph-cli new: --relation"},
        {{"check"}, 64, "", "usage"},
    };
    for (const Row& row : rows) {
        Result r = RunDocumentCli(row.args);
        EXPECT_EQ(r.status, row.status) << row.args[0] << " " << r.err;
        EXPECT_EQ(r.out, row.out) << row.args[0];
        EXPECT_EQ(r.err.rfind(row.errStart, 0), 0u) << r.err;
    }
}

}  // namespace
}  // namespace vg
