#pragma once

// The Table File Format dialog of Open Table: one point per line, or X
// values on the first line and Y values on the second, with a sample of the
// chosen layout.

#include <QDialog>

#include "tables/table_file.h"

class QListWidget;
class QRadioButton;

namespace vg {

class TOpenTableForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 220;

    explicit TOpenTableForm(QWidget* parent = nullptr);

    TableFileOrientation Orientation() const;

    QRadioButton* HorRadioButton;   // "Vertical (columns)"
    QRadioButton* VertRadioButton;  // "Horizontal (rows)"
    QListWidget* DemoListBox;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FillDemo();
};

}  // namespace vg
