#include "app/translator.h"

#include "platform/atomic_file.h"
#include "platform/text_encoding.h"

namespace vg {

namespace {

// Language files are a few hundred kilobytes; anything far larger is refused.
constexpr std::size_t kMaxLanguageFileBytes = 16 * 1024 * 1024;

TTranslator* g_translator = nullptr;

// The entry that names the language's locale; no text of the program reads so.
constexpr const char* kLocaleKey = "@locale";

std::string_view TrimControls(std::string_view s)
{
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
    return s;
}

std::string Unescape(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == 'n' || text[i + 1] == '\'')) {
            out += text[i + 1] == 'n' ? '\r' : '"';
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

// Line breaks of a looked-up text in the form the dictionary holds them ("\r").
std::string LookupKey(std::string_view text)
{
    std::string key;
    key.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        key += text[i] == '\n' ? '\r' : text[i];
    }
    return FoldCase(key);
}

}  // namespace

bool ParseLanguageLine(std::string_view line, std::string& key, std::string& translation)
{
    std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos || line[first] != '"') return false;
    std::size_t q2 = line.find('"', first + 1);
    if (q2 == std::string_view::npos) return false;
    std::size_t q3 = line.find('"', q2 + 1);
    if (q3 == std::string_view::npos) return false;
    std::size_t q4 = line.find('"', q3 + 1);
    if (q4 == std::string_view::npos) return false;
    std::string_view rawKey = line.substr(first + 1, q2 - first - 1);
    if (TrimControls(rawKey).empty()) return false;
    key = Unescape(rawKey);
    translation = Unescape(line.substr(q3 + 1, q4 - q3 - 1));
    return true;
}

std::size_t CountTextPlaces(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t at = text.find("%s"); at != std::string_view::npos; at = text.find("%s", at + 2)) {
        ++count;
    }
    return count;
}

void TTranslator::LoadFromBytes(std::string_view bytes)
{
    std::string text = DecodeUtf8OrWindows1252(StripUtf8Bom(bytes));
    std::unordered_map<std::string, std::string> dictionary;
    std::string key;
    std::string translation;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) end = text.size();
        if (ParseLanguageLine(std::string_view(text).substr(start, end - start), key, translation)) {
            // The last occurrence of a key decides. An empty translation, or one
            // whose "%s" places do not match the key's, counts as no entry.
            std::string folded = FoldCase(key);
            if (translation.empty() || CountTextPlaces(translation) != CountTextPlaces(key)) {
                dictionary.erase(folded);
            } else {
                dictionary[std::move(folded)] = translation;
            }
        }
        start = end + 1;
        if (end < text.size() && text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
    dictionary_ = std::move(dictionary);
}

bool TTranslator::LoadFromFile(const std::string& fileName)
{
    std::string bytes;
    if (ReadWholeFile(fileName, bytes, kMaxLanguageFileBytes) != ReadFileResult::Ok) return false;
    LoadFromBytes(bytes);
    return true;
}

void TTranslator::TranslateAll() {}

std::string TTranslator::Translate(std::string_view text) const
{
    if (dictionary_.empty()) return std::string(text);
    auto found = dictionary_.find(LookupKey(TrimControls(text)));
    if (found == dictionary_.end()) return std::string(text);
    return found->second;
}

bool TTranslator::Contains(std::string_view text) const
{
    return dictionary_.count(LookupKey(TrimControls(text))) != 0;
}

std::string TTranslator::Locale() const
{
    auto found = dictionary_.find(kLocaleKey);
    return found == dictionary_.end() ? std::string() : found->second;
}

void SetTranslator(TTranslator* translator)
{
    g_translator = translator;
}

TTranslator* GetTranslator()
{
    return g_translator;
}

std::string Translate(std::string_view text)
{
    return g_translator ? g_translator->Translate(text) : std::string(text);
}

std::string FillText(std::string_view pattern, std::initializer_list<std::string_view> args)
{
    std::string out;
    auto next = args.begin();
    std::size_t start = 0;
    for (std::size_t at = pattern.find("%s"); at != std::string_view::npos && next != args.end();
         at = pattern.find("%s", start)) {
        out.append(pattern.substr(start, at - start));
        out.append(*next++);
        start = at + 2;
    }
    out.append(pattern.substr(start));
    return out;
}

std::string TranslateFormat(std::string_view text, std::initializer_list<std::string_view> args)
{
    return FillText(Translate(text), args);
}

}  // namespace vg

namespace vg {

std::string TranslateHint(std::string_view hint)
{
    std::size_t bar = hint.find('|');
    if (bar == std::string_view::npos) return Translate(hint);
    return Translate(hint.substr(0, bar)) + "|" + Translate(hint.substr(bar + 1));
}

}  // namespace vg
