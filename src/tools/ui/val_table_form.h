#pragma once

#include <string>
#include <vector>

#include "tools/value_table.h"
#include "tools/ui/tool_window_support.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace vg {

// "Value Table": a formula of one variable tabulated from a minimum to a
// maximum in steps. Calculate checks the fields in order and shows the first
// refusal with its field focused; Save and Copy once a table was computed.
class TValTableForm : public TComputingDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 219;

    // formulas: the active document's formulas of one variable, offered in
    // the list when the window opens.
    explicit TValTableForm(std::vector<std::string> formulas, QWidget* parent = nullptr);

    const TValueTable& Table() const { return table_; }
    bool Computed() const { return computed_; }

    QComboBox* FormulaComboBox;
    QLabel* FormulaLabel;
    QLineEdit* VariableNameEdit;
    QLineEdit* MinEdit;
    QLineEdit* MaxEdit;
    QLineEdit* StepEdit;
    QTableWidget* ValuesStringGrid;
    QPushButton* CalcButton;
    QPushButton* SaveToFileButton;
    QPushButton* CopyButton;
    QPushButton* CancelButton;
    QPushButton* HelpButton;

private:
    void FormActivate();
    void CalcButtonClick();
    QWidget* Field(ValueTableField field) const;
    void ShowRows();

    std::vector<std::string> formulas_;
    TValueTable table_;
    std::size_t rowsShown_ = 0;
    bool computed_ = false;
};

}  // namespace vg
