// The shipped help pages: every link and picture resolves, every page can be
// reached from the contents, and every help context that a window of the
// program uses opens a page of its own.

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "app/help_html.h"
#include "app/help_topics.h"
#include "app/main_commands.h"
#include "help_test_support.h"

namespace vg {
namespace {

using namespace help_test;

class ShippedHelp : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const std::string& page : HelpPages()) html_[page] = ReadText(HelpSourceDir() + "/" + page);
        ASSERT_TRUE(html_.count(kHelpContentsPage));
        topics_ = ParseHelpTopics(ReadText(HelpSourceDir() + "/" + kHelpTopicsFile));
        pictures_ = PromisedPictures();
    }

    // "" when the target resolves, else what is wrong with it.
    std::string Problem(const std::string& from, const std::string& target) const
    {
        if (target.find(':') != std::string::npos) return "leaves the help folder";
        const std::string file = target[0] == '#' ? from : HelpPageFile(target);
        const std::string anchor = target.find('#') == std::string::npos ? "" : target.substr(target.find('#') + 1);
        if (file.rfind("pictures/", 0) == 0) return pictures_.count(file) ? "" : "no recipe makes it";
        if (file.size() > 5 && file.compare(file.size() - 5, 5, ".html") == 0) {
            auto page = html_.find(file);
            if (page == html_.end()) return "no such page";
            if (anchor.empty()) return "";
            for (const std::string& name : HtmlAnchorNames(page->second))
                if (name == anchor) return "";
            return "no anchor \"" + anchor + "\" there";
        }
        return FileExists(HelpSourceDir() + "/" + file) ? "" : "no such file";
    }

    std::map<std::string, std::string> html_;
    std::map<int, std::string> topics_;
    std::set<std::string> pictures_;
};

TEST_F(ShippedHelp, everyPageHasATitleAndTheSharedStyleSheet)
{
    for (const auto& [page, html] : html_) {
        EXPECT_FALSE(HtmlPageTitle(html).empty()) << page;
        const std::vector<std::string> links = HtmlLinkTargets(html);
        EXPECT_TRUE(std::find(links.begin(), links.end(), "style.css") != links.end()) << page;
    }
    EXPECT_TRUE(FileExists(HelpSourceDir() + "/style.css"));
}

TEST_F(ShippedHelp, everyLinkAndPictureResolves)
{
    for (const auto& [page, html] : html_)
        for (const std::string& target : HtmlLinkTargets(html))
            EXPECT_EQ(Problem(page, target), "") << page << " links to " << target;
}

TEST_F(ShippedHelp, everyPageCanBeReachedFromTheContents)
{
    std::set<std::string> seen = {kHelpContentsPage};
    std::deque<std::string> pending = {kHelpContentsPage};
    while (!pending.empty()) {
        const std::string page = pending.front();
        pending.pop_front();
        for (const std::string& target : HtmlLinkTargets(html_[page])) {
            const std::string file = HelpPageFile(target);
            if (html_.count(file) && seen.insert(file).second) pending.push_back(file);
        }
    }
    for (const auto& entry : html_) EXPECT_TRUE(seen.count(entry.first)) << entry.first << " is linked from nowhere";
}

TEST_F(ShippedHelp, everyPromisedPictureIsShownByAPage)
{
    std::set<std::string> shown;
    for (const auto& [page, html] : html_)
        for (const std::string& target : HtmlLinkTargets(html)) shown.insert(target);
    for (const std::string& picture : pictures_) EXPECT_TRUE(shown.count(picture)) << picture << " is shown nowhere";
}

TEST_F(ShippedHelp, everyTopicOfTheMapOpensAnExistingPage)
{
    ASSERT_FALSE(topics_.empty());
    for (const auto& [context, page] : topics_)
        EXPECT_EQ(Problem(kHelpContentsPage, page), "") << "topic " << context << ": " << page;
}

