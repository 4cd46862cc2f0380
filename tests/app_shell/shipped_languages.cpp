#include "shipped_languages.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "app/main_commands.h"

namespace vg::language_test {

namespace fs = std::filesystem;

namespace {

std::string ReadBytes(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

bool HasLetter(std::string text)
{
    for (std::size_t at = text.find("%s"); at != std::string::npos; at = text.find("%s")) text.erase(at, 2);
    return std::any_of(text.begin(), text.end(), [](char c) { return std::isalpha(static_cast<unsigned char>(c)); });
}

// ---------------------------------------------------------------------------
// A small C++ token reader: enough to find calls and their literal arguments.

struct Token {
    enum class Kind { Identifier, Text, Punct } kind;
    std::string value;  // the text of a literal with its escapes resolved
    int line;
};

char Escaped(char c)
{
    switch (c) {
    case 'n': return '\n';
    case 'r': return '\r';
    case 't': return '\t';
    case '0': return '\0';
    default: return c;
    }
}

std::vector<Token> Tokens(const std::string& source)
{
    std::vector<Token> tokens;
    int line = 1;
    std::size_t i = 0;
    const std::size_t n = source.size();
    while (i < n) {
        const char c = source[i];
        if (c == '\n') {
            ++line;
            ++i;
        } else if (std::isspace(static_cast<unsigned char>(c))) {
            ++i;
        } else if (c == '/' && i + 1 < n && source[i + 1] == '/') {
            while (i < n && source[i] != '\n') ++i;
        } else if (c == '/' && i + 1 < n && source[i + 1] == '*') {
            i += 2;
            while (i + 1 < n && !(source[i] == '*' && source[i + 1] == '/')) line += source[i++] == '\n';
            i += 2;
        } else if (c == '#') {  // preprocessor lines hold include names, not texts
            while (i < n && source[i] != '\n') i += (source[i] == '\\' && i + 1 < n) ? 2 : 1;
        } else if (c == '"' || c == '\'') {
            std::string value;
            ++i;
            while (i < n && source[i] != c) {
                if (source[i] == '\\' && i + 1 < n) {
                    value += Escaped(source[i + 1]);
                    i += 2;
                } else {
                    value += source[i++];
                }
            }
            ++i;
            if (c == '\'') continue;
            // Adjacent literals are one text.
            if (!tokens.empty() && tokens.back().kind == Token::Kind::Text) tokens.back().value += value;
            else tokens.push_back({Token::Kind::Text, value, line});
        } else if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') {
            std::size_t start = i;
            while (i < n && (std::isalnum(static_cast<unsigned char>(source[i])) || source[i] == '_')) ++i;
            tokens.push_back({Token::Kind::Identifier, source.substr(start, i - start), line});
        } else if (std::isdigit(static_cast<unsigned char>(c))) {
            while (i < n && (std::isalnum(static_cast<unsigned char>(source[i])) || source[i] == '.' ||
                             source[i] == '\''))
                ++i;
        } else {
            tokens.push_back({Token::Kind::Punct, std::string(1, c), line});
            ++i;
        }
    }
    return tokens;
}

// Calls whose literal arguments are shown: the translator's entry points and
// the message, question and status helpers.
bool ShowsItsTexts(const std::string& name)
{
    static const std::regex shown("Tr|Translate\\w*|Show\\w+|Ask\\w+");
    return std::regex_match(name, shown);
}

// Constants of texts: kSomething = "..." whose name says it is one, or whose
// text reads as prose.
bool IsTextConstant(const std::string& name, const std::string& text)
{
    static const std::regex named("k\\w*(Text|Message|Caption|Title|Error|Hint|Label|Question|Filter)");
    static const std::regex other("k\\w*(Key|Section|Property|Extension|Name|Dir|Path|Usage|Suffix)");
    if (name.size() < 2 || name[0] != 'k' || !std::isupper(static_cast<unsigned char>(name[1]))) return false;
    if (std::regex_match(name, named)) return true;
    if (std::regex_match(name, other)) return false;
    return text.find(' ') != std::string::npos && std::isupper(static_cast<unsigned char>(text[0]));
}

void AddFileTexts(ProgramTexts& texts, const fs::path& path, const std::string& shownPath)
{
    const std::vector<Token> tokens = Tokens(ReadBytes(path));
    auto origin = [&](const Token& t) { return shownPath + ":" + std::to_string(t.line); };
    for (std::size_t k = 0; k + 1 < tokens.size(); ++k) {
        const Token& t = tokens[k];
        if (t.kind != Token::Kind::Identifier) continue;
        if (ShowsItsTexts(t.value) && tokens[k + 1].value == "(" && tokens[k + 1].kind == Token::Kind::Punct) {
            // The literals directly among the call's arguments.
            int depth = 0;
            for (std::size_t j = k + 1; j < tokens.size(); ++j) {
                const Token& a = tokens[j];
                if (a.kind == Token::Kind::Punct && (a.value == "(" || a.value == "{" || a.value == "[")) ++depth;
                else if (a.kind == Token::Kind::Punct && (a.value == ")" || a.value == "}" || a.value == "]")) {
                    if (--depth == 0) break;
                } else if (a.kind == Token::Kind::Text && depth == 1) {
                    texts.Add(a.value, origin(a));
                }
            }
        } else if (k + 2 < tokens.size()) {
            // kName = "text"; and kName[] = "text";
            std::size_t eq = k + 1;
            if (tokens[eq].value == "[" && eq + 2 < tokens.size() && tokens[eq + 1].value == "]") eq += 2;
            if (tokens[eq].kind == Token::Kind::Punct && tokens[eq].value == "=" && eq + 1 < tokens.size() &&
                tokens[eq + 1].kind == Token::Kind::Text && IsTextConstant(t.value, tokens[eq + 1].value))
                texts.Add(tokens[eq + 1].value, origin(tokens[eq + 1]));
        }
    }
}

}  // namespace

std::vector<ShippedLanguage> LoadShippedLanguages()
{
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(fs::path(VG_SOURCE_DIR) / "data" / "lang"))
        if (entry.path().extension() == ".vgl") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    std::vector<ShippedLanguage> languages;
    for (const fs::path& file : files) {
        ShippedLanguage language{file.filename().string(), std::make_unique<TTranslator>()};
        language.Dictionary->LoadFromBytes(ReadBytes(file));
        languages.push_back(std::move(language));
    }
    return languages;
}

