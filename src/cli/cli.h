#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace vg {

// Exit statuses that scripts rely on.
inline constexpr int kExitOk = 0;
inline constexpr int kExitSyntaxError = 2;
inline constexpr int kExitUndefined = 3;
inline constexpr int kExitUsage = 64;

// The message of every command for a formula that holds nothing.
inline constexpr const char* kEmptyFormulaText = "Empty formula";

// Runs one vgraph-cli command; args excludes the program name.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Messages on standard error: "vgraph-cli: MESSAGE", or "vgraph-cli: FILE:
// MESSAGE" where a file is concerned. Line breaks inside the program's
// messages ("\r" or "\n") become blanks, so every message is one line.
void PrintCliError(std::ostream& err, std::string_view message);
void PrintCliFileError(std::ostream& err, std::string_view file, std::string_view message);

// "vgraph-cli: COMMAND: PROBLEM" followed by the command's usage; returns
// kExitUsage.
int CliUsageError(std::ostream& err, std::string_view command, std::string_view problem);

// "Empty formula" on standard error; returns kExitSyntaxError.
int CliEmptyFormula(std::ostream& err);

}  // namespace vg
