#pragma once

// Answers the modal windows of a command in turn: each step runs on the next
// modal window that comes up (a window that comes back after another one
// counts again), outside the timer that found it, which keeps polling while
// the step opens windows of its own. An unexpected window fails the test and
// is closed; a step whose window never came fails it too.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>
#include <utility>

#include "app/message_dialog_model.h"
#include "app/ui/message_dialog.h"

namespace vg::test {

class ModalScript : public QObject {
public:
    using Step = std::function<void(QWidget*)>;

    ModalScript()
    {
        timer_.setInterval(5);
        connect(&timer_, &QTimer::timeout, this, &ModalScript::Poll);
        timer_.start();
    }
    ~ModalScript() override { EXPECT_TRUE(steps_.empty()) << steps_.size() << " modal windows never came"; }

    void Then(Step step) { steps_.push_back(std::move(step)); }

    // A step for a window of the class; another window fails the test.
    template <class Window>
    void On(std::function<void(Window&)> step)
    {
        Then([step = std::move(step)](QWidget* modal) {
            auto* window = qobject_cast<Window*>(modal);
            ASSERT_NE(window, nullptr) << modal->metaObject()->className();
            step(*window);
        });
    }

    // Presses a button of the program's message box and keeps its text.
    void Press(TMsgDlgBtn button)
    {
        On<TMessageDialog>([this, button](TMessageDialog& box) {
            messages_.append(box.findChild<QLabel*>("Text")->text());
            box.Button(button)->click();
        });
    }

    int Pending() const { return int(steps_.size()); }
    const QStringList& Messages() const { return messages_; }

private:
    void Poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || modal == last_) return;
        last_ = modal;
        if (steps_.empty()) {
            ADD_FAILURE() << "unexpected modal window " << modal->metaObject()->className();
            QTimer::singleShot(0, modal, [modal] { modal->close(); });
            return;
        }
        Step step = std::move(steps_.front());
        steps_.pop_front();
        QTimer::singleShot(0, modal, [this, step, modal] {
            step(modal);
            last_ = nullptr;  // the same window may come back for the next step
        });
    }

    QTimer timer_;
    std::deque<Step> steps_;
    QStringList messages_;
    QPointer<QWidget> last_;
};

}  // namespace vg::test
