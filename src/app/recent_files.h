#pragma once

#include <string>
#include <string_view>

#include "app/program_options.h"

namespace vg {

// Puts path at the head of the list: an exact (case-sensitive) match moves
// up, the ones before it shift down; a new path pushes the fourth out.
void AddRecentFile(TLastFiles& files, const std::string& path);

// The file-name part of path, shortened to its first 20 characters, "..."
// and its last 7 when longer than 30 characters.
std::string ShortRecentName(std::string_view path);

// "&" + k + " " + the short name, with "&" in the name doubled so it shows
// as itself in a menu.
std::string RecentFileCaption(int k, std::string_view path);

// True when path holds nothing but blanks.
bool IsBlankPath(std::string_view path);

}  // namespace vg
