#include "app/ui/caption_fit.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFontMetrics>
#include <QPointer>
#include <QStyle>

#include <algorithm>

namespace vg {

namespace {

class TCaptionFitter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show || event->type() == QEvent::WindowTitleChange) {
            if (auto* dialog = qobject_cast<QDialog*>(watched); dialog && dialog->isWindow()) FitCaption(*dialog);
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

int CaptionWidth(const QString& title)
{
    QString shown = title;
    const QString program = QGuiApplication::applicationDisplayName();
    if (!program.isEmpty() && title != program) shown += QString::fromUtf8(" \u2014 ") + program;
    QFont font = QApplication::font();
    font.setBold(true);
    // Icon, three buttons and the margins around the text: about five title
    // bar heights on the usual window managers.
    const int titleBar = std::max(24, QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight));
    return QFontMetrics(font).horizontalAdvance(shown) + 5 * titleBar;
}

void FitCaption(QWidget& dialog)
{
    const int needed = CaptionWidth(dialog.windowTitle());
    // Only a dialog of fixed width gets new limits. Any other keeps its
    // layout's minimum: an explicit one would replace it for good, and the
    // dialog could then squeeze its translated buttons and labels.
    if (dialog.maximumWidth() < needed) {
        dialog.setMaximumWidth(needed);
        dialog.setMinimumWidth(needed);
    }
    // Before the first show the size is not yet the window's own: resizing
    // then would keep Qt from fitting the window to its contents.
    if (dialog.isVisible() && dialog.width() < needed) dialog.resize(needed, dialog.height());
}

void InstallCaptionFitting(QApplication& application)
{
    static QPointer<TCaptionFitter> fitter;
    if (fitter) return;
    fitter = new TCaptionFitter(&application);
    application.installEventFilter(fitter);
}

}  // namespace vg
