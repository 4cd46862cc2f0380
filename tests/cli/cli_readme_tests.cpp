#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "cli/cli.h"

namespace vg {
namespace {

namespace fs = std::filesystem;

// The words of a shell command line with double-quoted words, as the README
// writes them.
std::vector<std::string> ShellWords(const std::string& line)
{
    std::vector<std::string> words;
    std::string word;
    bool quoted = false, inWord = false;
    for (char c : line) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (c == ' ' && !quoted) {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) words.push_back(word);
    return words;
}

// The README shows one example command per kind of graph; each one works.
TEST(ReadmeExamples, oneCommandPerGraphKind_eachWorks)
{
    std::ifstream readme(std::string(VG_SOURCE_DIR) + "/README.md");
    ASSERT_TRUE(readme);
    const fs::path dir = fs::temp_directory_path() / ("vg_cli_readme_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::set<std::string> kinds;
    for (std::string line; std::getline(readme, line);) {
        const std::size_t start = line.find("vgraph-cli new ");
        if (start == std::string::npos || line.find("--add") == std::string::npos || line.find('`') != std::string::npos)
            continue;
        std::vector<std::string> args = ShellWords(line.substr(start));
        args.erase(args.begin());                       // the program name
        args[1] = (dir / args[1]).string();             // the document, in the test's folder
        std::ostringstream out, err;
        EXPECT_EQ(RunCli(args, out, err), 0) << line << "\n" << err.str();
        for (std::size_t i = 2; i + 1 < args.size(); ++i)
            if (args[i] == "--add") kinds.insert(args[i + 1]);
    }
    fs::remove_all(dir);
    EXPECT_EQ(kinds, (std::set<std::string>{"YFromX", "XFromY", "Polar", "Param", "Equation", "DifField", "Table"}));
}

}  // namespace
}  // namespace vg
