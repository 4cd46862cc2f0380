#pragma once

#include <QMainWindow>

class QMdiArea;

namespace vg {

// The main window: the frame that holds the document windows.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);

    QMdiArea* MdiArea() const { return mdiArea_; }

private:
    QMdiArea* mdiArea_;
};

}  // namespace vg
