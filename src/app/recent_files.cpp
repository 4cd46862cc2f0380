#include "app/recent_files.h"

#include <algorithm>
#include <vector>

namespace vg {

void AddRecentFile(TLastFiles& files, const std::string& path)
{
    auto found = std::find(files.begin(), files.end(), path);
    if (found == files.end()) found = files.end() - 1;
    std::move_backward(files.begin(), found, found + 1);
    files.front() = path;
}

std::string ShortRecentName(std::string_view path)
{
    const std::size_t slash = path.find_last_of('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    // Counted in characters, so a UTF-8 name is never cut inside a letter.
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < name.size(); ++i)
        if ((static_cast<unsigned char>(name[i]) & 0xC0) != 0x80) starts.push_back(i);
    if (starts.size() <= 30) return std::string(name);
    const std::string head(name.substr(0, starts[20]));
    const std::string tail(name.substr(starts[starts.size() - 7]));
    return head + "..." + tail;
}

std::string RecentFileCaption(int k, std::string_view path)
{
    std::string caption = "&";
    caption += std::to_string(k);
    caption += ' ';
    for (char c : ShortRecentName(path)) {
        if (c == '&') caption += '&';
        caption += c;
    }
    return caption;
}

bool IsBlankPath(std::string_view path)
{
    return std::all_of(path.begin(), path.end(), [](char c) { return c == ' ' || c == '\t'; });
}

}  // namespace vg
