#include "app/ui/computation_guard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace vg {

namespace {

bool IsUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        return true;
    default:
        return IsKeyboardOrMouseInput(type);
    }
}

}  // namespace

bool IsKeyboardOrMouseInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
        return true;
    default:
        return false;
    }
}

TComputationGuard::TComputationGuard(QObject* parent) : QObject(parent) {}

TComputationGuard::~TComputationGuard()
{
    if (depth_ > 0 && QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(this);
}

void TComputationGuard::Begin()
{
    if (depth_++ == 0) {
        escape_ = false;
        QCoreApplication::instance()->installEventFilter(this);
    }
}

void TComputationGuard::End()
{
    if (depth_ == 0) return;
    if (--depth_ == 0) {
        QCoreApplication::instance()->removeEventFilter(this);
        escape_ = false;
    }
}

bool TComputationGuard::EscapePressed()
{
    if (!checkOn_) return false;
    QCoreApplication::processEvents();
    const bool pressed = escape_;
    escape_ = false;
    return pressed;
}

bool TComputationGuard::eventFilter(QObject* watched, QEvent* event)
{
    if (depth_ == 0 || !IsUserInput(event->type())) return QObject::eventFilter(watched, event);
    // A message box that the computation itself shows must stay usable.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && (widget == modal || modal->isAncestorOf(widget))) return false;
    }
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
        escape_ = true;
    return true;
}

}  // namespace vg
