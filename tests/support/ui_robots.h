#pragma once

// Helpers of the offscreen Qt suites: answering modal windows and the
// program's message boxes, finding named controls, keys, settling the event
// loop, and a main window started on a document of the test's own.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/message_dialog_model.h"
#include "app/ui/main_form.h"
#include "document/document_file.h"

namespace vg::test {

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

// Runs action on the next modal window of the class once it shows and ready()
// holds (a computing window is left alone until it has finished).
template <class Window>
void OnModalOf(std::function<void(Window*)> action, std::function<bool(Window*)> ready = nullptr)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, action, ready] {
        auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
        if (!window || !window->isVisible() || (ready && !ready(window))) return;
        timer->stop();
        timer->deleteLater();
        QTimer::singleShot(0, window, [window, action] { action(window); });
    });
    timer->start();
}

// Clicks the button from the event loop, so that a modal window it opens
// does not block the caller.
inline void ClickLater(QPushButton* button)
{
    QTimer::singleShot(0, button, [button] { button->click(); });
}

// The named child of the class; a missing one fails the test.
template <class T>
T* Find(const QWidget& form, const char* name)
{
    T* widget = form.findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

// The text of a named label, or else of a named line edit.
inline std::string Text(const QWidget& form, const char* name)
{
    if (auto* label = form.findChild<QLabel*>(name)) return label->text().toStdString();
    return Find<QLineEdit>(form, name)->text().toStdString();
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

// Points the program's settings at a folder inside dir, so that a test never
// reads or writes the user's own.
inline void UseSettingsFolderIn(const QTemporaryDir& dir)
{
    qputenv("VGRAPH_CONFIG_DIR", dir.filePath("config").toUtf8());
    QDir().mkpath(dir.filePath("config"));
}

// Starts a main window with a command family installed (none for the shell's
// own commands) on its first new document; returns once it is initialized.
inline std::unique_ptr<TMainForm> StartMainForm(const std::function<void(TMainForm&)>& install = {})
{
    auto form = std::make_unique<TMainForm>();
    if (install) install(*form);
    form->Start({});
    for (int i = 0; i < 50 && !form->Initialized(); ++i) QApplication::processEvents();
    return form;
}

// Writes document to path and starts a main window on it with a command
// family installed; returns once the document's window is there.
inline std::unique_ptr<TMainForm> StartMainFormOn(const QString& path, const TGraphicsManager& document,
                                                  const std::function<void(TMainForm&)>& install)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    const std::string bytes = DocumentFileBytes(document);
    file.write(bytes.data(), qsizetype(bytes.size()));
    file.close();
    auto form = std::make_unique<TMainForm>();
    install(*form);
    form->Start({path});
    for (int i = 0; i < 100 && !(form->Initialized() && form->ActiveChild()); ++i) QApplication::processEvents();
    return form;
}

}  // namespace vg::test
