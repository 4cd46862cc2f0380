#include "app/language_list_model.h"

#include <algorithm>

#include "app/languages_setting.h"
#include "app/translator.h"

namespace vg {

std::string LanguageDisplayName(std::string_view fileName)
{
    const std::size_t slash = fileName.find_last_of('/');
    std::string_view name = slash == std::string_view::npos ? fileName : fileName.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    // A name that is all extension (".vgl") keeps it: nothing would be left.
    if (dot != std::string_view::npos && dot > 0) name = name.substr(0, dot);
    return std::string(name);
}

std::string MenuCaptionText(std::string_view text)
{
    std::string caption;
    for (char c : text) {
        caption += c;
        if (c == '&') caption += '&';
    }
    return caption;
}

TLanguageListModel::TLanguageListModel(std::string_view setting)
{
    bool marked = false;
    std::string fileName;
    for (int i = 0; LanguageEntry(setting, i, marked, fileName); ++i) files_.push_back(fileName);
    // Only the first mark counts, as at start-up.
    selected_ = SelectedLanguage(setting) + 1;
}

std::string TLanguageListModel::Name(int index) const
{
    if (index <= 0 || index >= Count()) return kEnglishLanguage;
    return LanguageDisplayName(files_[static_cast<std::size_t>(index - 1)]);
}

std::string TLanguageListModel::FileName(int index) const
{
    if (index <= 0 || index >= Count()) return kEnglishLanguage;
    return files_[static_cast<std::size_t>(index - 1)];
}

void TLanguageListModel::Highlight(int index) { highlighted_ = std::clamp(index, 0, Count() - 1); }

void TLanguageListModel::Select(int index) { selected_ = std::clamp(index, 0, Count() - 1); }

std::optional<std::string> TLanguageListModel::Add(const std::string& fileName)
{
    if (fileName.find('?') != std::string::npos) return TranslateFormat(kLanguageNameMessage, {"?"});
    files_.push_back(fileName);
    return std::nullopt;
}

void TLanguageListModel::DeleteHighlighted()
{
    if (!CanDelete()) return;
    const int gone = highlighted_;
    files_.erase(files_.begin() + (gone - 1));
    if (gone < selected_) --selected_;
    else if (gone == selected_) selected_ = 0;
    highlighted_ = std::min(gone, Count() - 1);
}

std::string TLanguageListModel::Setting() const { return MakeLanguagesSetting(files_, selected_ - 1); }

std::vector<LanguageMenuItem> LanguageMenuItems(std::string_view setting)
{
    std::vector<LanguageMenuItem> items;
    const int selected = SelectedLanguage(setting);
    bool marked = false;
    std::string fileName;
    for (int i = 0; LanguageEntry(setting, i, marked, fileName); ++i)
        items.push_back({MenuCaptionText(LanguageDisplayName(fileName)), i == selected});
    return items;
}

bool EnglishChecked(std::string_view setting) { return SelectedLanguage(setting) < 0; }

}  // namespace vg
