#include <gtest/gtest.h>

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
        const char* message;
    };
    const Row rows[] = {
        {{"render", dir + "/doc.vgr", dir + "/p.bmp", "--size", "99x200"}, "This value must be an integer"},
        {{"render", dir + "/doc.vgr", dir + "/p.bmp", "--size", "200x3001"}, "from 100 up to 3000"},
        {{"render", dir + "/doc.vgr", dir + "/p.bmp", "--scale", "11"}, "This value must be a number"},
        {{"render", dir + "/doc.vgr", dir + "/p.jpg"}, ".bmp, .gif, .png, .svg or .pdf"},
        {{"render", dir + "/doc.vgr"}, "Usage"},
        {{"render", dir + "/bad.vgr", dir + "/p.bmp"}, "Incorrect format of the file"},
    };
    for (const Row& r : rows) {
        std::string out, err;
        EXPECT_EQ(RunCommand(r.args, out, err), 2) << r.message;
        EXPECT_NE(err.find(r.message), std::string::npos) << err;
    }
    EXPECT_TRUE(test::ReadFileBytes(dir + "/p.bmp").empty());
}

}  // namespace
}  // namespace vg
