#include "setup/ui/setup_messages.h"

#include <QMessageBox>

#include "setup/setup_texts.h"

namespace vg::installer {
namespace {

int ShowBox(QWidget* parent, QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons,
            QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, setup_text::kApplicationTitle, text, buttons, parent);
    box.setObjectName("SetupMessage");
    box.setDefaultButton(defaultButton);
    return box.exec();
}

}  // namespace

void ShowSetupError(QWidget* parent, const QString& text)
{
    ShowBox(parent, QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
}

void ShowSetupInformation(QWidget* parent, const QString& text)
{
    ShowBox(parent, QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool AskSetupQuestion(QWidget* parent, const QString& text)
{
    return ShowBox(parent, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
           QMessageBox::Yes;
}

bool AskSetupWarning(QWidget* parent, const QString& text)
{
    return ShowBox(parent, QMessageBox::Warning, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
           QMessageBox::Yes;
}

}  // namespace vg::installer
