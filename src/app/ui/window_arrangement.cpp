#include "app/ui/window_arrangement.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>

#include <algorithm>

namespace vg {

void CascadeDocumentWindows(QMdiArea& area)
{
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : area.subWindowList(QMdiArea::StackingOrder))
        if (!window->isMinimized() && !window->isHidden()) windows.append(window);
    if (windows.isEmpty()) return;
    QMdiSubWindow* active = area.activeSubWindow();
    const QSize room = area.viewport()->size();
    const QSize size = (room * 2 / 3).expandedTo(windows.first()->minimumSizeHint()).boundedTo(room);
    const int step =
        std::max(1, windows.first()->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, windows.first()));
    const int free = std::min(room.width() - size.width(), room.height() - size.height());
    const int places = std::max(1, free / step + 1);
    int place = 0;
    for (QMdiSubWindow* window : windows) {
        if (window->isMaximized()) window->showNormal();
        window->setGeometry(QRect(QPoint(place * step, place * step), size));
        window->raise();
        place = (place + 1) % places;
    }
    if (active && windows.contains(active)) area.setActiveSubWindow(active);
}

}  // namespace vg
