#pragma once

// The Languages dialog and the Language menu without their windows: the
// installed language files of the "Languages" setting as a list that starts
// with English, the selected and the highlighted item, adding and deleting
// files, the setting the dialog's OK stores, and the items of the menu.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vg {

inline constexpr const char* kEnglishLanguage = "English";
inline constexpr const char* kLanguageNameMessage = "The name of a language file cannot contain the character %s";
inline constexpr const char* kRestartForLanguageText = "Restart Vantor Graphs to apply language changes";

// The name a language file is shown by: its file name without the folder and
// without its last extension ("de.utf8.vgl" shows "de.utf8").
std::string LanguageDisplayName(std::string_view fileName);

// A text as a menu caption: every "&" doubled, so none turns into an
// accelerator.
std::string MenuCaptionText(std::string_view text);

class TLanguageListModel {
public:
    // Item 0 is English; the files of the setting follow in order. The first
    // entry marked selected is the selected item (English when none).
    explicit TLanguageListModel(std::string_view setting);

    int Count() const { return static_cast<int>(files_.size()) + 1; }
    // The list's text of an item ("English" for item 0).
    std::string Name(int index) const;
    // What the status line shows for an item: its file name ("English" for
    // item 0).
    std::string FileName(int index) const;

    int Selected() const { return selected_; }
    int Highlighted() const { return highlighted_; }
    void Highlight(int index);
    // "Select" and a double click: the highlighted item becomes the selected one.
    void SelectHighlighted() { selected_ = highlighted_; }
    // The menu's click: the item at index becomes the selected one.
    void Select(int index);
    // English cannot be deleted.
    bool CanDelete() const { return highlighted_ > 0; }

    // "Add...": the file goes to the end of the list. A name the setting
    // cannot hold (one with "?") is refused with the message to show.
    std::optional<std::string> Add(const std::string& fileName);
    // "Delete": the highlighted file leaves the list; the selection stays on
    // its language (English when the selected one went) and the item now at
    // the same place (or the last one) is highlighted.
    void DeleteHighlighted();

    // OK: the setting of the list, the selected file marked.
    std::string Setting() const;

private:
    std::vector<std::string> files_;
    int selected_ = 0;
    int highlighted_ = 0;
};

// One item of the Language menu between "English" and the separator.
struct LanguageMenuItem {
    std::string Caption;
    bool Checked = false;
};

// The language files' menu items of a setting, in order.
std::vector<LanguageMenuItem> LanguageMenuItems(std::string_view setting);
// Whether "English" is checked: no entry is selected.
bool EnglishChecked(std::string_view setting);

}  // namespace vg
