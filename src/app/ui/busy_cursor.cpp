#include "app/ui/busy_cursor.h"

#include <QApplication>

namespace vg {

void TNestedBusyCursor::Set(bool busy)
{
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++depth_;
    } else if (depth_ > 0) {
        QApplication::restoreOverrideCursor();
        --depth_;
    }
}

void TNestedBusyCursor::Clear()
{
    while (depth_ > 0) Set(false);
}

}  // namespace vg
