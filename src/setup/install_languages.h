#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vg {

// True for an archive entry that is a language file (extension ".vgl" in any
// letter case).
bool IsLanguageFileName(std::string_view entryName);

// The language page's item for a language file: the file name without its
// folder and without its last extension ("lang/german.vgl" -> "german").
std::string LanguageMenuName(std::string_view entryName);

// Language names compare without regard to ASCII letter case.
bool SameLanguageName(std::string_view a, std::string_view b);

// The installed language files, in archive order, and the language page's
// items: "English" first, then one per file.
class InstalledLanguages {
public:
    // Adds an extracted language file; a path the setting cannot hold (one
    // with "?") is left out.
    void Add(const std::string& installedPath);

    std::vector<std::string> Items() const;

    // The "Languages" value for the chosen item: every file as "?" + path +
    // "?", with "!" before the chosen one; item 0 (English) marks none.
    std::string SettingFor(std::size_t chosenItem) const;

    // The item whose name matches (letter case ignored), or -1.
    int ItemNamed(std::string_view name) const;

private:
    std::vector<std::string> paths_;
};

// A "Languages" value without the entries whose files lie in folder (an
// uninstalled copy); the other entries and their marks stay as they are.
std::string WithoutLanguagesBelow(std::string_view setting, const std::string& folder);

}  // namespace vg
