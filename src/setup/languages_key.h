#pragma once

#include <optional>
#include <string>

namespace vg {

// The settings file VGraph reads its language from, by bare name (it lives in
// VGraph's configuration folder), and the key setup writes there.
inline constexpr const char* kProgramSettingsName = "VGraph.ini";

// The Languages key of section Common; nothing when the file cannot be read.
std::optional<std::string> ReadLanguagesSetting();
// Writes it, keeping the rest of the file; false when that failed.
bool WriteLanguagesSetting(const std::string& value);
std::string ProgramSettingsPath();

}  // namespace vg
