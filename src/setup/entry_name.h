#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace vg {

// An entry name may be written under a target folder only when it stays
// inside it: not empty, not absolute, no drive letter, no ".." component,
// no NUL byte. Both "/" and "\" count as separators.
bool IsSafeEntryName(std::string_view name);

// True when the name denotes a folder (it ends in a separator).
bool NameEndsInSeparator(std::string_view name);

// folder/name for a safe name (a trailing "/" is kept); nothing otherwise.
std::optional<std::filesystem::path> TargetPathForEntry(const std::filesystem::path& folder,
                                                        std::string_view name);

}  // namespace vg
