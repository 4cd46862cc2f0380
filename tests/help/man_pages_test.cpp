// The manual pages the build writes: every command that vgraph-cli --help
// lists has its entry with its exit statuses and options, and the pages of
// setup and VGraph cover their modes and options.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "help_test_support.h"
#include "setup/setup_cli.h"

namespace vg {
namespace {

using namespace help_test;

// The text of a manual page with its font changes and escapes removed.
std::string PlainManText(const std::string& source)
{
    std::string text = std::regex_replace(source, std::regex(R"(\\f[BIRP])"), "");
    text = std::regex_replace(text, std::regex(R"(\\f\[[A-Z]*\])"), "");
    text = std::regex_replace(text, std::regex(R"(\\[,/&])"), "");
    text = std::regex_replace(text, std::regex(R"(\\-)"), "-");
    text = std::regex_replace(text, std::regex(R"(\\\(aq)"), "'");
    text = std::regex_replace(text, std::regex(R"(\\e)"), "\\");
    return text;
}

std::string ManPage(const std::string& program)
{
    const std::string path = std::string(VG_MAN_DIR) + "/" + program + ".1";
    return FileExists(path) ? PlainManText(ReadText(path)) : std::string();
}

// The lines of one section (".SH NAME" up to the next ".SH").
std::string Section(const std::string& page, const std::string& name)
{
    std::size_t start = page.find(".SH " + name + "\n");
    if (start == std::string::npos) start = page.find(".SH \"" + name + "\"\n");
    if (start == std::string::npos) return {};
    start = page.find('\n', start) + 1;
    std::size_t end = page.find("\n.SH ", start);
    return page.substr(start, end == std::string::npos ? std::string::npos : end - start + 1);
}

// The entries of a section: each ".TP" paragraph by its first word.
std::map<std::string, std::string> Entries(const std::string& section)
{
    std::map<std::string, std::string> entries;
    std::size_t at = section.find(".TP\n");
    while (at != std::string::npos) {
        const std::size_t start = at + 4;
        const std::size_t next = section.find("\n.TP\n", start);
        const std::string entry = section.substr(start, next == std::string::npos ? std::string::npos : next - start);
        std::istringstream words(entry);
        std::string first;
        words >> first;
        entries[first] = entry;
        at = next == std::string::npos ? next : next + 1;
    }
    return entries;
}

std::vector<std::string> CliHelpCommands()
{
    std::ostringstream out, err;
    EXPECT_EQ(RunCli({"--help"}, out, err), kExitOk);
    std::vector<std::string> commands;
    std::istringstream lines(out.str());
    bool listing = false;
    for (std::string line; std::getline(lines, line);) {
        if (line == "Commands:") listing = true;
        else if (line.empty()) listing = false;
        else if (listing && line.rfind("  ", 0) == 0) commands.push_back(line.substr(2, line.find(' ', 2) - 2));
    }
    return commands;
}

std::set<std::string> Options(const std::string& text)
{
    std::set<std::string> options;
    const std::regex option(R"((^|[\s\[|])(--?[a-z][a-z-]*))");
    for (std::sregex_iterator it(text.begin(), text.end(), option), end; it != end; ++it) options.insert((*it)[2]);
    return options;
}

TEST(ManPages, vgraphCliHasAnEntryWithExitStatusesForEveryCommandOfItsHelp)
{
    const std::string page = ManPage("vgraph-cli");
    ASSERT_FALSE(page.empty()) << "no manual page in " << VG_MAN_DIR << " (help2man missing?)";
    const std::map<std::string, std::string> entries = Entries(Section(page, "COMMANDS"));
    const std::vector<std::string> commands = CliHelpCommands();
    ASSERT_GT(commands.size(), 15u);
    for (const std::string& command : commands) {
        auto entry = entries.find(command);
        if (entry == entries.end()) {
            ADD_FAILURE() << "vgraph-cli " << command
                          << " has no entry under COMMANDS of data/man/vgraph-cli.h2m";
            continue;
        }
        EXPECT_NE(entry->second.find("Exit status"), std::string::npos) << command << ": no exit statuses";
        std::ostringstream usage, err;
        RunCli({"help", command}, usage, err);
        for (const std::string& option : Options(usage.str()))
            EXPECT_NE(entry->second.find(option), std::string::npos) << command << ": option " << option;
    }
    for (const auto& [name, entry] : entries)
        EXPECT_TRUE(std::find(commands.begin(), commands.end(), name) != commands.end())
            << "the manual page describes " << name << ", which vgraph-cli does not have";
    EXPECT_FALSE(Section(page, "EXIT STATUS").empty());
}

TEST(ManPages, setupCoversEveryOptionOfItsHelp)
{
    const std::string page = ManPage("setup");
    ASSERT_FALSE(page.empty()) << "no manual page in " << VG_MAN_DIR;
    std::ostringstream out, err;
    ASSERT_EQ(RunSetupCommand({"--help"}, out, err), kSetupExitOk);
    for (const std::string& option : Options(out.str()))
        EXPECT_NE(page.find(option), std::string::npos) << "setup " << option;
    EXPECT_NE(page.find("uninstall"), std::string::npos);
    EXPECT_FALSE(Section(page, "EXIT STATUS").empty());
}

TEST(ManPages, vgraphNamesItsOptionsFilesAndEnvironment)
{
    if (!VG_HELP_PICTURES_BUILT) GTEST_SKIP() << "VGraph is built only with windows";
    const std::string page = ManPage("VGraph");
    ASSERT_FALSE(page.empty()) << "no manual page in " << VG_MAN_DIR;
    for (const char* text : {"--help", "--version", "VGraph.ini", "VGraph.cfg", "VGRAPH_CONFIG_DIR"})
        EXPECT_NE(page.find(text), std::string::npos) << text;
}

}  // namespace
}  // namespace vg
