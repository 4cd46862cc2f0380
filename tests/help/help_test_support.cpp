#include "help_test_support.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace vg::help_test {

std::string ReadText(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

bool FileExists(const std::string& path) { return std::filesystem::is_regular_file(path); }

std::string HelpSourceDir() { return std::string(VG_SOURCE_DIR) + "/data/help"; }

std::vector<std::string> HelpPages()
{
    std::vector<std::string> pages;
    for (const auto& entry : std::filesystem::directory_iterator(HelpSourceDir()))
        if (entry.path().extension() == ".html") pages.push_back(entry.path().filename().string());
    std::sort(pages.begin(), pages.end());
    return pages;
}

std::set<std::string> PromisedPictures()
{
    std::set<std::string> pictures;
    std::istringstream plots(ReadText(HelpSourceDir() + "/pictures/plots.txt"));
    const std::regex plot(R"(^\[([A-Za-z0-9_-]+) [0-9]+x[0-9]+\]\s*$)");
    for (std::string line; std::getline(plots, line);) {
        std::smatch match;
        if (std::regex_match(line, match, plot)) pictures.insert("pictures/" + match[1].str() + ".png");
    }
    std::istringstream shots(ReadText(HelpSourceDir() + "/pictures/screenshots.txt"));
    const std::regex shot(R"(^([a-z][A-Za-z0-9_-]*)[ \t].*)");
    for (std::string line; std::getline(shots, line);) {
        std::smatch match;
        if (std::regex_match(line, match, shot)) pictures.insert("pictures/" + match[1].str() + ".png");
    }
    return pictures;
}

}  // namespace vg::help_test