void ProgramTexts::Add(const std::string& text, const std::string& origin)
{
    if (text.find('|') == std::string::npos) {
        AddOne(text, origin);
        return;
    }
    // "short|long" hints and "description|mask|..." filters: each text by
    // itself, the masks left out.
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t bar = text.find('|', start);
        if (bar == std::string::npos) bar = text.size();
        const std::string part = text.substr(start, bar - start);
        if (!part.empty() && part[0] != '*') AddOne(part, origin);
        start = bar + 1;
    }
}

void ProgramTexts::AddOne(const std::string& text, const std::string& origin)
{
    std::string trimmed = text;
    while (!trimmed.empty() && static_cast<unsigned char>(trimmed.back()) <= ' ') trimmed.pop_back();
    while (!trimmed.empty() && static_cast<unsigned char>(trimmed.front()) <= ' ') trimmed.erase(0, 1);
    if (!HasLetter(trimmed)) return;
    texts_.emplace(trimmed, origin);
}

void AddSourceTexts(ProgramTexts& texts)
{
    // The installer and the command-line companion speak English only; the
    // platform layer shows nothing of its own.
    const fs::path root(VG_SOURCE_DIR);
    for (const char* folder : {"src/app", "src/document", "src/engine", "src/tables", "src/tools"}) {
        if (!fs::exists(root / folder)) continue;
        std::vector<fs::path> files;
        for (const auto& entry : fs::recursive_directory_iterator(root / folder)) {
            const std::string ext = entry.path().extension().string();
            if (ext == ".cpp" || ext == ".h") files.push_back(entry.path());
        }
        std::sort(files.begin(), files.end());
        for (const fs::path& file : files) AddFileTexts(texts, file, fs::relative(file, root).string());
    }
}

void AddCommandTableTexts(ProgramTexts& texts)
{
    for (const CommandInfo& c : AllCommands()) {
        const std::string origin = std::string("command ") + (*c.itemName ? c.itemName : c.buttonName);
        for (const char* text : {c.caption, c.hint, c.tooltip, c.statusText}) texts.Add(text, origin);
    }
    std::vector<const MenuEntry*> pending;
    for (const MenuInfo& menu : MainMenus()) {
        texts.Add(menu.caption, std::string("menu ") + menu.name);
        texts.Add(menu.hint, std::string("menu ") + menu.name);
        for (const MenuEntry& entry : menu.entries) pending.push_back(&entry);
    }
    while (!pending.empty()) {
        const MenuEntry* entry = pending.back();
        pending.pop_back();
        texts.Add(entry->caption, std::string("menu ") + entry->name);
        texts.Add(entry->hint, std::string("menu ") + entry->name);
        for (const MenuEntry& child : entry->children) pending.push_back(&child);
    }
    for (const ToolbarInfo& bar : MainToolbars()) {
        texts.Add(bar.caption, std::string("toolbar ") + bar.name);
        for (const ToolbarEntry& entry : bar.entries) {
            texts.Add(entry.tooltip, std::string("toolbar control ") + entry.controlName);
            texts.Add(entry.statusText, std::string("toolbar control ") + entry.controlName);
        }
    }
}

std::string MissingTexts(const ShippedLanguage& language, const ProgramTexts& texts)
{
    std::string report;
    for (const auto& [text, origin] : texts.All()) {
        if (language.Dictionary->Contains(text)) continue;
        std::string shown = text;
        for (std::size_t at = shown.find('\r'); at != std::string::npos; at = shown.find('\r')) shown.replace(at, 1, "\\n");
        for (std::size_t at = shown.find('\n'); at != std::string::npos; at = shown.find('\n', at + 2))
            shown.replace(at, 1, "\\n");
        report += "  \"" + shown + "\"    (" + origin + ")\n";
    }
    return report;
}

}  // namespace vg::language_test
