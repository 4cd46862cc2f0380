#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

namespace vg::help_test {

std::string ReadText(const std::string& path);
bool FileExists(const std::string& path);

// The help folder of the source tree and its pages (file names, sorted).
std::string HelpSourceDir();
std::vector<std::string> HelpPages();

// The pictures the recipe files promise (file names "pictures/NAME.png").
std::set<std::string> PromisedPictures();

}  // namespace vg::help_test
