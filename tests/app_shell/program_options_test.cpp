#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "app/program_options.h"
#include "app/recent_files.h"
#include "platform/profile_file.h"

namespace vg {
namespace {

namespace fs = std::filesystem;

// A fresh configuration folder per test, with real files in it.
class ProgramOptionsFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() /
               ("vg_options_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override
    {
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir_);
    }

    std::string Ini() const { return (dir_ / "VGraph.ini").string(); }
    void WriteIni(const std::string& text) const { std::ofstream(Ini()) << text; }
    std::string ReadIni() const
    {
        std::stringstream s;
        s << std::ifstream(Ini()).rdbuf();
        return s.str();
    }
    TProgramOptions Read(int screenWidth = 1024, int screenHeight = 768) const
    {
        TProgramOptions options;
        ReadProgramOptions(options, ProfileFile(Ini()), screenWidth, screenHeight);
        return options;
    }

    fs::path dir_;
};

TEST_F(ProgramOptionsFiles, defaults_whenFileMissing)
{
    const TProgramOptions o = Read();
    EXPECT_EQ(o.ResearchMinX, -10);
    EXPECT_EQ(o.ResearchMaxX, 10);
    EXPECT_TRUE(o.FindZeroes);
    EXPECT_TRUE(o.FindExtremums);
    EXPECT_FALSE(o.UseDerivative);
    EXPECT_EQ(o.DigitsNum, 2);
    EXPECT_EQ(o.ResearchStepsNum, 200);
    EXPECT_EQ(o.ValueTableStep, 1);
    EXPECT_EQ(o.IntegrateStepsNum, 200);
    EXPECT_TRUE(o.Common.FuncPanelDelConfirmation);
    EXPECT_TRUE(o.Common.FunctionNewColor);
    EXPECT_FALSE(o.Common.AutoMaximize);
    EXPECT_TRUE(o.Common.ZoomTableWindow);
    EXPECT_EQ(o.PictureWidth, 400);
    EXPECT_EQ(o.PictureHeight, 200);
    EXPECT_EQ(o.ScaleFactor, 1);
    EXPECT_TRUE(o.StandardPanel && o.GraphsPanel && o.CalcPanel);
    EXPECT_EQ(o.RegressionType, 1);
    EXPECT_EQ(o.PolynomPower, 2);
    EXPECT_TRUE(o.DecimalPoint);
    EXPECT_FALSE(o.GraphsListVisible);
    EXPECT_EQ(o.GraphsList.Width, 280);
    EXPECT_EQ(o.GraphsList.Left, 30);
    for (const std::string& file : o.LastFiles) EXPECT_EQ(file, "");
    EXPECT_EQ(o.Toolbars[1].DockRow, 1);
    EXPECT_EQ(o.Toolbars[2].DockPos, 586);
}

struct KeyCase {
    const char* ini;
    long double (*field)(const TProgramOptions&);
    long double expected;
};

TEST_F(ProgramOptionsFiles, storedValuesAreCheckedAgainstTheirRanges)
{
    const KeyCase cases[] = {
        {"[Research]\nMinX=5\nMaxX=3\n", [](const TProgramOptions& o) { return o.ResearchMinX; }, -10},
        {"[Research]\nMinX=5\nMaxX=3\n", [](const TProgramOptions& o) { return o.ResearchMaxX; }, 10},
        {"[Research]\nMinX=2*10^(-3)\n", [](const TProgramOptions& o) { return o.ResearchMinX; }, 0.002L},
        {"[Research]\nMinX=abc\n", [](const TProgramOptions& o) { return o.ResearchMinX; }, -10},
        {"[Research]\nMinX=2E3\n", [](const TProgramOptions& o) { return o.ResearchMinX; }, -10},
        {"[Research]\nMaxX=2*10^101\n", [](const TProgramOptions& o) { return o.ResearchMaxX; }, 10},
        {"[Research]\nStepsNum=99\n", [](const TProgramOptions& o) -> long double { return o.ResearchStepsNum; }, 200},
        {"[Research]\nStepsNum=100\n", [](const TProgramOptions& o) -> long double { return o.ResearchStepsNum; }, 100},
        {"[Research]\nStepsNum=20000\n", [](const TProgramOptions& o) -> long double { return o.ResearchStepsNum; }, 20000},
        {"[Research]\nStepsNum=20001\n", [](const TProgramOptions& o) -> long double { return o.ResearchStepsNum; }, 200},
        {"[Research]\nDigitsNum=-3\n", [](const TProgramOptions& o) -> long double { return o.DigitsNum; }, 3},
        {"[Research]\nDigitsNum=6\n", [](const TProgramOptions& o) -> long double { return o.DigitsNum; }, 2},
        {"[Research]\nDigitsNum=0\n", [](const TProgramOptions& o) -> long double { return o.DigitsNum; }, 0},
        {"[Research]\nDigitsNum=-2147483648\n", [](const TProgramOptions& o) -> long double { return o.DigitsNum; }, 2},
        {"[Research]\nDigitsNum=-5\n", [](const TProgramOptions& o) -> long double { return o.DigitsNum; }, 5},
        {"[ValueTable]\nStep=0\n", [](const TProgramOptions& o) { return o.ValueTableStep; }, 1},
        {"[ValueTable]\nStep=-2\n", [](const TProgramOptions& o) { return o.ValueTableStep; }, 1},
        {"[ValueTable]\nStep=0.5\n", [](const TProgramOptions& o) { return o.ValueTableStep; }, 0.5L},
        {"[Picture]\nScale=1\nScaleFactor=2\n", [](const TProgramOptions& o) { return o.ScaleFactor; }, 2},
        {"[Picture]\nScale=0\nScaleFactor=2\n", [](const TProgramOptions& o) { return o.ScaleFactor; }, 1},
        {"[Picture]\nScale=1\nScaleFactor=0.5\n", [](const TProgramOptions& o) { return o.ScaleFactor; }, 1},
        {"[Picture]\nScale=0\nScaleFactor=0.5\n", [](const TProgramOptions& o) { return o.ScaleFactor; }, 1},
        {"[Picture]\nScale=1\nScaleFactor=11\n", [](const TProgramOptions& o) { return o.ScaleFactor; }, 1},
        {"[Picture]\nWidth=99\n", [](const TProgramOptions& o) -> long double { return o.PictureWidth; }, 400},
        {"[Picture]\nHeight=3000\n", [](const TProgramOptions& o) -> long double { return o.PictureHeight; }, 3000},
        {"[Picture]\nHeight=3001\n", [](const TProgramOptions& o) -> long double { return o.PictureHeight; }, 200},
        {"[Regression]\nRegressionType=9\n", [](const TProgramOptions& o) -> long double { return o.RegressionType; }, 1},
        {"[Regression]\nRegressionType=8\n", [](const TProgramOptions& o) -> long double { return o.RegressionType; }, 8},
        {"[Regression]\nPolynomPower=1\n", [](const TProgramOptions& o) -> long double { return o.PolynomPower; }, 2},
        {"[Regression]\nPolynomPower=9\n", [](const TProgramOptions& o) -> long double { return o.PolynomPower; }, 9},
        {"[GraphsList]\nLeft=5000\n", [](const TProgramOptions& o) -> long double { return o.GraphsList.Left; }, 30},
        {"[GraphsList]\nLeft=1023\n", [](const TProgramOptions& o) -> long double { return o.GraphsList.Left; }, 1023},
        {"[GraphsList]\nTop=768\n", [](const TProgramOptions& o) -> long double { return o.GraphsList.Top; }, 70},
        {"[Integrate]\nStepsNum=7\n", [](const TProgramOptions& o) -> long double { return o.IntegrateStepsNum; }, 7},
    };
    for (const KeyCase& c : cases) {
        WriteIni(c.ini);
        EXPECT_EQ(c.field(Read()), c.expected) << c.ini;
    }
}

TEST_F(ProgramOptionsFiles, writeThenRead_keepsEveryValue)
{
    TProgramOptions o;
    o.ResearchMinX = -2.5L;
    o.ResearchMaxX = 1234567.5L;
    o.DigitsNum = 4;
    o.ValueTableStep = 0.25L;
    o.IntegrateMaxX = 3.5L;
    o.Common.AutoMaximize = true;
    o.Common.Languages = "Deutsch";
    o.Scale = true;
    o.ScaleFactor = 2.5L;
    o.PictureWidth = 640;
    o.CalcPanel = false;
    o.GraphsListVisible = true;
    o.GraphsList = {300, 200, 40, 80};
    o.LastFiles = {"/a/one.vgr", "/b/two & three.vgr", "", ""};
    o.Toolbars[2].DockedTo = "DockLeft";
    o.Toolbars[2].DockRow = 3;
    o.ToolbarState = "AAAA/w==";
    ProfileFile file(Ini());
    ASSERT_TRUE(WriteProgramOptions(o, file));

    const TProgramOptions back = Read();
    EXPECT_EQ(back.ResearchMinX, -2.5L);
    EXPECT_EQ(back.ResearchMaxX, 1234567.5L);
    EXPECT_EQ(back.DigitsNum, 4);
    EXPECT_EQ(back.ValueTableStep, 0.25L);
    EXPECT_EQ(back.IntegrateMaxX, 3.5L);
    EXPECT_TRUE(back.Common.AutoMaximize);
    EXPECT_EQ(back.Common.Languages, "Deutsch");
    EXPECT_EQ(back.ScaleFactor, 2.5L);
    EXPECT_EQ(back.PictureWidth, 640);
    EXPECT_FALSE(back.CalcPanel);
    EXPECT_TRUE(back.GraphsListVisible);
    EXPECT_EQ(back.GraphsList.Height, 200);
    EXPECT_EQ(back.LastFiles, o.LastFiles);
    EXPECT_EQ(back.Toolbars[2].DockedTo, "DockLeft");
    EXPECT_EQ(back.Toolbars[2].DockRow, 3);
    EXPECT_EQ(back.ToolbarState, "AAAA/w==");
}

TEST_F(ProgramOptionsFiles, write_putsSectionsInTheirOrderWithDisplayNumbers)
{
    TProgramOptions o;
    o.ResearchMaxX = 1e7L;
    ProfileFile file(Ini());
    ASSERT_TRUE(WriteProgramOptions(o, file));
    const std::string text = ReadIni();
    const char* order[] = {"[Research]", "[Integrate]", "[ValueTable]", "[Panels]", "[Common]",
                           "[Regression]", "[Picture]", "[Replace]", "[International]",
                           "[GraphsList]", "[Print]", "[Files]", "[StandardToolbar]",
                           "[GraphsToolbar]", "[CalcToolbar]", "[Toolbars]"};
    std::size_t last = 0;
    for (const char* section : order) {
        const std::size_t at = text.find(section);
        ASSERT_NE(at, std::string::npos) << section;
        EXPECT_GT(at + 1, last) << section;
        last = at;
    }
    EXPECT_NE(text.find("MaxX=1*10^7"), std::string::npos);
    EXPECT_NE(text.find("DockedTo=DockTop"), std::string::npos);
}

TEST_F(ProgramOptionsFiles, write_failsAndKeepsNothingHalfWritten_whenFolderIsReadOnly)
{
    if (::geteuid() == 0) GTEST_SKIP() << "root ignores folder permissions";
    WriteIni("[Research]\nMinX=1\n");
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    TProgramOptions o;
    ProfileFile file(Ini());
    EXPECT_FALSE(WriteProgramOptions(o, file));
    fs::permissions(dir_, fs::perms::owner_all);
    EXPECT_EQ(ReadIni(), "[Research]\nMinX=1\n");
}

TEST_F(ProgramOptionsFiles, write_fails_whenTargetIsAFolder)
{
    fs::create_directories(Ini());
    TProgramOptions o;
    ProfileFile file(Ini());
    EXPECT_FALSE(WriteProgramOptions(o, file));
}

TEST(RecentFiles, addRecentFile_movesOrInsertsAtTheHead)
{
    struct Case {
        TLastFiles before;
        const char* path;
        TLastFiles after;
    } cases[] = {
        {{"a", "b", "c", "d"}, "b", {"b", "a", "c", "d"}},
        {{"b", "a", "c", "d"}, "e", {"e", "b", "a", "c"}},
        {{"a", "b", "c", "d"}, "a", {"a", "b", "c", "d"}},
        {{"a", "b", "c", "d"}, "d", {"d", "a", "b", "c"}},
        {{"a", "b", "c", "d"}, "B", {"B", "a", "b", "c"}},
        {{"", "", "", ""}, "x", {"x", "", "", ""}},
        {{"x", "", "", ""}, "y", {"y", "x", "", ""}},
    };
    for (const Case& c : cases) {
        TLastFiles files = c.before;
        AddRecentFile(files, c.path);
        EXPECT_EQ(files, c.after) << c.path;
    }
}

TEST(RecentFiles, caption_shortensLongNamesAndDoublesAmpersands)
{
    const std::string name30 = "abcdefghijklmnopqrstuvwxyz.vgr";      // 30 characters
    const std::string name31 = "abcdefghijklmnopqrstuvwxyz1.vgr";     // 31 characters
    ASSERT_EQ(name30.size(), 30u);
    struct Case {
        int k;
        std::string path;
        std::string caption;
    } cases[] = {
        {1, "/home/u/" + name30, "&1 " + name30},
        {2, "/home/u/" + name31, "&2 abcdefghijklmnopqrst...yz1.vgr"},
        {3, "/x/Tom & Jerry.vgr", "&3 Tom && Jerry.vgr"},
        {4, "plain.vgr", "&4 plain.vgr"},
        {1, "/d/äöüäöüäöüäöüäöüäöüäöüäöüäöüäöü.vgr", "&1 äöüäöüäöüäöüäöüäöüäö...äöü.vgr"},
    };
    for (const Case& c : cases) EXPECT_EQ(RecentFileCaption(c.k, c.path), c.caption) << c.path;
}

}  // namespace
}  // namespace vg
