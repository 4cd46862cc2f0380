#pragma once

#include <QString>

class QApplication;
class QWidget;

namespace vg {

// The width a window needs so that the window manager shows its whole
// caption: the title with the program name the desktop adds to it
// ("Save As Picture — Vantor Graphs"), in a bold title font, plus the
// title bar's icon and buttons.
int CaptionWidth(const QString& title);

// Widens a dialog to CaptionWidth of its title when it is narrower.
void FitCaption(QWidget& dialog);

// From now on every dialog is widened for its caption when it is shown or
// its caption changes (after translation, for instance).
void InstallCaptionFitting(QApplication& application);

}  // namespace vg
