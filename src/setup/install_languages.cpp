#include "setup/install_languages.h"

#include <cctype>

namespace vg {
namespace {

std::string_view FileNamePart(std::string_view name)
{
    const std::size_t slash = name.find_last_of("/\\");
    return slash == std::string_view::npos ? name : name.substr(slash + 1);
}

}  // namespace

bool SameLanguageName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

bool IsLanguageFileName(std::string_view entryName)
{
    const std::string_view file = FileNamePart(entryName);
    return file.size() > 4 && SameLanguageName(file.substr(file.size() - 4), ".vgl");
}

std::string LanguageMenuName(std::string_view entryName)
{
    const std::string_view file = FileNamePart(entryName);
    const std::size_t dot = file.rfind('.');
    return std::string(dot == std::string_view::npos || dot == 0 ? file : file.substr(0, dot));
}

void InstalledLanguages::Add(const std::string& installedPath)
{
    if (installedPath.find('?') == std::string::npos)
        paths_.push_back(installedPath);
}

std::vector<std::string> InstalledLanguages::Items() const
{
    std::vector<std::string> items{"English"};
    for (const std::string& path : paths_)
        items.push_back(LanguageMenuName(path));
    return items;
}

std::string InstalledLanguages::SettingFor(std::size_t chosenItem) const
{
    std::string setting;
    for (std::size_t i = 0; i < paths_.size(); ++i) {
        if (i + 1 == chosenItem)
            setting += '!';
        setting += '?' + paths_[i] + '?';
    }
    return setting;
}

int InstalledLanguages::ItemNamed(std::string_view name) const
{
    const std::vector<std::string> items = Items();
    for (std::size_t i = 0; i < items.size(); ++i)
        if (SameLanguageName(items[i], name))
            return static_cast<int>(i);
    return -1;
}

std::string WithoutLanguagesBelow(std::string_view setting, const std::string& folder)
{
    const std::string prefix = folder + "/";
    std::string kept;
    std::size_t i = 0;
    std::size_t pendingMark = std::string_view::npos;  // where a "!" waits for its entry
    while (i < setting.size()) {
        if (setting[i] != '?') {
            if (setting[i] == '!')
                pendingMark = kept.size();
            kept += setting[i++];
            continue;
        }
        const std::size_t close = setting.find('?', i + 1);
        if (close == std::string_view::npos) {
            kept += setting.substr(i);
            break;
        }
        const std::string_view path = setting.substr(i + 1, close - i - 1);
        if (path.substr(0, prefix.size()) == prefix) {
            if (pendingMark != std::string_view::npos)
                kept.erase(pendingMark, 1);
        } else {
            kept += setting.substr(i, close - i + 1);
        }
        pendingMark = std::string_view::npos;
        i = close + 1;
    }
    return kept;
}

}  // namespace vg
