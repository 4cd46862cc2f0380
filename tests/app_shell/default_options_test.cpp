#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "app/default_options.h"

namespace vg {
namespace {

namespace fs = std::filesystem;

class DefaultOptionsFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() /
               ("vg_cfg_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Cfg() const { return (dir_ / "VGraph.cfg").string(); }
    void WriteBytes(const std::string& bytes) const { std::ofstream(Cfg(), std::ios::binary) << bytes; }
    std::string ReadBytes() const
    {
        std::stringstream s;
        s << std::ifstream(Cfg(), std::ios::binary).rdbuf();
        return s.str();
    }

    fs::path dir_;
};

DocumentOptions ChangedOptions()
{
    DocumentOptions options = DefaultDocumentOptions();
    options.MinX = -3.0L;
    options.MaxX = 7.0L;
    options.HorLines = 1;
    return options;
}

ViewSettings ChangedView()
{
    ViewSettings view = DefaultViewSettings();
    view.TopTitle.Assign("Top");
    view.TopTitleShow = 1;
    view.Boxed = 1;
    return view;
}

TEST_F(DefaultOptionsFile, fallsBackToStandardRecords_whenFileIsMissingShortOrInvalid)
{
    const std::string options = DefaultOptionsBytes(ChangedOptions(), ChangedView());
    const std::string invalid = std::string(kDefaultOptionsRecordSize, '\xff') + options.substr(1784);
    const std::string cases[] = {"", "short", options.substr(0, 1783), invalid};
    for (const std::string& bytes : cases) {
        if (bytes.empty()) fs::remove(Cfg());
        else WriteBytes(bytes);
        DocumentOptions d = ChangedOptions();
        ViewSettings v = ChangedView();
        ReadDefaultOptions(Cfg(), d, v);
        EXPECT_TRUE(SameBytes(d, DefaultDocumentOptions())) << bytes.size();
        EXPECT_TRUE(SameBytes(v, DefaultViewSettings())) << bytes.size();
    }
}

TEST_F(DefaultOptionsFile, oneRecord_givesStoredOptionsAndDefaultView)
{
    WriteBytes(DefaultOptionsBytes(ChangedOptions(), ChangedView()).substr(0, 1784));
    DocumentOptions d{};
    ViewSettings v = ChangedView();
    ReadDefaultOptions(Cfg(), d, v);
    EXPECT_EQ(static_cast<long double>(d.MinX), -3.0L);
    EXPECT_EQ(static_cast<long double>(d.MaxX), 7.0L);
    EXPECT_TRUE(SameBytes(v, DefaultViewSettings()));
}

TEST_F(DefaultOptionsFile, writeThenRead_givesBothRecordsWithViewVersionSet)
{
    ViewSettings view = ChangedView();
    view.Version = 5;
    ASSERT_TRUE(WriteDefaultOptions(Cfg(), ChangedOptions(), view));
    const std::string bytes = ReadBytes();
    ASSERT_EQ(bytes.size(), 3568u);
    // The second record's tail repeats the first record's bytes 1228..1783.
    EXPECT_EQ(bytes.substr(3012), bytes.substr(1228, 556));

    DocumentOptions d{};
    ViewSettings v{};
    ReadDefaultOptions(Cfg(), d, v);
    EXPECT_TRUE(SameBytes(d, ChangedOptions()));
    EXPECT_EQ(v.TopTitle.Str(), "Top");
    EXPECT_EQ(v.Boxed, 1);
    EXPECT_EQ(v.Version, kViewSettingsVersion);
}

TEST_F(DefaultOptionsFile, failedWrite_reportsFalse)
{
    fs::create_directories(Cfg());  // a folder where the file should be
    EXPECT_FALSE(WriteDefaultOptions(Cfg(), ChangedOptions(), ChangedView()));
    EXPECT_TRUE(fs::is_directory(Cfg()));
}

}  // namespace
}  // namespace vg
