#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <unordered_map>

namespace vg {

// One entry line of a language file: "key" = "translation". Returns false for
// lines that are no entry (comments, fewer than four quotes, blank key).
// Backslash+n becomes a carriage return, backslash+apostrophe a double quote.
bool ParseLanguageLine(std::string_view line, std::string& key, std::string& translation);

// The dictionary that turns the program's English texts into another
// language. One instance lives for the whole run (see SetTranslator).
class TTranslator {
public:
    TTranslator() = default;
    virtual ~TTranslator() = default;
    TTranslator(const TTranslator&) = delete;
    TTranslator& operator=(const TTranslator&) = delete;

    // Reads a language file into a new dictionary that replaces the current
    // one only when the whole file could be read; false when it could not.
    virtual bool LoadFromFile(const std::string& fileName);

    // Translates every window of the program; the core has none (the Qt layer
    // overrides this).
    virtual void TranslateAll();

    // The translation of text with its surrounding blanks removed, or text
    // unchanged when the dictionary has no entry for it.
    virtual std::string Translate(std::string_view text) const;

    // Replaces the dictionary with the entries of a language file's bytes
    // (UTF-8, or Windows-1252 where the bytes are not UTF-8).
    void LoadFromBytes(std::string_view bytes);

    std::size_t Count() const { return dictionary_.size(); }

    // Whether the dictionary has an entry for text (looked up as Translate
    // looks it up), even one whose translation reads the same as the text.
    bool Contains(std::string_view text) const;

    // The locale a language file names for the toolkit's own translations
    // (its entry "@locale" = "de"), empty when it names none.
    std::string Locale() const;

private:
    // Case-folded key -> translation.
    std::unordered_map<std::string, std::string> dictionary_;
};

// The program's translator; Translate below passes texts through unchanged
// while none is set.
void SetTranslator(TTranslator* translator);
TTranslator* GetTranslator();

// The translation of a run-time text through the program's translator.
std::string Translate(std::string_view text);

// Fills the "%s" places of pattern with args in order (never a printf format).
std::string FillText(std::string_view pattern, std::initializer_list<std::string_view> args);

// Translate, then FillText.
std::string TranslateFormat(std::string_view text, std::initializer_list<std::string_view> args);

// Number of "%s" places in text.
std::size_t CountTextPlaces(std::string_view text);

}  // namespace vg

namespace vg {

// A hint "short|long" is translated in its two parts separately.
std::string TranslateHint(std::string_view hint);

}  // namespace vg