TEST_F(ShippedHelp, everyTopicPageShowsAPictureAndWorksAnExample)
{
    std::set<std::string> pages;
    for (const auto& [context, page] : topics_) pages.insert(HelpPageFile(page));
    for (const std::string& page : pages) {
        const std::string& html = html_[page];
        const std::vector<std::string> targets = HtmlLinkTargets(html);
        EXPECT_TRUE(std::any_of(targets.begin(), targets.end(),
                                [](const std::string& t) { return t.rfind("pictures/", 0) == 0; }))
            << page << " shows no picture";
        if (page != kHelpContentsPage) {
            EXPECT_NE(html.find("class=\"example\""), std::string::npos) << page << " has no example";
        }
    }
}

// The help contexts the program's windows use: those of the command table,
// and the numbers the sources give to help names and help calls.
std::set<int> UsedHelpContexts()
{
    std::set<int> used;
    for (const CommandInfo& command : AllCommands()) used.insert(command.helpContext);
    std::vector<const MenuEntry*> pending;
    for (const MenuInfo& menu : MainMenus())
        for (const MenuEntry& entry : menu.entries) pending.push_back(&entry);
    while (!pending.empty()) {
        const MenuEntry* entry = pending.back();
        pending.pop_back();
        used.insert(entry->helpContext);
        for (const MenuEntry& child : entry->children) pending.push_back(&child);
    }
    const std::regex patterns[] = {
        // kHelpContext = 207, HelpTopic = 213, ...
        std::regex(R"(\b[A-Za-z_]*[Hh]elp(?:Context|Topic)[A-Za-z_]*\s*=\s*([0-9]+)\b)"),
        // ShowContext(this, 205), showHelp(215)
        std::regex(R"(\b(?:ShowContext|ShowHelp|showHelp)\s*\((?:[^(),]*,\s*)?([0-9]+)\s*\))"),
        // ShowErrorMessage(this, text, 211)
        std::regex(R"(\bShowErrorMessage\s*\([^;]*?,\s*([0-9]+)\s*\)\s*;)"),
    };
    for (const auto& entry : std::filesystem::recursive_directory_iterator(std::string(VG_SOURCE_DIR) + "/src")) {
        const std::string extension = entry.path().extension().string();
        if (extension != ".cpp" && extension != ".h") continue;
        const std::string text = ReadText(entry.path().string());
        for (const std::regex& pattern : patterns)
            for (std::sregex_iterator it(text.begin(), text.end(), pattern), end; it != end; ++it)
                used.insert(std::stoi((*it)[1].str()));
    }
    used.erase(0);
    return used;
}

TEST_F(ShippedHelp, everyHelpContextThatAWindowUsesOpensAPageOfItsOwn)
{
    const std::set<int> used = UsedHelpContexts();
    // The command table alone names more than fifty.
    EXPECT_GT(used.size(), 50u);
    for (int context : used) {
        const std::string page = HelpPageForContext(topics_, context, [&](const std::string& name) {
            return html_.count(name) > 0;
        });
        const bool contents = HelpPageFile(page) == kHelpContentsPage;
        EXPECT_TRUE(!contents || topics_.count(context)) << "help context " << context << " has no page";
        EXPECT_EQ(Problem(kHelpContentsPage, page), "") << "help context " << context << ": " << page;
    }
}

TEST_F(ShippedHelp, theBuildMadeEveryPicture)
{
    if (!VG_HELP_PICTURES_BUILT) GTEST_SKIP() << "a build without windows draws no pictures";
    const std::string folder = VG_HELP_PICTURES_DIR;
    for (const std::string& picture : pictures_)
        EXPECT_TRUE(FileExists(folder + "/" + picture.substr(std::string("pictures/").size()))) << picture;
    EXPECT_EQ(ReadText(folder + "/missing.txt"), "") << "pictures the screenshot tool could not take";
}

}  // namespace
}  // namespace vg
