#pragma once

// The few dialog and text services the main window needs, kept behind one
// header so the windows do not depend on how messages are shown.

#include <QString>

class QWidget;

namespace vg {

// The translation of an English interface text.
QString Tr(const char* english);

// An error message box with one OK button.
void ShowErrorMessage(QWidget* parent, const QString& englishText, int helpContext = 0);

enum class SaveAnswer { Yes, No, Cancel };

// "Save changes to %s?" with Yes, No and Cancel.
SaveAnswer AskSaveChanges(QWidget* parent, const QString& caption);

// The translated filter of the document open and save dialogs in Qt's form.
QString DocumentFileFilter();

// The folder of the program's read-only data (help, examples, icons):
// <prefix>/share/vgraph for an installed program, the build tree's data/
// (the help pages with their generated pictures) when run from there, else
// data/ of the source tree.
QString ProgramDataDir();

}  // namespace vg
