#include "app/ui/status_progress.h"

#include <QApplication>
#include <QLabel>

#include "app/translator.h"
#include "app/ui/computation_guard.h"
#include "app/ui/shell_dialogs.h"

namespace vg {

std::string TStatusProgress::Translate(const std::string& english) const { return vg::Translate(english); }

void TStatusProgress::ShowStatus(int panel, const std::string& text)
{
    QLabel* label = panel == 0 ? panel0_ : panel1_;
    label->setText(QString::fromStdString(text));
    label->repaint();
}

void TStatusProgress::SetBusyCursor(bool busy) { busyCursor_.Set(busy); }

void TStatusProgress::ProcessMessages() { QApplication::processEvents(); }

bool TStatusProgress::EscapePressed() { return guard_->EscapePressed(); }

void TStatusProgress::ShowError(const std::string& englishMessage)
{
    ShowErrorMessage(owner_, QString::fromStdString(englishMessage));
}

}  // namespace vg
