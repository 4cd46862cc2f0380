#include "setup/entry_name.h"

#include <string>

namespace vg {
namespace {

bool IsSeparator(char c)
{
    return c == '/' || c == '\\';
}

bool HasDriveLetter(std::string_view name)
{
    return name.size() >= 2 && name[1] == ':' &&
           ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= 'a' && name[0] <= 'z'));
}

bool HasParentComponent(std::string_view name)
{
    std::size_t start = 0;
    while (start <= name.size()) {
        std::size_t end = start;
        while (end < name.size() && !IsSeparator(name[end]))
            ++end;
        if (name.substr(start, end - start) == "..")
            return true;
        start = end + 1;
    }
    return false;
}

}  // namespace

bool IsSafeEntryName(std::string_view name)
{
    return !name.empty() && !IsSeparator(name.front()) && !HasDriveLetter(name) &&
           name.find('\0') == std::string_view::npos && !HasParentComponent(name);
}

bool NameEndsInSeparator(std::string_view name)
{
    return !name.empty() && IsSeparator(name.back());
}

std::optional<std::filesystem::path> TargetPathForEntry(const std::filesystem::path& folder,
                                                        std::string_view name)
{
    if (!IsSafeEntryName(name))
        return std::nullopt;
    std::string relative(name);
    for (char& c : relative)
        if (c == '\\')
            c = '/';
    std::string target = folder.string();
    if (!target.empty() && target.back() != '/')
        target.push_back('/');
    return std::filesystem::path(target + relative);
}

}  // namespace vg
