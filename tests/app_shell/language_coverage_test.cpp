#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "app/main_commands.h"
#include "app/translator.h"

namespace vg {
namespace {

std::string Folded(std::string text)
{
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The keys of the shipped file, some of whose translations read the same as
// the English text ("Integration").
class ShippedGermanFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::ifstream file(std::string(VG_SOURCE_DIR) + "/data/lang/german.vgl");
        ASSERT_TRUE(file);
        std::string line, key, translation;
        while (std::getline(file, line)) {
            if (ParseLanguageLine(line, key, translation) && !translation.empty()) keys_.insert(Folded(key));
        }
    }

    void ExpectTranslated(const std::string& english)
    {
        if (english.empty()) return;
        EXPECT_TRUE(keys_.count(Folded(english))) << "no German text for \"" << english << "\"";
    }

    std::set<std::string> keys_;
};

TEST_F(ShippedGermanFile, coversEveryTextOfMenusAndToolbars)
{
    for (const CommandInfo& c : AllCommands()) {
        for (const char* text : {c.caption, c.hint, c.tooltip, c.statusText}) ExpectTranslated(text);
    }
    std::vector<const MenuEntry*> pending;
    for (const MenuInfo& menu : MainMenus()) {
        ExpectTranslated(menu.caption);
        ExpectTranslated(menu.hint);
        for (const MenuEntry& entry : menu.entries) pending.push_back(&entry);
    }
    while (!pending.empty()) {
        const MenuEntry* entry = pending.back();
        pending.pop_back();
        ExpectTranslated(entry->caption);
        ExpectTranslated(entry->hint);
        for (const MenuEntry& child : entry->children) pending.push_back(&child);
    }
    for (const ToolbarInfo& bar : MainToolbars()) {
        ExpectTranslated(bar.caption);
        for (const ToolbarEntry& entry : bar.entries) {
            ExpectTranslated(entry.tooltip);
            ExpectTranslated(entry.statusText);
        }
    }
}

TEST_F(ShippedGermanFile, coversUndoCaptionsAndTheShellsMessages)
{
    const char* texts[] = {
        "&Undo Change options", "&Undo Delete graph", "&Undo Change graph properties",
        "&Undo Add graph", "&Undo Change graphs order", "&Redo Change options", "&Redo Delete graph",
        "&Redo Change graph properties", "&Redo Add graph", "&Redo Change graphs order",
        "Ready", "Open", "Save As", "Save changes to %s?", "File write error",
        "This command is not available yet.", "Incorrect format of the file", "Input-output error",
        "Files of graphs (*.vgr)", "All files (*.*)", "Graph N",
        "Press Esc to interrupt the calculation", "Plot Options...", "Axis Options...",
        "Background Options...", "Graph", "Calculus", "Help", "About", "Version 1.21",
    };
    for (const char* text : texts) ExpectTranslated(text);
}

}  // namespace
}  // namespace vg
