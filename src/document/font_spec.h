#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "document/short_string.h"

namespace vg {

#pragma pack(push, 1)
// A font as the option records store it (44 bytes).
struct FontSpec {
    uint32_t Color;  // colour value 00BBGGRR, not a table index
    int32_t Size;    // points
    ShortString<32> Name;
    uint8_t Style;  // bit 0 bold, 1 italic, 2 underline, 3 strikeout
    uint8_t Padding[2];
};
#pragma pack(pop)

static_assert(sizeof(FontSpec) == 44);
static_assert(offsetof(FontSpec, Color) == 0);
static_assert(offsetof(FontSpec, Size) == 4);
static_assert(offsetof(FontSpec, Name) == 8);
static_assert(offsetof(FontSpec, Style) == 41);
static_assert(offsetof(FontSpec, Padding) == 42);

inline constexpr uint8_t kFontBold = 1;
inline constexpr uint8_t kFontItalic = 2;
inline constexpr uint8_t kFontUnderline = 4;
inline constexpr uint8_t kFontStrikeOut = 8;

// A zeroed font with the given name and size, black, regular.
FontSpec MakeFontSpec(std::string_view name, int32_t size);

}  // namespace vg
