#include "platform/profile_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

namespace vg {
namespace {

namespace fs = std::filesystem;

class ProfileFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() /
               ("vg_profile_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }

    static std::string ReadText(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    void WriteText(const std::string& path, const std::string& text)
    {
        fs::create_directories(dir_);
        std::ofstream(path, std::ios::binary) << text;
    }

    fs::path dir_;
};

TEST(ProfileFile, readsValues_whenSectionAndKeyDifferInCase)
{
    ProfileFile f = ProfileFile::FromText(
        "; comment\n[Common]\n  Languages = ?german.vgl?  \nAutoMaximize=1\n"
        "[research]\nMinX=-5\n");
    struct Row {
        const char* section;
        const char* key;
        const char* expected;
    } rows[] = {
        {"common", "LANGUAGES", "?german.vgl?"},
        {"COMMON", "automaximize", "1"},
        {"Research", "minx", "-5"},
        {"Research", "MaxX", "dflt"},
        {"Missing", "MinX", "dflt"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(f.ReadString(r.section, r.key, "dflt"), r.expected) << r.section << "/" << r.key;
    }
}

TEST(ProfileFile, firstDuplicateCounts_whenSectionOrKeyRepeats)
{
    ProfileFile f = ProfileFile::FromText("[A]\nk=1\nk=2\n[B]\nk=3\n[a]\nk=4\nj=5\n");
    EXPECT_EQ(f.ReadString("A", "k", ""), "1");
    EXPECT_EQ(f.ReadString("A", "j", "none"), "none");
    EXPECT_EQ(f.ReadString("B", "k", ""), "3");
}

TEST(ProfileFile, integersAreDecimalOnly_otherTextsGiveDefault)
{
    ProfileFile f = ProfileFile::FromText(
        "[S]\na=42\nb=-7\nc= +3 \nd=0x10\ne=12abc\nf=\ng=99999999999\nh=1.5\ni=nan\n");
    struct Row {
        const char* key;
        int expected;
    } rows[] = {{"a", 42}, {"b", -7}, {"c", 3},   {"d", 11}, {"e", 11},
                {"f", 11}, {"g", 11}, {"h", 11}, {"i", 11}, {"missing", 11}};
    for (const Row& r : rows) EXPECT_EQ(f.ReadInteger("S", r.key, 11), r.expected) << r.key;
    EXPECT_TRUE(f.ReadBool("S", "a", false));
    EXPECT_FALSE(ProfileFile::FromText("[S]\nz=0\n").ReadBool("S", "z", true));
    EXPECT_TRUE(f.ReadBool("S", "missing", true));
}

TEST(ProfileFile, readsWhatMakesSense_whenFileIsMalformed)
{
    const char raw[] = "[S]\nno equals sign\n\x01\x02\xff\xfe=\0binary\n=novalue\nk=v";
    std::string junk(raw, sizeof raw - 1);
    junk += "\n" + std::string(200000, 'x') + "\n[T]\nlong=" + std::string(100000, 'y');
    ProfileFile f = ProfileFile::FromText(junk);
    EXPECT_EQ(f.ReadString("S", "k", ""), "v");
    EXPECT_EQ(f.ReadString("T", "long", "").size(), 100000u);
    EXPECT_EQ(f.ReadString("S", "", "dflt"), "dflt");
    ProfileFile crlf = ProfileFile::FromText("\xEF\xBB\xBF[S]\r\nk=v\r\n[Unclosed\r\nu=1");
    EXPECT_EQ(crlf.ReadString("S", "k", ""), "v");
    EXPECT_EQ(crlf.ReadString("Unclosed", "u", ""), "1");
}

TEST_F(ProfileFileTest, createsFileAndSettingsFolder_onFirstWrite)
{
    std::string path = PathOf("sub/VGraph.ini");
    const std::string oldConfig = std::getenv("VGRAPH_CONFIG_DIR") ? std::getenv("VGRAPH_CONFIG_DIR") : "";
    ::setenv("VGRAPH_CONFIG_DIR", PathOf("sub").c_str(), 1);
    ProfileFile f(path);
    EXPECT_TRUE(f.Readable());
    EXPECT_EQ(f.ReadString("Common", "Languages", "none"), "none");
    ASSERT_TRUE(f.WriteString("Common", "Languages", "?german.vgl?"));
    ASSERT_TRUE(f.WriteInteger("Picture", "Width", 400));
    ASSERT_TRUE(f.WriteBool("Picture", "Scale", true));
    EXPECT_EQ(ReadText(path), "[Common]\nLanguages=?german.vgl?\n[Picture]\nWidth=400\nScale=1\n");
    ProfileFile again(path);
    EXPECT_EQ(again.ReadInteger("picture", "width", 0), 400);

    // Only the settings folder is made: a file elsewhere needs its folder.
    std::string elsewhere = PathOf("other/VGraph.ini");
    ProfileFile g(elsewhere);
    EXPECT_FALSE(g.WriteString("Common", "Languages", "?german.vgl?"));
    EXPECT_FALSE(fs::exists(PathOf("other")));
    if (oldConfig.empty()) ::unsetenv("VGRAPH_CONFIG_DIR");
    else ::setenv("VGRAPH_CONFIG_DIR", oldConfig.c_str(), 1);
}

TEST_F(ProfileFileTest, keepsOtherLines_whenValueIsReplacedOrAdded)
{
    std::string path = PathOf("VGraph.ini");
    WriteText(path, "; my notes\n[Research]\nMINX=1\njunk line\n\n[Files]\nFile1=/a.vgr\n");
    ProfileFile f(path);
    f.BeginUpdate();
    f.WriteString("research", "MinX", "-10");
    f.WriteString("Research", "MaxX", "10");
    f.WriteString("Files", "File2", "line\nbreak");
    EXPECT_EQ(ReadText(path).find("MinX=-10"), std::string::npos);  // still collected
    ASSERT_TRUE(f.EndUpdate());
    EXPECT_EQ(ReadText(path),
              "; my notes\n[Research]\nMinX=-10\njunk line\nMaxX=10\n\n[Files]\nFile1=/a.vgr\n"
              "File2=line break\n");
}

TEST_F(ProfileFileTest, leavesNoTemporaryFile_andKeepsOldFile_whenWriteFails)
{
    std::string path = PathOf("VGraph.ini");
    WriteText(path, "[S]\nk=old\n");
    ProfileFile f(path);
    ASSERT_TRUE(f.WriteString("S", "k", "new"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);

    // A folder where the file should be: nothing can be written, nothing breaks.
    std::string blocked = PathOf("blocked.ini");
    fs::create_directories(blocked);
    ProfileFile g(blocked);
    EXPECT_FALSE(g.Readable());
    EXPECT_FALSE(g.WriteString("S", "k", "v"));
    EXPECT_TRUE(fs::is_directory(blocked));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 2);
}

}  // namespace
}  // namespace vg
