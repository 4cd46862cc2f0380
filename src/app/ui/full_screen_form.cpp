#include "app/ui/full_screen_form.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

#include "app/ui/document_render.h"
#include "app/ui/mdi_child.h"

namespace vg {

TFullScreenForm::TFullScreenForm(TMDIChild* child)
    : QDialog(nullptr, Qt::FramelessWindowHint | Qt::Window), child_(child)
{
    setObjectName("FullScreenForm");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    // The whole screen even where no window manager honours the full-screen
    // request.
    if (QScreen* screen = child->screen()) setGeometry(screen->geometry());
}

void TFullScreenForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    setWindowState(windowState() | Qt::WindowFullScreen);
    activateWindow();
    setFocus();
}

void TFullScreenForm::resizeEvent(QResizeEvent* event)
{
    image_ = QImage();
    QDialog::resizeEvent(event);
}

void TFullScreenForm::paintEvent(QPaintEvent*)
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize().expandedTo(QSize(1, 1));
    if (image_.size() != pixels) {
        image_ = QImage(pixels, QImage::Format_RGB32);
        RenderDocument(child_->Document(), image_, ratio);
        image_.setDevicePixelRatio(ratio);
    }
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), image_);
}

void TFullScreenForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_F5) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFullScreenForm::mouseDoubleClickEvent(QMouseEvent*) { accept(); }

}  // namespace vg
