#include "app/help_html.h"

#include <cctype>
#include <charconv>
#include <utility>

namespace vg {

namespace {

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

std::string Lowered(std::string_view text)
{
    std::string out(text);
    for (char& c : out) c = Lower(c);
    return out;
}

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

void AppendUtf8(std::string& out, unsigned code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x110000) {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The named entities the pages use; others stay as written.
constexpr std::pair<std::string_view, unsigned> kEntities[] = {
    {"amp", '&'},     {"lt", '<'},       {"gt", '>'},       {"quot", '"'},     {"apos", '\''},
    {"nbsp", 0xA0},   {"pi", 0x3C0},     {"le", 0x2264},    {"ge", 0x2265},    {"ne", 0x2260},
    {"times", 0xD7},  {"minus", 0x2212}, {"rarr", 0x2192},  {"larr", 0x2190},  {"middot", 0xB7},
    {"hellip", 0x2026}, {"ndash", 0x2013}, {"mdash", 0x2014}, {"deg", 0xB0},   {"sup2", 0xB2},
    {"infin", 0x221E}, {"plusmn", 0xB1}, {"radic", 0x221A}, {"sum", 0x2211},  {"asymp", 0x2248},
    {"lsquo", 0x2018}, {"rsquo", 0x2019}, {"ldquo", 0x201C}, {"rdquo", 0x201D}, {"copy", 0xA9},
};

// Decodes the entity at text[0] == '&'; returns the characters consumed (0:
// not an entity we know).
std::size_t DecodeEntity(std::string_view text, std::string& out)
{
    std::size_t semicolon = text.find(';');
    if (semicolon == std::string_view::npos || semicolon < 2 || semicolon > 10) return 0;
    std::string_view name = text.substr(1, semicolon - 1);
    if (name[0] == '#') {
        unsigned code = 0;
        const bool hex = name.size() > 1 && (name[1] == 'x' || name[1] == 'X');
        std::string_view digits = name.substr(hex ? 2 : 1);
        auto parsed = std::from_chars(digits.data(), digits.data() + digits.size(), code, hex ? 16 : 10);
        if (digits.empty() || parsed.ec != std::errc() || parsed.ptr != digits.data() + digits.size()) return 0;
        AppendUtf8(out, code);
        return semicolon + 1;
    }
    for (const auto& [entity, code] : kEntities) {
        if (entity == name) {
            AppendUtf8(out, code);
            return semicolon + 1;
        }
    }
    return 0;
}

std::string DecodeEntities(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == '&') {
            std::size_t used = DecodeEntity(text.substr(i), out);
            if (used > 0) {
                i += used;
                continue;
            }
        }
        out += text[i++];
    }
    return out;
}

std::string CollapseSpaces(std::string_view text)
{
    std::string out;
    bool pendingSpace = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        // A no-break space (UTF-8 C2 A0) counts as a blank too.
        const bool nbsp = c == '\xC2' && i + 1 < text.size() && text[i + 1] == '\xA0';
        if (IsSpace(c) || nbsp) {
            pendingSpace = !out.empty();
            if (nbsp) ++i;
            continue;
        }
        if (pendingSpace) out += ' ';
        pendingSpace = false;
        out += c;
    }
    return out;
}

// One tag of the page: its lower-case name (with a leading "/" for end
// tags) and its attribute text.
struct Tag {
    std::string name;
    std::string_view attributes;
    std::size_t end = 0;  // index just past ">"
};

// Reads the tag starting at html[start] == '<'; comments and declarations
// come back with an empty name.
Tag ReadTag(std::string_view html, std::size_t start)
{
    Tag tag;
    if (html.compare(start, 4, "<!--") == 0) {
        std::size_t close = html.find("-->", start + 4);
        tag.end = close == std::string_view::npos ? html.size() : close + 3;
        return tag;
    }
    std::size_t i = start + 1;
    char quote = 0;
    std::size_t close = i;
    for (; close < html.size(); ++close) {
        const char c = html[close];
        if (quote) {
            if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            break;
        }
    }
    tag.end = close < html.size() ? close + 1 : html.size();
    if (i < html.size() && (html[i] == '!' || html[i] == '?')) return tag;
    std::size_t nameEnd = i;
    if (nameEnd < close && html[nameEnd] == '/') ++nameEnd;
    while (nameEnd < close && (std::isalnum(static_cast<unsigned char>(html[nameEnd])))) ++nameEnd;
    tag.name = Lowered(html.substr(i, nameEnd - i));
    tag.attributes = html.substr(nameEnd, close - nameEnd);
    return tag;
}

