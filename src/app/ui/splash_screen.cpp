#include "app/ui/splash_screen.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>

namespace vg {

QPixmap StartPicture()
{
    const QSize size(420, 220);
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap picture(size * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(QColor("#f4f7fc"));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor("#1d3b6e"), 2));
    painter.drawRect(QRectF(1, 1, size.width() - 2, size.height() - 2));
    QIcon(":/icons/vgraph.svg").paint(&painter, QRect(28, 46, 128, 128));
    QFont title = painter.font();
    title.setPointSize(22);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(QColor("#1d3b6e"));
    painter.drawText(QRect(176, 70, 230, 40), Qt::AlignLeft | Qt::AlignVCenter, "Vantor Graphs");
    QFont small = painter.font();
    small.setPointSize(10);
    small.setBold(false);
    painter.setFont(small);
    painter.setPen(QColor("#24324a"));
    painter.drawText(QRect(176, 112, 230, 24), Qt::AlignLeft | Qt::AlignVCenter, "Version 1.21");
    painter.drawText(QRect(176, 136, 230, 24), Qt::AlignLeft | Qt::AlignVCenter,
                     "Plotting and analysis of functions");
    return picture;
}

std::unique_ptr<QSplashScreen> ShowStartWindow()
{
    auto splash = std::make_unique<QSplashScreen>(StartPicture());
    splash->setObjectName("StartWindow");
    splash->show();
    QApplication::processEvents();
    return splash;
}

}  // namespace vg
