#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace vg {

// The name of the list of installed files, in the install folder.
inline constexpr const char* kUninstallListName = "UnInst.inf";

// What the uninstaller removes: the extracted files (relative to the install
// folder, in archive order), the folders of every entry name, and the
// integration files setup wrote outside the install folder (absolute paths).
class UninstallList {
public:
    // Records an archive entry: a file line for a file entry, and the folders
    // on its path (for a folder entry also the folder itself). Unsafe names
    // are never recorded.
    void AddEntry(std::string_view name, bool isFolder);
    void AddIntegrationFile(const std::string& absolutePath);

    const std::vector<std::string>& Files() const { return files_; }
    const std::set<std::string>& Folders() const { return folders_; }
    const std::vector<std::string>& IntegrationFiles() const { return integration_; }

    // One name per line: the files, then the folders sorted (letter case
    // counts) and written from the last to the first, so that every folder
    // comes before the folders that contain it; then the integration files.
    std::string Format() const;

private:
    std::vector<std::string> files_;
    std::set<std::string> folders_;
    std::vector<std::string> integration_;
};

// The entry name as a path below the install folder ("\" and "/" both
// separate; empty and "." components dropped); empty for an unsafe name.
std::string InstalledRelativeName(std::string_view entryName);

// The lines of a list as written by Format (LF or CR LF; blank lines dropped).
std::vector<std::string> ParseUninstallList(std::string_view text);

}  // namespace vg
