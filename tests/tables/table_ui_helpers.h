#pragma once

// Helpers of the offscreen table suites: answering modal windows and the
// program's message boxes, keys, and settling the event loop.

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

#include "app/message_dialog_model.h"

namespace vg::table_ui_test {

inline void Settle()
{
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

inline void PressKey(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(widget, &release);
    Settle();
}

// Runs action on the next modal window of the class once it shows.
template <class Window>
void OnModalOf(std::function<void(Window*)> action)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
        if (!window || !window->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        QTimer::singleShot(0, window, [window, action] { action(window); });
    });
    timer->start();
}

// Answers the program's message boxes in turn (the last answer repeats) and
// remembers their texts and buttons.
class Messages {
public:
    explicit Messages(std::vector<int> answers = {mrOk})
        : answers_(std::move(answers)),
          handler_([this](const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int) {
              texts.push_back(text);
              types.push_back(type);
              this->buttons.push_back(buttons);
              const std::size_t k = std::min(texts.size() - 1, answers_.size() - 1);
              if (onMessage) onMessage();
              return answers_[k];
          })
    {
    }
    std::vector<std::string> texts;
    std::vector<TMsgDlgType> types;
    std::vector<TMsgDlgButtons> buttons;
    std::function<void()> onMessage;

private:
    std::vector<int> answers_;
    ScopedMessageDialogHandler handler_;
};

}  // namespace vg::table_ui_test
