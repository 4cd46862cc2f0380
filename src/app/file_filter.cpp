#include "app/file_filter.h"

#include <vector>

#include "app/translator.h"

namespace vg {

namespace {

std::vector<std::string_view> Split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        std::size_t at = text.find(separator, start);
        parts.push_back(text.substr(start, at == std::string_view::npos ? text.npos : at - start));
        if (at == std::string_view::npos) break;
        start = at + 1;
    }
    return parts;
}

std::string_view TrimBlanks(std::string_view s)
{
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

std::string QtMasks(std::string_view masks)
{
    std::string out;
    for (std::string_view mask : Split(masks, ';')) {
        mask = TrimBlanks(mask);
        if (mask.empty()) continue;
        if (!out.empty()) out += ' ';
        out += mask == "*.*" ? std::string_view("*") : mask;
    }
    return out.empty() ? std::string("*") : out;
}

}  // namespace

std::string TranslateFileFilter(std::string_view filter)
{
    std::vector<std::string_view> parts = Split(filter, '|');
    std::string out;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) out += '|';
        out += (i % 2 == 0) ? Translate(parts[i]) : std::string(parts[i]);
    }
    return out;
}

std::string ToQtFileFilter(std::string_view filter)
{
    std::vector<std::string_view> parts = Split(filter, '|');
    std::string out;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        std::string description(TrimBlanks(parts[i]));
        std::string masks = QtMasks(parts[i + 1]);
        std::size_t open = description.rfind('(');
        if (!description.empty() && description.back() == ')' && open != std::string::npos) {
            std::string shown = description.substr(open + 1, description.size() - open - 2);
            if (QtMasks(shown) == masks || shown == parts[i + 1]) {
                description = std::string(TrimBlanks(std::string_view(description).substr(0, open)));
            }
        }
        if (!out.empty()) out += ";;";
        out += description.empty() ? masks : description + " (" + masks + ")";
    }
    return out;
}

}  // namespace vg
