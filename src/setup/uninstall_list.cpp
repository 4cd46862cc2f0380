#include "setup/uninstall_list.h"

#include "setup/entry_name.h"

namespace vg {
namespace {

std::vector<std::string> Components(std::string_view name)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= name.size()) {
        std::size_t end = name.find_first_of("/\\", start);
        if (end == std::string_view::npos)
            end = name.size();
        const std::string_view part = name.substr(start, end - start);
        if (!part.empty() && part != ".")
            parts.emplace_back(part);
        start = end + 1;
    }
    return parts;
}

std::string Joined(const std::vector<std::string>& parts, std::size_t count)
{
    std::string path;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0)
            path += '/';
        path += parts[i];
    }
    return path;
}

}  // namespace

std::string InstalledRelativeName(std::string_view entryName)
{
    if (!IsSafeEntryName(entryName))
        return {};
    const std::vector<std::string> parts = Components(entryName);
    return Joined(parts, parts.size());
}

void UninstallList::AddEntry(std::string_view name, bool isFolder)
{
    if (InstalledRelativeName(name).empty())
        return;
    const std::vector<std::string> parts = Components(name);
    const std::size_t folderDepth = isFolder ? parts.size() : parts.size() - 1;
    for (std::size_t depth = 1; depth <= folderDepth; ++depth)
        folders_.insert(Joined(parts, depth));
    if (!isFolder)
        files_.push_back(Joined(parts, parts.size()));
}

void UninstallList::AddIntegrationFile(const std::string& absolutePath)
{
    integration_.push_back(absolutePath);
}

std::string UninstallList::Format() const
{
    std::string text;
    for (const std::string& file : files_)
        text += file + '\n';
    for (auto it = folders_.rbegin(); it != folders_.rend(); ++it)
        text += *it + '\n';
    for (const std::string& file : integration_)
        text += file + '\n';
    return text;
}

std::vector<std::string> ParseUninstallList(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!line.empty())
            lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

}  // namespace vg
