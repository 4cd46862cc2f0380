#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/cli.h"
#include "document/document_file.h"
#include "drawing/picture_test_support.h"
#include "drawing/sample_documents.h"

namespace vg {
namespace {

int RunCommand(const std::vector<std::string>& args, std::string& out, std::string& err)
{
    std::ostringstream o, e;
    int code = RunCli(args, o, e);
    out = o.str();
    err = e.str();
    return code;
}

TEST(CliRender, writesThePictureOfTheExtension)
{
    std::string dir = test::TempFolder("cli-render");
    auto doc = test::MakeSample("functions");
    ASSERT_TRUE(WriteDocument(*doc, dir + "/doc.vgr"));
    std::string out, err;
    ASSERT_EQ(RunCommand({"render", dir + "/doc.vgr", dir + "/p.gif", "--size", "320x200", "--scale", "1.5"}, out, err), 0)
        << err;
    IndexImage gif;
    ASSERT_TRUE(test::DecodeGif(test::ReadFileBytes(dir + "/p.gif"), gif));
    EXPECT_EQ(gif.width, 320);
    EXPECT_EQ(gif.height, 200);
    ASSERT_EQ(RunCommand({"render", dir + "/doc.vgr", dir + "/p.bmp"}, out, err), 0) << err;
    IndexImage bmp;
    ASSERT_TRUE(test::DecodeBmp4(test::ReadFileBytes(dir + "/p.bmp"), bmp));
    EXPECT_EQ(bmp.width, 800);
}

TEST(CliRender, refusesBadOptionsAndDocumentsWithExit2)
{
    std::string dir = test::TempFolder("cli-render-bad");
    auto doc = test::NewDocument();
    ASSERT_TRUE(WriteDocument(*doc, dir + "/doc.vgr"));
    test::WriteFileBytes(dir + "/bad.vgr", {1, 2, 3});
    struct Row {
        std::vector<std::string> args;
        std::string message;
    };
    const Row rows[] = {
        {{"render", dir + "/doc.vgr", dir + "/p.bmp", "--size", "99x200"}, "This value must be an integer"},
        // The option and the form it takes are named.
        {{"render", dir + "/doc.vgr", dir + "/p.bmp", "--size", "100"},
         "vgraph-cli: render: --size WxH: This value must be an integer from 100 up to 3000 (got '100')"},
        {{"render", dir + "/doc.vgr", dir + "/p.bmp", "--scale", "x"}, "vgraph-cli: render: --scale S: "},
        {{"render", dir + "/doc.vgr", dir + "/p.bmp", "--size", "200x3001"}, "from 100 up to 3000"},
        {{"render", dir + "/doc.vgr", dir + "/p.bmp", "--scale", "11"}, "This value must be a number"},
        {{"render", dir + "/doc.vgr", dir + "/p.jpg"}, ".bmp, .gif, .png, .svg or .pdf"},
        {{"render", dir + "/doc.vgr"}, "Usage"},
        {{"render", dir + "/bad.vgr", dir + "/p.bmp"}, "vgraph-cli: " + dir + "/bad.vgr: Incorrect format of the file"},
    };
    for (const Row& r : rows) {
        std::string out, err;
        EXPECT_EQ(RunCommand(r.args, out, err), 2) << r.message;
        EXPECT_NE(err.find(r.message), std::string::npos) << err;
    }
    EXPECT_TRUE(test::ReadFileBytes(dir + "/p.bmp").empty());
}

// A missing folder is a write error (exit 1), and no folder is made.
TEST(CliRender, intoMissingFolder_failsWithFileWriteError)
{
    std::string dir = test::TempFolder("cli-render-folder");
    auto doc = test::NewDocument();
    ASSERT_TRUE(WriteDocument(*doc, dir + "/doc.vgr"));
    std::string out, err;
    EXPECT_EQ(RunCommand({"render", dir + "/doc.vgr", dir + "/rdir/sub/o.png"}, out, err), 1);
    EXPECT_EQ(err, "vgraph-cli: " + dir + "/rdir/sub/o.png: File write error\n");
    EXPECT_FALSE(std::filesystem::exists(dir + "/rdir"));
}

}  // namespace
}  // namespace vg
