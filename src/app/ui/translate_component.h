#pragma once

#include <QString>
#include <memory>
#include <string>
#include <string_view>

#include "app/translator.h"

class QObject;

namespace vg {

// Name of the integer widget (or action) property that plays the part of the
// component tag: 9 keeps the object's own texts, 10 keeps them and those of
// everything it owns.
inline constexpr const char* kTagProperty = "Tag";
inline constexpr int kTagKeepOwnTexts = 9;
inline constexpr int kTagKeepAllTexts = 10;

// Translates a window (or any object) and everything it owns, class by class:
// window titles, button, radio and check box captions, tab pages, labels,
// tool buttons and actions, toolbars, group boxes, combo box hints, menus
// recursively, file dialog titles and filter descriptions.
void TranslateComponent(QObject* component);

// Translation of an English text for a widget; "\r" line breaks become "\n".
QString TranslateText(std::string_view english);
QString TranslateText(const QString& english);

// The program's text (UTF-8, "\r" line breaks) as a Qt text.
QString ToDisplayText(std::string_view text);

// The translator of the Qt program: TranslateAll covers every window.
class TQtTranslator : public TTranslator {
public:
    void TranslateAll() override;
};

// The "Languages" setting as "VGraph.ini" holds it (section Common).
std::string ReadLanguagesSetting();

// Start-up: creates the program's translator, makes it the one Translate
// uses and loads the first selected language of the setting. A file that
// cannot be read is reported with "Error reading language file" (in English)
// and its selection is removed from languages, so English stays in force.
// Qt's translations of its own texts are installed too when the language
// file names its locale.
std::unique_ptr<TQtTranslator> StartTranslator(std::string& languages);

// Installs Qt's own translations (qtbase) for locale ("de"); false when
// none is named or Qt's translations for it are not installed.
bool InstallToolkitTranslation(const std::string& locale);

}  // namespace vg
