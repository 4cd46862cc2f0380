#pragma once

// Small text rules shared by the table commands: trimming as the program
// trims (every character up to the blank) and what counts as a number in a
// cell of the grid.

#include <string>
#include <string_view>

namespace vg {

std::string_view TrimText(std::string_view text);
std::string_view TrimLeftText(std::string_view text);

// A cell counts as a number when the typed-number reading accepts it (so
// "2E3" does not, although files and Paste accept it).
bool ReadGridNumber(std::string_view text, long double& value);
bool IsGridNumber(std::string_view text);

}  // namespace vg
