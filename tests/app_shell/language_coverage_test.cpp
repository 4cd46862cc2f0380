// Every shipped language file translates every text the program shows: the
// command table, the run-time texts and messages of the sources, the engine's
// messages and the undo captions; and no menu offers one accelerator letter
// twice. (The window texts are checked offscreen by the app_shell_ui suite.)

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/main_commands.h"
#include "app/translator.h"
#include "engine/engine_messages.h"
#include "shipped_languages.h"

namespace vg {
namespace {

using language_test::LoadShippedLanguages;
using language_test::MissingTexts;
using language_test::ProgramTexts;
using language_test::ShippedLanguage;

class ShippedLanguages : public ::testing::Test {
protected:
    void SetUp() override
    {
        languages_ = LoadShippedLanguages();
        ASSERT_GE(languages_.size(), 2u) << "German and French are shipped";
    }

    void ExpectComplete(const ProgramTexts& texts)
    {
        for (const ShippedLanguage& language : languages_)
            EXPECT_EQ(MissingTexts(language, texts), "") << language.Name << " lacks these texts";
    }

    std::vector<ShippedLanguage> languages_;
};

TEST_F(ShippedLanguages, coverEveryTextOfMenusAndToolbars)
{
    ProgramTexts texts;
    language_test::AddCommandTableTexts(texts);
    ExpectComplete(texts);
}

TEST_F(ShippedLanguages, coverEveryMessageAndRunTimeTextOfTheSources)
{
    ProgramTexts texts;
    language_test::AddSourceTexts(texts);
    // The scan must find the texts it exists for.
    for (const char* known : {"Ready", "This command is not available yet.", "Incorrect format of the file",
                              "Too small interval of X", "Noname"})
        EXPECT_TRUE(texts.All().count(known)) << "the source scan misses \"" << known << "\"";
    ExpectComplete(texts);
}

TEST_F(ShippedLanguages, coverUndoCaptionsEngineMessagesAndTheShellsTexts)
{
    ProgramTexts texts;
    for (const char* text : {"Ready", "Open", "Save As", "Save changes to %s?", "File write error",
                             "This command is not available yet.", "Incorrect format of the file",
                             "Input-output error", "Files of graphs (*.vgr)", "All files (*.*)", "Graph N",
                             "Press Esc to interrupt the calculation", "Plot Options...", "Axis Options...",
                             "Background Options...", "Graph", "Calculus", "Help", "About", "Version 1.21",
                             "Noname"})
        texts.Add(text, "shell");
    for (int code = 0; code <= 255; ++code) texts.Add(EngineMessage(static_cast<EngineError>(code)), "engine");
    for (const char* verb : {"&Undo", "&Redo"}) {
        texts.Add(verb, "undo captions");
        for (const char* change : {"Change options", "Delete graph", "Change graph properties", "Add graph",
                                   "Change graphs order"})
            texts.Add(std::string(verb) + " " + change, "undo captions");
    }
    ExpectComplete(texts);
}

// The accelerator letter of a caption, 0 when it has none ("&&" is a plain "&").
char Accelerator(const std::string& caption)
{
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        return static_cast<char>(std::tolower(static_cast<unsigned char>(caption[i + 1])));
    }
    return 0;
}

struct MenuCaption {
    std::string english;
    bool languageSubmenu = false;
};

// The captions of each menu's own items, menu bar first.
std::vector<std::pair<std::string, std::vector<MenuCaption>>> MenuCaptions()
{
    std::vector<std::pair<std::string, std::vector<MenuCaption>>> menus;
    std::vector<MenuCaption> bar;
    std::vector<std::pair<std::string, const std::vector<MenuEntry>*>> pending;
    for (const MenuInfo& menu : MainMenus()) {
        bar.push_back({menu.caption});
        pending.push_back({menu.name, &menu.entries});
    }
    menus.push_back({"menu bar", bar});
    while (!pending.empty()) {
        auto [name, entries] = pending.back();
        pending.pop_back();
        std::vector<MenuCaption> captions;
        for (const MenuEntry& entry : *entries) {
            if (entry.kind == MenuEntry::Kind::Command) captions.push_back({Command(entry.command).caption});
            if (entry.kind == MenuEntry::Kind::Submenu) {
                captions.push_back({entry.caption, std::string(entry.name) == "LanguageItem"});
                pending.push_back({entry.name, &entry.children});
            }
        }
        menus.push_back({name, captions});
    }
    return menus;
}

TEST_F(ShippedLanguages, giveEachItemOfAMenuItsOwnAccelerator)
{
    TTranslator english;
    std::vector<std::pair<std::string, const TTranslator*>> all{{"English", &english}};
    for (const ShippedLanguage& language : languages_) all.push_back({language.Name, language.Dictionary.get()});
    for (const auto& [languageName, dictionary] : all) {
        for (const auto& [menuName, captions] : MenuCaptions()) {
            std::map<char, std::string> taken;
            for (const MenuCaption& item : captions) {
                const std::string caption = dictionary->Translate(item.english);
                const char letter = Accelerator(caption);
                // A translation keeps the accelerator its English text has;
                // the Language submenu gets one in every translation.
                if (dictionary != &english && (Accelerator(item.english) != 0 || item.languageSubmenu)) {
                    EXPECT_NE(letter, 0) << languageName << ", " << menuName << ": \"" << caption
                                         << "\" has no accelerator";
                }
                if (letter == 0) continue;
                auto [it, fresh] = taken.emplace(letter, caption);
                EXPECT_TRUE(fresh) << languageName << ", " << menuName << ": \"" << caption << "\" and \""
                                   << it->second << "\" share the letter " << letter;
            }
        }
    }
}

TEST_F(ShippedLanguages, keepThePlacesOfTheirTexts)
{
    // The translator drops an entry whose "%s" places differ from its key's;
    // such an entry would read as missing above. Here the line breaks: a
    // message of two lines stays a message of at least two lines.
    ProgramTexts texts;
    language_test::AddSourceTexts(texts);
    for (const ShippedLanguage& language : languages_) {
        for (const auto& [text, origin] : texts.All()) {
            if (text.find('\r') == std::string::npos || !language.Dictionary->Contains(text)) continue;
            EXPECT_NE(language.Dictionary->Translate(text).find('\r'), std::string::npos)
                << language.Name << ": the translation of \"" << text << "\" lost its line breaks";
        }
    }
}

}  // namespace
}  // namespace vg
