#pragma once

#include <QDialog>

namespace vg {

class TMDIChild;

// The active document on the whole screen, without frame or caption; a
// double click, Esc or F5 closes it.
class TFullScreenForm : public QDialog {
    Q_OBJECT
public:
    explicit TFullScreenForm(TMDIChild* child);

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    TMDIChild* child_;
    QImage image_;
};

}  // namespace vg
