#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vg {

// Kinds of message dialog; the values are those the program stores and passes.
enum TMsgDlgType { mtWarning = 0, mtError = 1, mtInformation = 2, mtConfirmation = 3, mtCustom = 4 };

// Button bits of a message dialog.
enum TMsgDlgBtn : unsigned {
    mbYes = 1,
    mbNo = 2,
    mbOK = 4,
    mbCancel = 8,
    mbAbort = 16,
    mbRetry = 32,
    mbIgnore = 64,
    mbAll = 128,
    mbNoToAll = 256,
    mbYesToAll = 512,
    mbHelp = 1024,
};
using TMsgDlgButtons = unsigned;

// Values a message dialog returns for its buttons.
inline constexpr int mrNone = 0;
inline constexpr int mrOk = 1;
inline constexpr int mrCancel = 2;
inline constexpr int mrAbort = 3;
inline constexpr int mrRetry = 4;
inline constexpr int mrIgnore = 5;
inline constexpr int mrYes = 6;
inline constexpr int mrNo = 7;
inline constexpr int mrAll = 8;
inline constexpr int mrNoToAll = 9;
inline constexpr int mrYesToAll = 10;

// The buttons of a bit set in the order they stand in the dialog.
std::vector<TMsgDlgBtn> MessageDialogButtons(TMsgDlgButtons buttons);

// English caption ("&Yes", "N&o to All"...) and returned value (mrNone for Help).
std::string_view MessageButtonCaption(TMsgDlgBtn button);
int MessageButtonResult(TMsgDlgBtn button);

// The English title of a type ("Warning", "Error", "Information", "Confirm");
// empty for mtCustom, which shows the application title.
std::string_view MessageDialogTitle(TMsgDlgType type);

// Default button: OK when present, else Yes, else Retry; 0 when none of them.
unsigned MessageDefaultButton(TMsgDlgButtons buttons);
// Button that Esc (and the close box) presses: Cancel, else No, else OK; 0
// when none of them (Esc then does nothing).
unsigned MessageEscapeButton(TMsgDlgButtons buttons);

// Dialog units of the standard message dialog, turned into pixels from the
// average character width (on A..Z, a..z) and the font height.
struct MessageDialogMetrics {
    int margin;         // 8 units, around everything
    int spacing;        // 10 units, between icon, text and buttons
    int buttonWidth;    // 50 units
    int buttonHeight;   // 14 units
    int buttonSpacing;  // 4 units
};
MessageDialogMetrics ComputeMessageDialogMetrics(int averageCharWidth, int fontHeight);

// The program's message dialog, as every part calls it. The Qt layer installs
// the real dialog; without one the text goes to standard error and the default
// button's value is returned. Returns the value of the pressed button.
using MessageDialogHandler =
    std::function<int(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext)>;
int ShowMessageDialog(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext);

// Installs a handler and restores the previous one when it goes out of scope
// (tests answer dialogs with one).
class ScopedMessageDialogHandler {
public:
    explicit ScopedMessageDialogHandler(MessageDialogHandler handler);
    ~ScopedMessageDialogHandler();
    ScopedMessageDialogHandler(const ScopedMessageDialogHandler&) = delete;
    ScopedMessageDialogHandler& operator=(const ScopedMessageDialogHandler&) = delete;

private:
    MessageDialogHandler previous_;
};

void SetMessageDialogHandler(MessageDialogHandler handler);

}  // namespace vg
