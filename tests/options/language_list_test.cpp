// The Languages dialog's list and the Language menu: names, selection,
// adding, deleting, the setting OK stores and the menu's items.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/language_list_model.h"
#include "app/languages_setting.h"

namespace vg {
namespace {

std::vector<std::string> Names(const TLanguageListModel& list)
{
    std::vector<std::string> names;
    for (int i = 0; i < list.Count(); ++i) names.push_back(list.Name(i));
    return names;
}

TEST(LanguageList, fillsFromTheSetting_withEnglishFirst)
{
    TLanguageListModel list("?german.vgl?!?/x/y/french.vgl? !?de.utf8.vgl?");
    EXPECT_EQ(Names(list), (std::vector<std::string>{"English", "german", "french", "de.utf8"}));
    EXPECT_EQ(list.Selected(), 2);  // only the first mark counts
    EXPECT_EQ(list.Highlighted(), 0);
    EXPECT_FALSE(list.CanDelete());
    EXPECT_EQ(list.FileName(0), "English");
    EXPECT_EQ(list.FileName(2), "/x/y/french.vgl");
    EXPECT_EQ(TLanguageListModel("").Count(), 1);
    EXPECT_EQ(TLanguageListModel("").Selected(), 0);
}

TEST(LanguageList, deletingKeepsTheSelectedLanguage)
{
    struct Case {
        int deleted;
        int selectedAfter;
        int highlightedAfter;
        const char* setting;
    } cases[] = {
        {1, 1, 1, "!?b.vgl??c.vgl?"},   // before the selected one: the same language stays selected
        {2, 0, 2, "?a.vgl??c.vgl?"},    // the selected one: English
        {3, 2, 2, "?a.vgl?!?b.vgl?"},   // after it, the last one: the new last is highlighted
    };
    for (const Case& c : cases) {
        TLanguageListModel list("?a.vgl?!?b.vgl??c.vgl?");
        list.Highlight(c.deleted);
        ASSERT_TRUE(list.CanDelete());
        list.DeleteHighlighted();
        EXPECT_EQ(list.Selected(), c.selectedAfter) << c.deleted;
        EXPECT_EQ(list.Highlighted(), c.highlightedAfter) << c.deleted;
        EXPECT_EQ(list.Setting(), c.setting) << c.deleted;
    }
}

TEST(LanguageList, addsFiles_selects_andRefusesNamesWithAQuestionMark)
{
    TLanguageListModel list("");
    EXPECT_FALSE(list.Add("/lang/german.vgl").has_value());
    const std::optional<std::string> refusal = list.Add("/lang/wh?at.vgl");
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(*refusal, "The name of a language file cannot contain the character ?");
    EXPECT_EQ(list.Count(), 2);
    list.Highlight(1);
    list.SelectHighlighted();
    EXPECT_EQ(list.Setting(), "!?/lang/german.vgl?");
    list.Select(0);
    EXPECT_EQ(list.Setting(), "?/lang/german.vgl?");
    // A name with "!" is kept whole.
    EXPECT_FALSE(list.Add("a!b.vgl").has_value());
    list.Select(2);
    bool selected = false;
    std::string name;
    ASSERT_TRUE(LanguageEntry(list.Setting(), 1, selected, name));
    EXPECT_TRUE(selected);
    EXPECT_EQ(name, "a!b.vgl");
}

TEST(LanguageMenu, listsEveryFile_checksTheSelectedOne_andDoublesAmpersands)
{
    EXPECT_TRUE(LanguageMenuItems("").empty());
    EXPECT_TRUE(EnglishChecked(""));
    const std::string setting = "?/l/german.vgl?!?R&D.vgl?!?x.y.vgl?";
    const std::vector<LanguageMenuItem> items = LanguageMenuItems(setting);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].Caption, "german");
    EXPECT_FALSE(items[0].Checked);
    EXPECT_EQ(items[1].Caption, "R&&D");
    EXPECT_TRUE(items[1].Checked);
    EXPECT_EQ(items[2].Caption, "x.y");
    EXPECT_FALSE(items[2].Checked);
    EXPECT_FALSE(EnglishChecked(setting));
    EXPECT_EQ(LanguageDisplayName("/a.b/.vgl"), ".vgl");
    EXPECT_EQ(LanguageDisplayName("noext"), "noext");
}

}  // namespace
}  // namespace vg
