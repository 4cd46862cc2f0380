#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vg {

// Writes bytes to a temporary file in the target's folder and renames it over
// the target, so a reader never sees a half-written file. Creates missing
// folders. A new file gets the usual permissions (0666 less the umask); an
// existing file keeps its own. Returns false (target untouched) on failure.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

enum class ReadFileResult { Ok, NotFound, Unreadable, TooLarge };

// Reads a whole file of at most maxBytes bytes.
ReadFileResult ReadWholeFile(const std::string& path, std::string& bytes, std::size_t maxBytes);

}  // namespace vg
