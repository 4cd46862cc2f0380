#pragma once

// The Copy Table and Cut Table dialog: the columns, the rows and the decimal
// separator of the clipboard text.

#include <QDialog>

#include "tables/table_clipboard.h"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace vg {

class TTableIntervalGroup;

class TCopyTableForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 1560;

    TCopyTableForm(bool cut, bool decimalPoint, QWidget* parent = nullptr);

    TableCopyRequest Request() const;

    QCheckBox* XCheckBox;
    QCheckBox* YCheckBox;
    TTableIntervalGroup* IntervalGroup;
    QComboBox* DecimalComboBox;
    QPushButton* OKButton = nullptr;

public slots:
    void OKButtonClick();
};

}  // namespace vg
