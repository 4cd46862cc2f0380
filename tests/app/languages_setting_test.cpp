#include "app/languages_setting.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "app/translator.h"

namespace vg {
namespace {

struct Entry {
    bool selected;
    std::string fileName;
    bool operator==(const Entry&) const = default;
};

std::vector<Entry> Entries(std::string_view setting)
{
    std::vector<Entry> entries;
    for (int i = 0; i < LanguageCount(setting); ++i) {
        Entry e{};
        EXPECT_TRUE(LanguageEntry(setting, i, e.selected, e.fileName));
        entries.push_back(e);
    }
    return entries;
}

TEST(LanguagesSetting, readsEntries_andTheirSelectionMarks)
{
    struct Row {
        const char* setting;
        std::vector<Entry> expected;
    } rows[] = {
        {"", {}},
        {"?german.vgl?!?/lang/french.vgl?", {{false, "german.vgl"}, {true, "/lang/french.vgl"}}},
        {"!?a!b.vgl?  ?c.vgl?", {{true, "a!b.vgl"}, {false, "c.vgl"}}},
        {"?a.vgl? !  ?   ? ?b.vgl?", {{false, "a.vgl"}, {false, "b.vgl"}}},  // the mark went to a blank entry
        {"?a.vgl?!?unterminated", {{false, "a.vgl"}}},
    };
    for (const Row& r : rows) EXPECT_EQ(Entries(r.setting), r.expected) << r.setting;
    bool selected = false;
    std::string name;
    EXPECT_FALSE(LanguageEntry("?a.vgl?", 1, selected, name));
    EXPECT_FALSE(LanguageEntry("?a.vgl?", -1, selected, name));
}

TEST(LanguagesSetting, buildsAndClearsSelection_keepingNames)
{
    EXPECT_EQ(MakeLanguagesSetting({"german.vgl", "/x/french.vgl"}, 1), "?german.vgl?!?/x/french.vgl?");
    EXPECT_EQ(MakeLanguagesSetting({"german.vgl"}, -1), "?german.vgl?");
    EXPECT_EQ(RemoveLanguageSelection("!?a!b.vgl?!?c.vgl?"), "?a!b.vgl??c.vgl?");
    EXPECT_EQ(SelectedLanguage("?a?!?b?!?c?"), 1);
    EXPECT_EQ(SelectedLanguage("?a?"), -1);
}

TEST(LanguagesSetting, resolvesBareNames_inLanguageFolder)
{
    EXPECT_EQ(ResolveLanguageFile("german.vgl", "/usr/share/vgraph/lang"), "/usr/share/vgraph/lang/german.vgl");
    EXPECT_EQ(ResolveLanguageFile("/home/u/my.vgl", "/usr/share/vgraph/lang"), "/home/u/my.vgl");
}

class LanguageStartup : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = std::filesystem::temp_directory_path() / ("vg_startup_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
        std::ofstream(dir_ / "german.vgl") << "\"Open\" = \"Öffnen\"\n";
        std::ofstream(dir_ / "french.vgl") << "\"Open\" = \"Ouvrir\"\n";
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::filesystem::path dir_;
};

TEST_F(LanguageStartup, loadsOnlyFirstSelectedEntry)
{
    TTranslator t;
    std::string setting = "?german.vgl?!?french.vgl?!?german.vgl?";
    EXPECT_EQ(LoadSelectedLanguage(t, setting, dir_.string()), LanguageLoadResult::Loaded);
    EXPECT_EQ(t.Translate("Open"), "Ouvrir");
    EXPECT_EQ(setting, "?german.vgl?!?french.vgl?!?german.vgl?");
}

TEST_F(LanguageStartup, fallsBackToEnglish_whenFileCannotBeRead)
{
    TTranslator t;
    std::string setting = "!?missing.vgl??german.vgl?";
    EXPECT_EQ(LoadSelectedLanguage(t, setting, dir_.string()), LanguageLoadResult::Failed);
    EXPECT_EQ(setting, "?missing.vgl??german.vgl?");
    EXPECT_EQ(t.Translate("Open"), "Open");
    EXPECT_EQ(LoadSelectedLanguage(t, setting, dir_.string()), LanguageLoadResult::English);
}

}  // namespace
}  // namespace vg
