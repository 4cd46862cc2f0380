#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vg {

// The desktop's view of an installed copy: menu entries for the program, its
// help and its uninstaller; the .vgr document type (shared-mime-info package)
// with VGraph as its default application; the icons in the hicolor theme.
// Everything goes below the user's data home, the default-application choice
// into $XDG_CONFIG_HOME/mimeapps.list.

inline constexpr const char* kDocumentMimeType = "application/x-vgraph-document";
inline constexpr const char* kProgramDesktopId = "vgraph.desktop";
inline constexpr const char* kHelpDesktopId = "vgraph-help.desktop";
inline constexpr const char* kUninstallDesktopId = "vgraph-uninstall.desktop";

// Where the install folder's programs and pages are.
inline constexpr const char* kProgramRelative = "bin/VGraph";
inline constexpr const char* kHelpIndexRelative = "share/vgraph/help/index.html";
inline constexpr const char* kUninstallerRelative = "uninstall";

// The menu entries' texts.
std::string ProgramDesktopEntry(const std::string& installFolder);
std::string HelpDesktopEntry(const std::string& installFolder);
std::string UninstallDesktopEntry(const std::string& installFolder);

// One argument of a desktop entry's Exec key: quoted, with the characters
// that are special inside quotes and in the file's string values escaped.
std::string DesktopExecArgument(std::string_view argument);

// For a file of the install folder that the desktop must see (the MIME
// package, the program and document icons of the hicolor theme): its place
// relative to the data home. Nothing for any other file.
std::optional<std::string> IntegrationTargetFor(std::string_view installedRelative);

// True for a path that setup's integration step can have written: a menu
// entry of ours, our MIME package or one of our icons. The uninstaller
// removes nothing else outside the install folder.
bool IsIntegrationFilePath(std::string_view absolutePath);

struct IntegrationResult {
    std::vector<std::string> Written;  // absolute paths, in the order written
    std::vector<std::string> Failed;   // the ones that could not be written
};

// Writes the menu entries, copies the install folder's integration files
// (installedFiles: relative names as extracted), makes VGraph the default
// application of its document type and refreshes the desktop's caches.
IntegrationResult WriteDesktopIntegration(const std::string& installFolder,
                                          const std::vector<std::string>& installedFiles);

// Drops the default-application line that names our program entry from
// $XDG_CONFIG_HOME/mimeapps.list (other lines stay) and refreshes the caches.
void ForgetDesktopIntegration();

// Runs update-mime-database and update-desktop-database on the data home's
// folders when the tools are present.
void RefreshDesktopCaches();

// mimeapps.list text with our default line added or removed; other lines
// and sections stay as they are.
std::string WithDefaultApplication(std::string_view mimeapps);
std::string WithoutDefaultApplication(std::string_view mimeapps);

}  // namespace vg
