#include "tools/ui/val_table_form.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/app_globals.h"
#include "app/ui/help_form.h"
#include "app/ui/translate_component.h"
#include "tools/ui/tool_window_support.h"

namespace vg {

TValTableForm::TValTableForm(std::vector<std::string> formulas, QWidget* parent)
    : TComputingDialog(parent), formulas_(std::move(formulas))
{
    setObjectName("ValTableForm");
    setWindowTitle("Value Table");
    auto* layout = new QVBoxLayout(this);

    auto* fields = new QGridLayout;
    FormulaLabel = NewNotationLabel(this, "");
    FormulaLabel->setObjectName("FormulaLabel");
    FormulaComboBox = NewFormulaComboBox(this, "FormulaComboBox");
    fields->addWidget(FormulaLabel, 0, 0);
    fields->addWidget(FormulaComboBox, 0, 1, 1, 5);
    VariableNameEdit = NewNamedEdit(this, "VariableNameEdit");
    VariableNameEdit->setMaxLength(1);
    VariableNameEdit->setText("x");
    VariableNameEdit->setMaximumWidth(VariableNameEdit->fontMetrics().horizontalAdvance("WW") + 12);
    MinEdit = NewNamedEdit(this, "MinEdit");
    MaxEdit = NewNamedEdit(this, "MaxEdit");
    StepEdit = NewNamedEdit(this, "StepEdit");
    fields->addWidget(new QLabel("Variable", this), 1, 0);
    fields->addWidget(VariableNameEdit, 1, 1);
    fields->addWidget(new QLabel("from", this), 2, 0);
    fields->addWidget(MinEdit, 2, 1);
    fields->addWidget(new QLabel("up to", this), 2, 2);
    fields->addWidget(MaxEdit, 2, 3);
    fields->addWidget(new QLabel("Step", this), 2, 4);
    fields->addWidget(StepEdit, 2, 5);
    layout->addLayout(fields);

    ValuesStringGrid = NewResultGrid(this, "ValuesStringGrid", {" x", " f(x)"});
    layout->addWidget(ValuesStringGrid, 1);

    auto* buttons = new QHBoxLayout;
    CalcButton = NewNamedButton(this, "CalcButton", "Calculate");
    CalcButton->setDefault(true);
    SaveToFileButton = NewNamedButton(this, "SaveToFileButton", "Save...");
    CopyButton = NewNamedButton(this, "CopyButton", "Copy to Clipboard");
    CancelButton = NewNamedButton(this, "CancelButton", "Cancel");
    HelpButton = NewNamedButton(this, "HelpButton", "Help");
    buttons->addWidget(CalcButton);
    buttons->addWidget(SaveToFileButton);
    buttons->addWidget(CopyButton);
    buttons->addStretch(1);
    buttons->addWidget(CancelButton);
    buttons->addWidget(HelpButton);
    layout->addLayout(buttons);
    resize(520 * logicalDpiX() / 96, 460 * logicalDpiY() / 96);

    connect(CalcButton, &QPushButton::clicked, this, &TValTableForm::CalcButtonClick);
    connect(SaveToFileButton, &QPushButton::clicked, this,
            [this] { SaveResultsText(this, "Save Value Table", table_.TableText(kCrLf)); });
    connect(CopyButton, &QPushButton::clicked, this, [this] { CopyResultsText(table_.TableText(kCrLf)); });
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpButton, &QPushButton::clicked, this, [this] { THelpForm::ShowContext(this, HelpContext); });
    const auto showVariable = [this] {
        FormulaLabel->setText("f(" + VariableNameEdit->text() + ")=");
    };
    connect(VariableNameEdit, &QLineEdit::textChanged, this, showVariable);
    showVariable();
    new TComputeOnFirstShow(this, [this] { FormActivate(); });
    TranslateComponent(this);
    SaveToFileButton->setEnabled(false);
    CopyButton->setEnabled(false);
}

void TValTableForm::FormActivate()
{
    FillFormulaList(FormulaComboBox, formulas_, "");
    const ValueTableInput shown = ValueTableInputFrom(ValueTableSettingsFromOptions(ProgramOptions()), "");
    MinEdit->setText(ToQString(shown.MinText));
    MaxEdit->setText(ToQString(shown.MaxText));
    StepEdit->setText(ToQString(shown.StepText));
    FormulaComboBox->setFocus();
}

QWidget* TValTableForm::Field(ValueTableField field) const
{
    switch (field) {
    case ValueTableField::VariableName: return VariableNameEdit;
    case ValueTableField::Formula: return FormulaComboBox;
    case ValueTableField::Min: return MinEdit;
    case ValueTableField::Max: return MaxEdit;
    case ValueTableField::Step: return StepEdit;
    }
    return nullptr;
}

void TValTableForm::CalcButtonClick()
{
    const ValueTableInput input{EditText(VariableNameEdit), FormulaText(FormulaComboBox), EditText(MinEdit),
                                EditText(MaxEdit), EditText(StepEdit)};
    ValueTableSettings accepted;
    if (auto refusal = CheckValueTableInput(input, accepted)) {
        ShowRefusal(InputFailureText(*refusal), Field(refusal->FocusField));
        return;
    }
    StoreValueTableSettings(accepted, ProgramOptions());
    ResetResultGrid(ValuesStringGrid);
    rowsShown_ = 0;
    SetRunning(true);
    {
        TWindowScanProgress progress(this, nullptr, [this] { ShowRows(); });
        // The header follows the variable before the first row shows.
        ValuesStringGrid->setHorizontalHeaderLabels({ToQString(" " + input.VariableName),
                                                     ToQString(" f(" + input.VariableName + ")")});
        table_.Compute(input.Formula, input.VariableName, accepted, progress);
    }
    SetRunning(false);
    ShowRows();
    computed_ = true;
    SaveToFileButton->setEnabled(true);
    CopyButton->setEnabled(true);
}

void TValTableForm::ShowRows()
{
    for (; rowsShown_ < table_.Rows().size(); ++rowsShown_) {
        const ValueTableRow& row = table_.Rows()[rowsShown_];
        AppendResultRow(ValuesStringGrid, {ToQString(row.Argument), ToQString(row.Value)});
    }
}

}  // namespace vg
