#include "tables/ui/copy_table_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/translate_component.h"
#include "tables/ui/table_dialog_parts.h"

namespace vg {

TCopyTableForm::TCopyTableForm(bool cut, bool decimalPoint, QWidget* parent) : QDialog(parent)
{
    setObjectName("CopyTableForm");
    setWindowTitle(cut ? "Cut Table" : "Copy Table");
    auto* columns = new QGroupBox("Columns", this);
    columns->setObjectName("ColumnsGroupBox");
    XCheckBox = new QCheckBox("X", columns);
    XCheckBox->setObjectName("XCheckBox");
    YCheckBox = new QCheckBox("Y", columns);
    YCheckBox->setObjectName("YCheckBox");
    auto* columnsLayout = new QHBoxLayout(columns);
    for (QCheckBox* box : {XCheckBox, YCheckBox}) {
        box->setChecked(true);
        columnsLayout->addWidget(box);
    }
    columnsLayout->addStretch(1);

    IntervalGroup = new TTableIntervalGroup(this);

    auto* options = new QGroupBox("Options", this);
    options->setObjectName("OptionsGroupBox");
    DecimalComboBox = MakeDecimalComboBox(options, decimalPoint);
    auto* decimalLabel = new QLabel("Decimal Separator", options);
    decimalLabel->setObjectName("DecimalLabel");
    decimalLabel->setBuddy(DecimalComboBox);
    auto* optionsLayout = new QHBoxLayout(options);
    optionsLayout->addWidget(decimalLabel);
    optionsLayout->addWidget(DecimalComboBox);
    optionsLayout->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(columns);
    layout->addWidget(IntervalGroup);
    layout->addWidget(options);
    layout->addLayout(MakeDialogButtons(this, kHelpContext, OKButton));
    connect(OKButton, &QPushButton::clicked, this, &TCopyTableForm::OKButtonClick);
    TranslateComponent(this);
}

TableCopyRequest TCopyTableForm::Request() const
{
    TableCopyRequest r;
    r.X = XCheckBox->isChecked();
    r.Y = YCheckBox->isChecked();
    r.All = IntervalGroup->All();
    r.From = IntervalGroup->From();
    r.To = IntervalGroup->To();
    r.DecimalPoint = DecimalPointChosen(DecimalComboBox);
    return r;
}

void TCopyTableForm::OKButtonClick()
{
    const TableInputCheck failure = CheckTableCopy(Request());
    if (!failure) {
        accept();
        return;
    }
    QWidget* control = XCheckBox;
    if (failure->Field == TableInputField::LeftEdit) control = IntervalGroup->LeftEdit;
    if (failure->Field == TableInputField::RightEdit) control = IntervalGroup->RightEdit;
    ShowTableInputFailure(*failure, control);
}

}  // namespace vg
