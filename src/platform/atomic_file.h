#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vg {

// The one routine through which the program writes a file.
//
// A symbolic link is followed to its final target, and the target is what
// gets written: the bytes go to a temporary file beside the target, which is
// then renamed over it, so a reader never sees a half-written file and a
// failed write leaves the old one untouched. A target that exists and is not
// a regular file (a device, a pipe) is written directly instead, never
// replaced. Missing folders are not created: writing into one fails.
// A new file gets the usual permissions (0666 less the umask); an existing
// file keeps its own. Returns false on any failure.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// The path that a write to path ends at: path with every symbolic link of
// its last component followed (a link into a missing file gives that file's
// path). False for a loop of links.
bool ResolveWriteTarget(const std::string& path, std::string& target);

enum class ReadFileResult { Ok, NotFound, Unreadable, TooLarge };

// Reads a whole file of at most maxBytes bytes.
ReadFileResult ReadWholeFile(const std::string& path, std::string& bytes, std::size_t maxBytes);

}  // namespace vg
