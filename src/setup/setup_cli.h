#pragma once

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
// args excludes the program name.
int RunSetupCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace vg
