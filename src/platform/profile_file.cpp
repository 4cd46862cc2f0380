#include "platform/profile_file.h"

#include <charconv>

#include "platform/atomic_file.h"
#include "platform/config_paths.h"
#include "platform/text_encoding.h"

namespace vg {

namespace {

// A settings file larger than this is not a settings file of ours.
constexpr std::size_t kMaxProfileBytes = 16 * 1024 * 1024;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

std::string SingleLine(std::string_view text)
{
    std::string out(Trim(text));
    for (char& c : out) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return out;
}

bool ParseDecimalInt(std::string_view text, int& value)
{
    text = Trim(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    int parsed = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), parsed, 10);
    if (ec != std::errc() || end != text.data() + text.size()) return false;
    value = parsed;
    return true;
}

}  // namespace

ProfileFile::ProfileFile(std::string path) : path_(std::move(path))
{
    std::string bytes;
    ReadFileResult result = ReadWholeFile(path_, bytes, kMaxProfileBytes);
    if (result == ReadFileResult::Ok) {
        Parse(bytes);
    } else if (result != ReadFileResult::NotFound) {
        readable_ = false;
    }
}

ProfileFile ProfileFile::FromText(std::string_view text)
{
    ProfileFile file;
    file.Parse(text);
    return file;
}

void ProfileFile::Parse(std::string_view text)
{
    text = StripUtf8Bom(text);
    lines_.clear();
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view raw = text.substr(start, end - start);
        if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
        lines_.push_back(ParseLine(raw));
        start = end + 1;
    }
}

ProfileFile::Line ProfileFile::ParseLine(std::string_view raw)
{
    Line line;
    line.text = std::string(raw);
    std::string_view body = Trim(raw);
    if (body.empty() || body.front() == ';') return line;
    if (body.front() == '[') {
        std::size_t close = body.find(']');
        std::string_view name = body.substr(1, close == std::string_view::npos ? body.npos : close - 1);
        line.kind = LineKind::Section;
        line.name = FoldAsciiCase(Trim(name));
        return line;
    }
    std::size_t equals = body.find('=');
    if (equals == std::string_view::npos) return line;
    std::string_view key = Trim(body.substr(0, equals));
    if (key.empty()) return line;
    line.kind = LineKind::Entry;
    line.name = FoldAsciiCase(key);
    line.value = std::string(Trim(body.substr(equals + 1)));
    return line;
}

long ProfileFile::FindSection(std::string_view section) const
{
    std::string name = FoldAsciiCase(Trim(section));
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind == LineKind::Section && lines_[i].name == name) return static_cast<long>(i);
    }
    return -1;
}

long ProfileFile::SectionEnd(long header) const
{
    std::size_t i = static_cast<std::size_t>(header) + 1;
    while (i < lines_.size() && lines_[i].kind != LineKind::Section) ++i;
    return static_cast<long>(i);
}

long ProfileFile::FindEntry(long header, std::string_view key) const
{
    std::string name = FoldAsciiCase(Trim(key));
    long end = SectionEnd(header);
    for (long i = header + 1; i < end; ++i) {
        const Line& line = lines_[static_cast<std::size_t>(i)];
        if (line.kind == LineKind::Entry && line.name == name) return i;
    }
    return -1;
}

std::string ProfileFile::ReadString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const
{
    long header = FindSection(section);
    if (header < 0) return std::string(defaultValue);
    long entry = FindEntry(header, key);
    if (entry < 0) return std::string(defaultValue);
    return lines_[static_cast<std::size_t>(entry)].value;
}

int ProfileFile::ReadInteger(std::string_view section, std::string_view key, int defaultValue) const
{
    int value = defaultValue;
    if (ValueExists(section, key) && ParseDecimalInt(ReadString(section, key, ""), value)) return value;
    return defaultValue;
}

bool ProfileFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const
{
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool ProfileFile::SectionExists(std::string_view section) const
{
    return FindSection(section) >= 0;
}

bool ProfileFile::ValueExists(std::string_view section, std::string_view key) const
{
    long header = FindSection(section);
    return header >= 0 && FindEntry(header, key) >= 0;
}

bool ProfileFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    std::string cleanSection = SingleLine(section);
    std::string cleanKey = SingleLine(key);
    std::string cleanValue = SingleLine(value);
    Line entry = ParseLine(cleanKey + "=" + cleanValue);
    if (entry.kind != LineKind::Entry) return false;  // an empty key cannot be stored

    long header = FindSection(cleanSection);
    if (header < 0) {
        lines_.push_back(ParseLine("[" + cleanSection + "]"));
        lines_.push_back(std::move(entry));
    } else if (long found = FindEntry(header, cleanKey); found >= 0) {
        lines_[static_cast<std::size_t>(found)] = std::move(entry);
    } else {
        // After the section's last non-blank line, so blank separators stay last.
        long at = SectionEnd(header);
        while (at > header + 1 && Trim(lines_[static_cast<std::size_t>(at - 1)].text).empty()) --at;
        lines_.insert(lines_.begin() + at, std::move(entry));
    }
    if (updateDepth_ > 0) {
        pendingSave_ = true;
        return true;
    }
    return Save();
}

bool ProfileFile::WriteInteger(std::string_view section, std::string_view key, int value)
{
    char buffer[16];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    (void)ec;
    return WriteString(section, key, std::string_view(buffer, static_cast<std::size_t>(end - buffer)));
}

bool ProfileFile::WriteBool(std::string_view section, std::string_view key, bool value)
{
    return WriteString(section, key, value ? "1" : "0");
}

void ProfileFile::BeginUpdate()
{
    ++updateDepth_;
}

bool ProfileFile::EndUpdate()
{
    if (updateDepth_ > 0) --updateDepth_;
    if (updateDepth_ > 0 || !pendingSave_) return true;
    pendingSave_ = false;
    return Save();
}

std::string ProfileFile::ToText() const
{
    std::string text;
    for (const Line& line : lines_) {
        text += line.text;
        text += '\n';
    }
    return text;
}

bool ProfileFile::Save()
{
    if (path_.empty()) return true;  // in-memory text
    if (!readable_) return false;
    return PrepareConfigFolderFor(path_) && WriteFileAtomically(path_, ToText());
}

}  // namespace vg
