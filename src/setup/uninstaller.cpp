#include "setup/uninstaller.h"

#include <filesystem>
#include <system_error>

#include "platform/atomic_file.h"
#include "setup/desktop_integration.h"
#include "setup/install_languages.h"
#include "setup/languages_key.h"
#include "setup/uninstall_list.h"

namespace vg {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kMaxListSize = 4u << 20;

// True when no folder between base and the path's parent is a symbolic
// link, so removing the path cannot reach outside base.
bool StaysBelow(const fs::path& base, const std::string& relative)
{
    fs::path current = base;
    const fs::path rel(relative);
    for (auto it = rel.begin(); it != rel.end(); ++it) {
        if (std::next(it) == rel.end())
            break;
        current /= *it;
        std::error_code ec;
        if (fs::is_symlink(current, ec))
            return false;
    }
    return true;
}

// Removes a file (or a symbolic link), or a folder when it is empty.
void RemoveListed(const std::string& path, UninstallResult& result)
{
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(path, ec);
    if (ec || !fs::exists(status))
        return;
    if (fs::is_directory(status)) {
        if (fs::is_empty(path, ec) && !ec && fs::remove(path, ec))
            result.Removed.push_back(path);
        return;
    }
    if (fs::remove(path, ec))
        result.Removed.push_back(path);
    else
        result.Failed.push_back(path);
}

// Our icons sit four folders deep below the data home (icons/hicolor/SIZE/
// KIND); those folders go when the uninstaller left them empty.
void PruneEmptyIconFolders(const std::string& iconPath, UninstallResult& result)
{
    if (iconPath.find("/icons/hicolor/") == std::string::npos)
        return;
    fs::path folder = fs::path(iconPath).parent_path();
    for (int level = 0; level < 4; ++level, folder = folder.parent_path()) {
        std::error_code ec;
        if (!fs::is_directory(fs::symlink_status(folder, ec)) || !fs::is_empty(folder, ec) || ec)
            return;
        if (!fs::remove(folder, ec))
            return;
        result.Removed.push_back(folder.string());
    }
}

// The language files of the removed copy leave the Languages setting, so
// VGraph does not look for them at its next start.
void ForgetInstalledLanguages(const std::string& installFolder)
{
    const std::optional<std::string> setting = ReadLanguagesSetting();
    if (!setting)
        return;
    const std::string kept = WithoutLanguagesBelow(*setting, installFolder);
    if (kept != *setting)
        WriteLanguagesSetting(kept);
}

}  // namespace

UninstallResult RemoveInstallation(const std::string& installFolder)
{
    UninstallResult result;
    const std::string listPath = installFolder + "/" + kUninstallListName;
    std::string text;
    if (ReadWholeFile(listPath, text, kMaxListSize) != ReadFileResult::Ok)
        return result;
    result.ListRead = true;

    bool integration = false;
    for (const std::string& line : ParseUninstallList(text)) {
        if (line.front() == '/') {
            if (IsIntegrationFilePath(line)) {
                RemoveListed(line, result);
                PruneEmptyIconFolders(line, result);
                integration = true;
            }
            continue;
        }
        const std::string relative = InstalledRelativeName(line);
        if (relative.empty() || relative != line || !StaysBelow(installFolder, relative))
            continue;
        RemoveListed(installFolder + "/" + relative, result);
    }
    // What could not be removed stays listed, so the uninstaller can be run
    // again.
    if (result.Failed.empty()) {
        RemoveListed(listPath, result);
        std::error_code ec;
        if (fs::is_directory(fs::symlink_status(installFolder, ec)))
            RemoveListed(installFolder, result);
    }
    ForgetInstalledLanguages(installFolder);
    if (integration)
        ForgetDesktopIntegration();
    return result;
}

}  // namespace vg