// The value of one attribute of a tag (empty when it has none).
bool AttributeValue(std::string_view attributes, std::string_view wanted, std::string& value)
{
    std::size_t i = 0;
    while (i < attributes.size()) {
        while (i < attributes.size() && (IsSpace(attributes[i]) || attributes[i] == '/')) ++i;
        std::size_t nameStart = i;
        while (i < attributes.size() && !IsSpace(attributes[i]) && attributes[i] != '=' && attributes[i] != '/') ++i;
        std::string name = Lowered(attributes.substr(nameStart, i - nameStart));
        while (i < attributes.size() && IsSpace(attributes[i])) ++i;
        std::string_view raw;
        if (i < attributes.size() && attributes[i] == '=') {
            ++i;
            while (i < attributes.size() && IsSpace(attributes[i])) ++i;
            if (i < attributes.size() && (attributes[i] == '"' || attributes[i] == '\'')) {
                const char quote = attributes[i++];
                std::size_t end = attributes.find(quote, i);
                if (end == std::string_view::npos) end = attributes.size();
                raw = attributes.substr(i, end - i);
                i = end + 1;
            } else {
                std::size_t start = i;
                while (i < attributes.size() && !IsSpace(attributes[i])) ++i;
                raw = attributes.substr(start, i - start);
            }
        }
        if (name.empty()) {
            ++i;
            continue;
        }
        if (name == wanted) {
            value = DecodeEntities(raw);
            return true;
        }
    }
    return false;
}

// Calls visit(tag) for every tag of the page, in order.
template <typename Visit>
void ForEachTag(std::string_view html, Visit visit)
{
    for (std::size_t i = html.find('<'); i != std::string_view::npos; i = html.find('<', i)) {
        Tag tag = ReadTag(html, i);
        if (!tag.name.empty()) visit(tag);
        i = tag.end;
    }
}

// Where the element that starts with this tag ends: just past its end tag.
std::size_t SkipElement(std::string_view html, const Tag& tag)
{
    const std::string closing = "</" + tag.name;
    std::string lower = Lowered(html.substr(tag.end));
    std::size_t found = lower.find(closing);
    if (found == std::string::npos) return html.size();
    std::size_t close = html.find('>', tag.end + found);
    return close == std::string_view::npos ? html.size() : close + 1;
}

}  // namespace

std::string HtmlPageTitle(std::string_view html)
{
    std::string title;
    for (std::size_t i = html.find('<'); i != std::string_view::npos; i = html.find('<', i)) {
        Tag tag = ReadTag(html, i);
        if (tag.name == "title") {
            std::size_t end = SkipElement(html, tag);
            std::string_view inner = html.substr(tag.end, end - tag.end);
            inner = inner.substr(0, inner.rfind('<'));
            return CollapseSpaces(DecodeEntities(inner));
        }
        i = tag.end;
    }
    return title;
}

std::string HtmlToText(std::string_view html)
{
    std::string text;
    std::size_t i = 0;
    while (i < html.size()) {
        if (html[i] != '<') {
            std::size_t next = html.find('<', i);
            if (next == std::string_view::npos) next = html.size();
            text += DecodeEntities(html.substr(i, next - i));
            i = next;
            continue;
        }
        Tag tag = ReadTag(html, i);
        if (tag.name == "head" || tag.name == "style" || tag.name == "script") {
            i = SkipElement(html, tag);
        } else {
            i = tag.end;
        }
        text += ' ';
    }
    return CollapseSpaces(text);
}

std::vector<std::string> HtmlLinkTargets(std::string_view html)
{
    std::vector<std::string> targets;
    ForEachTag(html, [&](const Tag& tag) {
        std::string value;
        if ((tag.name == "a" || tag.name == "link") && AttributeValue(tag.attributes, "href", value))
            targets.push_back(value);
        else if (tag.name == "img" && AttributeValue(tag.attributes, "src", value))
            targets.push_back(value);
    });
    return targets;
}

std::vector<std::string> HtmlAnchorNames(std::string_view html)
{
    std::vector<std::string> names;
    ForEachTag(html, [&](const Tag& tag) {
        std::string value;
        if (tag.name == "a" && AttributeValue(tag.attributes, "name", value)) names.push_back(value);
        if (AttributeValue(tag.attributes, "id", value)) names.push_back(value);
    });
    return names;
}

}  // namespace vg
