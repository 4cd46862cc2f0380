#pragma once

// What the options dialogs share without their windows: the refusal of a
// field (message, arguments, page, control), the reading of typed numbers
// and integers, texts cut to a field's length, and the font choice that a
// font button hands back.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/font_spec.h"

namespace vg {

// The refusals of the options dialogs, in English ("\r" starts a new line).
inline constexpr const char* kNumberRangeMessage = "This value must be a number\rfrom %s up to %s";
inline constexpr const char* kNaturalRangeMessage = "This value must be a natural\rnumber up to %s";
inline constexpr const char* kPositiveRangeMessage = "This value must be a positive\rnumber up to %s";
inline constexpr const char* kIntegerRangeMessage = "This value must be an integer\rfrom %s up to %s";
inline constexpr const char* kMaxXOrderMessage = "Maximum of X must be more\rthan minimum of X";
inline constexpr const char* kMaxYOrderMessage = "Maximum of Y must be more\rthan minimum of Y";
inline constexpr const char* kFontNameTooLongMessage =
    "The name of the font is too long to be kept:\r%s\r(at most %s characters)";

// The first check of a dialog that failed: the message with its arguments,
// the page that shows the field and the field's control name ("MinXEdit").
struct OptionsFailure {
    std::string Message;
    std::vector<std::string> Arguments;
    int Page = 0;
    std::string Field;
};

// The message as the user reads it: translated, then the arguments filled in.
std::string OptionsFailureText(const OptionsFailure& failure);

// A typed number (decimal or "m*10^p", blanks around it ignored); nothing
// for any other text.
std::optional<long double> ReadTypedNumber(std::string_view text);

// A decimal integer with blanks around it; nothing for any other text.
std::optional<int32_t> ReadTypedInteger(std::string_view text);

// The display form of a number as the dialogs show it.
std::string NumberFieldText(long double value);

// text cut to at most maxCharacters characters and maxBytes bytes, never in
// the middle of a character (texts are UTF-8).
std::string LimitedText(std::string_view text, std::size_t maxCharacters, std::size_t maxBytes);

// Colour values of fonts are 00BBGGRR.
uint32_t FontColorValue(int red, int green, int blue);
void FontColorParts(uint32_t value, int& red, int& green, int& blue);

// What a font dialog returned.
struct FontChoice {
    std::string Family;
    double PointSize = 8;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
};

// The working font after a choice: name, size (rounded to whole points, at
// least 1) and style bits from the choice, the colour kept. A family name
// the record cannot hold (more than 32 bytes) is refused with its message
// (field and page left for the caller) and the font stays as it was.
std::optional<OptionsFailure> ApplyFontChoice(const FontChoice& choice, FontSpec& font);

}  // namespace vg
