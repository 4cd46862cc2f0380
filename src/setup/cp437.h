#pragma once

#include <string>
#include <string_view>

namespace vg {

// Converts a name in code page 437 (the ZIP default when the UTF-8 flag is
// clear) to UTF-8. Bytes below 0x80 are ASCII.
std::string Cp437ToUtf8(std::string_view text);

}  // namespace vg
