#include "tables/ui/modify_table_form.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/ui/translate_component.h"
#include "tables/ui/table_dialog_parts.h"

namespace vg {

namespace {

constexpr int kFormulaLength = 250;

}  // namespace

TModifyTableForm::TModifyTableForm(TableFormulaMode mode, QWidget* parent) : QDialog(parent), mode_(mode)
{
    setObjectName("ModifyTableForm");
    XYGroupBox = new QGroupBox(this);
    XYGroupBox->setObjectName("XYGroupBox");
    XRadioButton = new QRadioButton("X", XYGroupBox);
    XRadioButton->setObjectName("XRadioButton");
    XRadioButton->setChecked(true);
    YRadioButton = new QRadioButton("Y", XYGroupBox);
    YRadioButton->setObjectName("YRadioButton");
    auto* columns = new QHBoxLayout(XYGroupBox);
    columns->addWidget(XRadioButton);
    columns->addWidget(YRadioButton);
    columns->addStretch(1);

    FunctionLabel = new QLabel(this);
    FunctionLabel->setObjectName("FunctionLabel");
    FormulaEdit = new QLineEdit(this);
    FormulaEdit->setObjectName("FormulaEdit");
    FormulaEdit->setMaxLength(kFormulaLength);
    FormulaEdit->setMinimumWidth(FormulaEdit->fontMetrics().averageCharWidth() * 36);
    auto* formula = new QHBoxLayout;
    formula->addWidget(FunctionLabel);
    formula->addWidget(FormulaEdit, 1);

    IntervalGroup = new TTableIntervalGroup(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(XYGroupBox);
    layout->addLayout(formula);
    layout->addWidget(IntervalGroup);
    layout->addLayout(MakeDialogButtons(this, kHelpContext, OKButton));
    connect(OKButton, &QPushButton::clicked, this, &TModifyTableForm::OKButtonClick);
    for (QRadioButton* radio : {XRadioButton, YRadioButton})
        connect(radio, &QRadioButton::toggled, this, [this] { ShowColumnTexts(); });
    TranslateComponent(this);
    ShowColumnTexts();
    FormulaEdit->setFocus();
}

void TModifyTableForm::ShowColumnTexts()
{
    const bool fill = mode_ == TableFormulaMode::Fill;
    setWindowTitle(TranslateText(std::string_view(fill ? "Fill Table" : "Modify Table")));
    XYGroupBox->setTitle(TranslateText(std::string_view(fill ? "Fill" : "Modify")));
    FunctionLabel->setText(QString::fromStdString(TableFormulaLabel(mode_, XRadioButton->isChecked() ? 0 : 1)));
}

TableFormulaRequest TModifyTableForm::Request() const
{
    TableFormulaRequest r;
    r.Mode = mode_;
    r.Column = XRadioButton->isChecked() ? 0 : 1;
    r.Formula = FormulaEdit->text().toStdString();
    r.All = IntervalGroup->All();
    r.From = IntervalGroup->From();
    r.To = IntervalGroup->To();
    return r;
}

void TModifyTableForm::OKButtonClick()
{
    const TableInputCheck failure = CheckTableFormula(Request());
    if (!failure) {
        accept();
        return;
    }
    QWidget* control = failure->Field == TableInputField::LeftEdit    ? IntervalGroup->LeftEdit
                       : failure->Field == TableInputField::RightEdit ? IntervalGroup->RightEdit
                                                                      : FormulaEdit;
    ShowTableInputFailure(*failure, control);
}

}  // namespace vg
