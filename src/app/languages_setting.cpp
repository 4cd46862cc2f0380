#include "app/languages_setting.h"

#include "app/translator.h"
#include "platform/config_paths.h"

namespace vg {

namespace {

struct LanguageItem {
    bool selected = false;
    std::string fileName;
};

bool IsBlankText(std::string_view s)
{
    for (char c : s) {
        if (c != ' ' && c != '\t') return false;
    }
    return true;
}

std::vector<LanguageItem> ParseLanguages(std::string_view languages)
{
    std::vector<LanguageItem> items;
    bool marked = false;
    std::size_t i = 0;
    while (i < languages.size()) {
        char c = languages[i];
        if (c == '!') {
            marked = true;
            ++i;
        } else if (c == '?') {
            std::size_t close = languages.find('?', i + 1);
            if (close == std::string_view::npos) break;  // an unterminated entry is no entry
            std::string_view name = languages.substr(i + 1, close - i - 1);
            if (!IsBlankText(name)) items.push_back({marked, std::string(name)});
            marked = false;
            i = close + 1;
        } else {
            ++i;  // blanks (and stray characters) between entries
        }
    }
    return items;
}

}  // namespace

int LanguageCount(std::string_view languages)
{
    return static_cast<int>(ParseLanguages(languages).size());
}

bool LanguageEntry(std::string_view languages, int n, bool& selected, std::string& fileName)
{
    std::vector<LanguageItem> items = ParseLanguages(languages);
    if (n < 0 || n >= static_cast<int>(items.size())) return false;
    selected = items[static_cast<std::size_t>(n)].selected;
    fileName = items[static_cast<std::size_t>(n)].fileName;
    return true;
}

int SelectedLanguage(std::string_view languages)
{
    std::vector<LanguageItem> items = ParseLanguages(languages);
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].selected) return static_cast<int>(i);
    }
    return -1;
}

std::string MakeLanguagesSetting(const std::vector<std::string>& fileNames, int selected)
{
    std::string setting;
    for (std::size_t i = 0; i < fileNames.size(); ++i) {
        if (static_cast<int>(i) == selected) setting += '!';
        setting += '?' + fileNames[i] + '?';
    }
    return setting;
}

std::string RemoveLanguageSelection(std::string_view languages)
{
    // Only the marks go: a "!" inside a file name belongs to the name.
    std::vector<std::string> names;
    for (LanguageItem& item : ParseLanguages(languages)) names.push_back(std::move(item.fileName));
    return MakeLanguagesSetting(names, -1);
}

std::string ResolveLanguageFile(const std::string& fileName, const std::string& languageDir)
{
    if (HasDirectoryPart(fileName) || languageDir.empty()) return fileName;
    return JoinPath(languageDir, fileName);
}

LanguageLoadResult LoadSelectedLanguage(TTranslator& translator, std::string& languages,
                                        const std::string& languageDir)
{
    bool selected = false;
    std::string fileName;
    int index = SelectedLanguage(languages);
    if (index < 0 || !LanguageEntry(languages, index, selected, fileName)) {
        return LanguageLoadResult::English;
    }
    if (translator.LoadFromFile(ResolveLanguageFile(fileName, languageDir))) {
        return LanguageLoadResult::Loaded;
    }
    languages = RemoveLanguageSelection(languages);
    return LanguageLoadResult::Failed;
}

}  // namespace vg
