#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vg {

// Exit statuses that scripts rely on.
inline constexpr int kExitOk = 0;
inline constexpr int kExitSyntaxError = 2;
inline constexpr int kExitUndefined = 3;
inline constexpr int kExitUsage = 64;

// Runs one vgraph-cli command; args excludes the program name.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace vg
