#pragma once

// The plain-text pieces of the tools' saved and copied results.

#include <string>
#include <string_view>
#include <vector>

namespace vg {

// Line ends: the saved files and the clipboard use CR LF, vgraph-cli LF.
inline constexpr std::string_view kCrLf = "\r\n";
inline constexpr std::string_view kLf = "\n";

// text left-aligned in width characters ("%-19s"): longer texts are not cut.
std::string PadRight(std::string_view text, std::size_t width);

// text without its surrounding blanks.
std::string TrimBlanks(std::string_view text);

// Every line followed by eol.
std::string JoinLines(const std::vector<std::string>& lines, std::string_view eol);

}  // namespace vg
