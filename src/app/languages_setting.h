#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vg {

class TTranslator;

// The "Languages" setting lists the installed language files, each enclosed
// in "?" characters; a "!" before an entry selects it: ?german.vgl?!?/x/french.vgl?
// Entries are numbered from 0.
int LanguageCount(std::string_view languages);

// Entry n (0-based). False when there is no such entry.
bool LanguageEntry(std::string_view languages, int n, bool& selected, std::string& fileName);

// Index of the first selected entry, or -1 (English).
int SelectedLanguage(std::string_view languages);

// The setting for files with file n selected (-1: none).
std::string MakeLanguagesSetting(const std::vector<std::string>& fileNames, int selected);

// The same setting with no entry selected (English).
std::string RemoveLanguageSelection(std::string_view languages);

// A bare file name names a file of the program's language folder.
std::string ResolveLanguageFile(const std::string& fileName, const std::string& languageDir);

enum class LanguageLoadResult { English, Loaded, Failed };

// Start-up: loads the first selected language file into the translator.
// When it cannot be read, the selection is removed from languages (English
// stays in force) and Failed is returned for the caller to report.
LanguageLoadResult LoadSelectedLanguage(TTranslator& translator, std::string& languages,
                                        const std::string& languageDir);

}  // namespace vg
