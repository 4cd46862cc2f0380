#include "tools/ui/calc_form.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

#include "app/ui/help_form.h"
#include "app/ui/translate_component.h"
#include "tools/calculator_tool.h"
#include "tools/ui/tool_window_support.h"

namespace vg {

namespace {

constexpr int kMaxCalcFormulaLength = 250;

QLabel* BuddyLabel(const char* text, const char* name, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

TCalcForm::TCalcForm(QWidget* parent) : QDialog(parent, Qt::Tool)
{
    setObjectName("CalcForm");
    setWindowTitle("Calculator");
    setModal(false);
    BuildControls();
}

void TCalcForm::BuildControls()
{
    formulaEdit_ = new QLineEdit(this);
    formulaEdit_->setObjectName("FormulaEdit");
    formulaEdit_->setMaxLength(kMaxCalcFormulaLength);
    variableNameEdit_ = new QLineEdit("X", this);
    variableNameEdit_->setObjectName("VariableNameEdit");
    variableNameEdit_->setMaxLength(1);
    variableNameEdit_->setFixedWidth(variableNameEdit_->fontMetrics().horizontalAdvance("WW") + 12);
    variableValueEdit_ = new QLineEdit("0", this);
    variableValueEdit_->setObjectName("VariableValueEdit");
    resultEdit_ = new QLineEdit(this);
    resultEdit_->setObjectName("ResultEdit");
    resultEdit_->setReadOnly(true);
    calcButton_ = new QPushButton("Calculate", this);
    calcButton_->setObjectName("CalcButton");
    calcButton_->setDefault(true);
    connect(calcButton_, &QPushButton::clicked, this, &TCalcForm::CalcButtonClick);
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, [this] { THelpForm::ShowContext(this, HelpContext); });

    auto* variable = new QHBoxLayout;
    variable->addWidget(variableNameEdit_);
    variable->addWidget(BuddyLabel("=", "EqualLabel", variableValueEdit_, this));
    variable->addWidget(variableValueEdit_, 1);
    auto* grid = new QGridLayout(this);
    grid->addWidget(BuddyLabel("Formula", "FormulaLabel", formulaEdit_, this), 0, 0);
    grid->addWidget(formulaEdit_, 0, 1, 1, 2);
    grid->addWidget(BuddyLabel("Variable", "VariableLabel", variableNameEdit_, this), 1, 0);
    grid->addLayout(variable, 1, 1, 1, 2);
    grid->addWidget(BuddyLabel("Result", "ResultLabel", resultEdit_, this), 2, 0);
    grid->addWidget(resultEdit_, 2, 1);
    grid->addWidget(calcButton_, 2, 2);
    grid->setColumnStretch(1, 1);
    resize(420, sizeHint().height());
}

void TCalcForm::ShowCalculator()
{
    show();
    raise();
    activateWindow();
}

void TCalcForm::CalcButtonClick()
{
    resultEdit_->clear();
    const CalcOutcome outcome = RunCalculator(formulaEdit_->text().toStdString(),
                                              variableNameEdit_->text().toStdString(),
                                              variableValueEdit_->text().toStdString());
    if (outcome.Failure) {
        QLineEdit* field = outcome.Failure->FocusField == CalcField::VariableName    ? variableNameEdit_
                           : outcome.Failure->FocusField == CalcField::VariableValue ? variableValueEdit_
                                                                                     : formulaEdit_;
        ShowRefusal(InputFailureText(*outcome.Failure), field);
        return;
    }
    resultEdit_->setText(ToDisplayText(outcome.Text));
}

void TCalcForm::RecalculateSilently()
{
    resultEdit_->clear();
    const CalcOutcome outcome = RunCalculator(formulaEdit_->text().toStdString(),
                                              variableNameEdit_->text().toStdString(),
                                              variableValueEdit_->text().toStdString());
    if (!outcome.Failure) resultEdit_->setText(ToDisplayText(outcome.Text));
}

bool TCalcForm::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate) RecalculateSilently();
    return QDialog::event(event);
}

}  // namespace vg
