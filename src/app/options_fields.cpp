#include "app/options_fields.h"

#include <cmath>

#include "app/graph_props_model.h"
#include "app/translator.h"
#include "engine/number_text.h"

namespace vg {

std::string OptionsFailureText(const OptionsFailure& failure)
{
    // An argument is never read for places of its own (a font may be named "%s").
    std::string text = Translate(failure.Message);
    std::size_t from = 0;
    for (const std::string& argument : failure.Arguments) {
        const std::size_t at = text.find("%s", from);
        if (at == std::string::npos) break;
        text.replace(at, 2, argument);
        from = at + argument.size();
    }
    return text;
}

std::optional<long double> ReadTypedNumber(std::string_view text)
{
    bool failed = true;
    const long double value = ParseNumberInput(text, failed);
    if (failed || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<int32_t> ReadTypedInteger(std::string_view text)
{
    int32_t value = 0;
    if (!ParseIntegerField(text, value)) return std::nullopt;
    return value;
}

std::string NumberFieldText(long double value) { return FormatNumber(value); }

std::string LimitedText(std::string_view text, std::size_t maxCharacters, std::size_t maxBytes)
{
    std::size_t end = 0;
    std::size_t characters = 0;
    while (end < text.size() && characters < maxCharacters) {
        // A character is its lead byte and the continuation bytes after it.
        std::size_t next = end + 1;
        while (next < text.size() && (static_cast<unsigned char>(text[next]) & 0xC0) == 0x80) ++next;
        if (next > maxBytes) break;
        end = next;
        ++characters;
    }
    return std::string(text.substr(0, end));
}

uint32_t FontColorValue(int red, int green, int blue)
{
    auto part = [](int v) { return static_cast<uint32_t>(v < 0 ? 0 : v > 255 ? 255 : v); };
    return part(red) | part(green) << 8 | part(blue) << 16;
}

void FontColorParts(uint32_t value, int& red, int& green, int& blue)
{
    red = static_cast<int>(value & 0xFF);
    green = static_cast<int>((value >> 8) & 0xFF);
    blue = static_cast<int>((value >> 16) & 0xFF);
}

std::optional<OptionsFailure> ApplyFontChoice(const FontChoice& choice, FontSpec& font)
{
    constexpr std::size_t capacity = decltype(font.Name)::Capacity();
    if (choice.Family.size() > capacity) {
        // Cut short it would name another family, or none.
        return OptionsFailure{kFontNameTooLongMessage, {choice.Family, std::to_string(capacity)}, 0, {}};
    }
    font.Name.Assign(choice.Family);
    const double rounded = std::round(choice.PointSize);
    font.Size = !(rounded >= 1) ? 1 : rounded > 1000 ? 1000 : static_cast<int32_t>(rounded);
    font.Style = static_cast<uint8_t>((choice.Bold ? kFontBold : 0) | (choice.Italic ? kFontItalic : 0) |
                                      (choice.Underline ? kFontUnderline : 0) |
                                      (choice.StrikeOut ? kFontStrikeOut : 0));
    return std::nullopt;
}

}  // namespace vg
