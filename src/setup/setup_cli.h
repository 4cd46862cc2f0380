#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace vg {

// Exit statuses of the setup program's headless modes.
inline constexpr int kSetupExitOk = 0;
inline constexpr int kSetupExitFailed = 1;
inline constexpr int kSetupExitUsage = 64;

// setup --list ARCHIVE: one line per entry: name, method, size, compressed
// size and CRC (8 hex digits), separated by tabs.
// setup --extract ARCHIVE DIR: extracts every entry under DIR and prints one
// line per entry: name and result code, separated by a tab; exit status 0 only
// when every entry gave 0.
// setup --install [ARCHIVE] [--dir DIR] [--language NAME] [--no-integration]
// [--yes]: the installation without windows: one line per entry (name, tab,
// result code), then the path of every integration file written; exit status
// 0 only when everything was installed. Questions (licence, going on after
// failed entries) are asked on stderr and answered on in; --yes answers them.
// args excludes the program name.
int RunSetupCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);
int RunSetupCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// True when the arguments ask for one of the headless modes.
bool IsHeadlessSetupCommand(const std::vector<std::string>& args);

// DIR/uninstall [--yes]: removes the copy installed in installFolder and
// prints every removed path; asks first on stderr (answer on in) unless
// --yes. Exit status 0 when everything listed is gone.
int RunUninstallCommand(const std::vector<std::string>& args, const std::string& installFolder, std::istream& in,
                        std::ostream& out, std::ostream& err);

// Removes the installation without asking, printing every removed path;
// the exit status as RunUninstallCommand.
int UninstallAndReport(const std::string& installFolder, std::ostream& out, std::ostream& err);

}  // namespace vg
