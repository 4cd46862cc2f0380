#include "tools/tool_text.h"

namespace vg {

std::string PadRight(std::string_view text, std::size_t width)
{
    std::string padded(text);
    if (padded.size() < width) padded.append(width - padded.size(), ' ');
    return padded;
}

std::string TrimBlanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::string JoinLines(const std::vector<std::string>& lines, std::string_view eol)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += eol;
    }
    return text;
}

}  // namespace vg
