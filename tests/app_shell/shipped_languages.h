#pragma once

// The language files the program ships (data/lang/*.vgl) and the texts the
// program shows, gathered without a display: the command table, the
// run-time texts handed to the translator and to the message boxes in the
// sources, and the message constants. The window texts are gathered by the
// offscreen suite, which shares the check below.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/translator.h"

namespace vg::language_test {

struct ShippedLanguage {
    std::string Name;  // file name, "german.vgl"
    std::unique_ptr<TTranslator> Dictionary;
};

// Every language file of data/lang, in name order.
std::vector<ShippedLanguage> LoadShippedLanguages();

// Texts with where each was found ("src/app/x.cpp:12", "menu FileMenu").
class ProgramTexts {
public:
    // Keeps text unless it holds nothing to translate (no letter outside
    // its "%s" places). A filter or hint with "|" adds its texts one by one.
    void Add(const std::string& text, const std::string& origin);
    // Keeps text as it is, "|" and all (a text the translator was asked for).
    void AddExact(const std::string& text, const std::string& origin) { AddOne(text, origin); }
    const std::map<std::string, std::string>& All() const { return texts_; }

private:
    void AddOne(const std::string& text, const std::string& origin);
    std::map<std::string, std::string> texts_;
};

// The literal texts of the sources that reach the screen: the arguments of
// Tr, Translate..., Show... and Ask... calls and the text constants
// (kSomethingText = "..."), in the folders whose code VGraph runs.
void AddSourceTexts(ProgramTexts& texts);

// The menu, toolbar and command texts of the command table.
void AddCommandTableTexts(ProgramTexts& texts);

// One line per text of texts that language lacks, "" when it has them all.
std::string MissingTexts(const ShippedLanguage& language, const ProgramTexts& texts);

}  // namespace vg::language_test
