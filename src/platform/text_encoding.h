#pragma once

#include <string>
#include <string_view>

namespace vg {

// Decodes text bytes as UTF-8; every byte that does not start a valid UTF-8
// sequence is read as Windows-1252 instead, so files written in the old
// single-byte code page still read correctly. The result is valid UTF-8.
std::string DecodeUtf8OrWindows1252(std::string_view bytes);

// Appends the UTF-8 form of code point c.
void AppendUtf8(std::string& out, char32_t c);

// Removes a leading UTF-8 byte order mark.
std::string_view StripUtf8Bom(std::string_view bytes);

// Case-folded copy of UTF-8 text for case-insensitive comparison: ASCII,
// Latin-1, Latin Extended-A, Greek and Cyrillic capitals become small letters.
std::string FoldCase(std::string_view utf8);

// ASCII-only case folding (settings-file sections and keys).
std::string FoldAsciiCase(std::string_view text);

}  // namespace vg
