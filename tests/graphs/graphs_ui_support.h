#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>

#include "app/message_dialog_model.h"

class QWidget;

namespace vg {

class TMainForm;
class TMDIChild;
class TGraphPropsForm;

namespace graphs_ui_test {

// Answers the modal windows of a command in turn: each step runs on the
// next modal window that comes up (a window that comes back after another
// one counts again). An unexpected window fails the test and is closed.
class ModalScript : public QObject {
public:
    using Step = std::function<void(QWidget*)>;

    ModalScript();
    ~ModalScript() override;

    // A step for the graph properties dialog.
    void Dialog(std::function<void(TGraphPropsForm&)> step);
    // Presses a button of the program's message box and keeps its text.
    void Press(TMsgDlgBtn button);
    void Then(Step step);

    int Pending() const { return int(steps_.size()); }
    const QStringList& Messages() const { return messages_; }

private:
    void Poll();

    QTimer timer_;
    std::deque<Step> steps_;
    QStringList messages_;
    QPointer<QWidget> last_;
};

// The main window with the graph commands installed and its first
// document, on a settings folder of its own.
class MainWindowFixture {
public:
    MainWindowFixture();
    ~MainWindowFixture();

    TMainForm& Form() { return *form_; }
    TMDIChild& Child();

private:
    QTemporaryDir dir_;
    std::unique_ptr<TMainForm> form_;
};

// Sets a line edit of the dialog by name.
void SetText(TGraphPropsForm& dialog, const char* name, const QString& text);
// Clicks OK of the dialog.
void PressOK(TGraphPropsForm& dialog);

}  // namespace graphs_ui_test
}  // namespace vg
