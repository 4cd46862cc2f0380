#pragma once

// Parts the table dialogs share: the "Interval" group of rows, the decimal
// separator list, the OK/Cancel/Help row, and showing a refused input.

#include <QGroupBox>

#include <string>

#include "tables/table_messages.h"

class QComboBox;
class QDialog;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vg {

// "All" (selected at start) or "Custom:  from" LeftEdit "up to" RightEdit
// (1 and 100 at start); typing in either edit selects "Custom:  from".
class TTableIntervalGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit TTableIntervalGroup(QWidget* parent);

    bool All() const;
    std::string From() const;
    std::string To() const;

    QRadioButton* AllRadioButton;
    QRadioButton* CustomRadioButton;
    QLineEdit* LeftEdit;
    QLineEdit* RightEdit;
};

// DecimalComboBox with "  ." and "  ,", the one chosen by decimalPoint.
QComboBox* MakeDecimalComboBox(QWidget* parent, bool decimalPoint);
bool DecimalPointChosen(const QComboBox* combo);

// OK, Cancel and (with a help context) Help at the right of a row. Cancel
// rejects the dialog; OK is the caller's to connect.
QHBoxLayout* MakeDialogButtons(QDialog* dialog, int helpContext, QPushButton*& okButton);

// The refused input's message in an error box, then the focus (with the
// text selected) on the control the failure names.
void ShowTableInputFailure(const TableInputFailure& failure, QWidget* control);

}  // namespace vg
