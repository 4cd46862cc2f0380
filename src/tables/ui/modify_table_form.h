#pragma once

// The Fill Table and Modify Table dialog: the column to write, the formula
// and the rows; OK runs the checks of the core in their order.

#include <QDialog>

#include "tables/table_formula.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vg {

class TTableIntervalGroup;

class TModifyTableForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 222;

    TModifyTableForm(TableFormulaMode mode, QWidget* parent = nullptr);

    // The choices as the dialog holds them (after OK: checked).
    TableFormulaRequest Request() const;

    QGroupBox* XYGroupBox;
    QRadioButton* XRadioButton;
    QRadioButton* YRadioButton;
    QLabel* FunctionLabel;
    QLineEdit* FormulaEdit;
    TTableIntervalGroup* IntervalGroup;
    QPushButton* OKButton = nullptr;

public slots:
    void OKButtonClick();

private:
    // Caption, group caption and label follow the column choice.
    void ShowColumnTexts();

    TableFormulaMode mode_;
};

}  // namespace vg
