#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "app/message_dialog_model.h"

class QPushButton;

namespace vg {

// The program's message box: translated title, text and button captions, the
// system icon of its type, the text word-wrapped within half the screen width,
// the buttons centred in a row below. Help opens the help topic and keeps the
// box open; Esc and the close box press the Esc button (none: they do nothing).
class TMessageDialog : public QDialog {
    Q_OBJECT
public:
    TMessageDialog(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext,
                   QWidget* parent = nullptr);

    QPushButton* Button(TMsgDlgBtn button) const;

public slots:
    void reject() override;

private:
    void AddButtons(TMsgDlgButtons buttons);
    void ButtonClicked(TMsgDlgBtn button);

    int helpContext_;
    unsigned escapeButton_;
    std::vector<std::pair<TMsgDlgBtn, QPushButton*>> buttons_;
};

// The second and third forms: at screen position (x, y) of the box's corner,
// -1 for centred; the third also tells where the box was when it closed.
int ShowMessageDialog(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext,
                      int x, int y);
int ShowMessageDialog(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext,
                      int x, int y, int& whereX, int& whereY);

// Makes every ShowMessageDialog of the program (the core's too) show this box.
void InstallMessageDialog();

// What the Help button does with the help context (the help window sets it).
void SetMessageHelpHandler(std::function<void(int helpContext)> handler);

}  // namespace vg
