#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "setup/zip_test_support.h"

namespace vg::test {

// A temporary home for an installation: XDG_DATA_HOME and XDG_CONFIG_HOME
// point into it (VGRAPH_CONFIG_DIR is cleared) until the object goes.
class InstallSandbox {
public:
    InstallSandbox();
    ~InstallSandbox();
    InstallSandbox(const InstallSandbox&) = delete;
    InstallSandbox& operator=(const InstallSandbox&) = delete;

    std::filesystem::path Root() const { return folder_.path(); }
    std::filesystem::path DataHome() const { return folder_ / "data"; }
    std::filesystem::path ConfigHome() const { return folder_ / "config"; }
    std::filesystem::path InstallFolder() const { return folder_ / "install"; }
    std::filesystem::path SettingsFile() const { return ConfigHome() / "VGraph" / "VGraph.ini"; }
    // The Languages line of the settings file, nothing when it is missing.
    std::optional<std::string> LanguagesLine() const;
    // Every file and folder below the root, relative, sorted.
    std::vector<std::string> Tree() const;

private:
    TempFolder folder_;
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

// An archive shaped like Setup.dat: Unix folder entries, a program stored
// without Unix modes (from an MS-DOS host), two language files, the MIME
// package and an icon. corruptEntry names an entry whose CRC is made wrong.
Bytes ProgramLikeArchive(const std::string& corruptEntry = {});

std::string ReadText(const std::filesystem::path& path);

}  // namespace vg::test
