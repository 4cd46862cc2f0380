#pragma once

#include <QString>

class QWidget;

namespace vg::installer {

// Setup's message boxes, titled "Vantor Graphs Setup".
void ShowSetupError(QWidget* parent, const QString& text);
void ShowSetupInformation(QWidget* parent, const QString& text);
// A confirmation with Yes and No; true for Yes.
bool AskSetupQuestion(QWidget* parent, const QString& text);
// A warning with Yes and No; true for Yes.
bool AskSetupWarning(QWidget* parent, const QString& text);

}  // namespace vg::installer
