#pragma once

#include <string>
#include <vector>

namespace vg {

// Runs a program found on the PATH with the given arguments, its output
// discarded, and waits for it. False when the program is missing, cannot be
// started or fails.
bool RunToolIfPresent(const std::string& program, const std::vector<std::string>& arguments);

}  // namespace vg
