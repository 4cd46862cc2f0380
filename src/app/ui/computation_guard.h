#pragma once

#include <QEvent>
#include <QObject>

namespace vg {

// Keys, shortcuts, mouse buttons, the wheel, context menus and input methods:
// what a running computation holds back from the program's windows.
bool IsKeyboardOrMouseInput(QEvent::Type type);

// Keeps the user from running commands in the middle of a long computation:
// while active, it swallows keyboard and mouse input to the program's
// windows and remembers a pressed Esc, which EscapePressed reports.
class TComputationGuard : public QObject {
    Q_OBJECT
public:
    explicit TComputationGuard(QObject* parent = nullptr);
    ~TComputationGuard() override;

    void Begin();
    void End();
    bool Active() const { return depth_ > 0; }

    // Lets pending events through and answers whether Esc was pressed since
    // the last call. Always false while the check is switched off.
    bool EscapePressed();
    void SetEscapeCheck(bool on) { checkOn_ = on; }
    bool EscapeCheck() const { return checkOn_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int depth_ = 0;
    bool escape_ = false;
    bool checkOn_ = true;
};

}  // namespace vg
