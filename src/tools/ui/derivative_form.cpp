#include "tools/ui/derivative_form.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/translate_component.h"
#include "document/graph_model.h"
#include "tools/ui/graph_choice_box.h"

namespace vg {

namespace {

enum EditIndex { YFromXEdit, XFromYEdit, PolarEdit, ParamXEdit, ParamYEdit };

struct EditInfo {
    const char* name;
    const char* label;
};
constexpr EditInfo kEdits[] = {
    {"FormulaYFromXEdit", "Y(x)="}, {"FormulaXFromYEdit", "X(y)="}, {"FormulaPolarEdit", "R(a)="},
    {"FormulaParamXEdit", "X(t)="}, {"FormulaParamYEdit", "Y(t)="},
};

}  // namespace

TDerivativeForm::TDerivativeForm(const TGraphicsManager* document, int selectedGraph, QWidget* parent)
    : TAddGraphDialog(parent), document_(document)
{
    setObjectName("DerivativeForm");
    setWindowTitle("Derivative");
    BuildControls();
    TranslateComponent(this);
    FillGraphChoiceBox(funcComboBox_, document_, selectedGraph);
    ShowDerivative();
    adjustSize();
    resize(560, height());
}

void TDerivativeForm::BuildControls()
{
    funcComboBox_ = NewGraphChoiceBox(this);
    connect(funcComboBox_, &QComboBox::currentIndexChanged, this, &TDerivativeForm::FuncComboBoxChange);

    derivativeGroup_ = new QGroupBox("Derivative", this);
    derivativeGroup_->setObjectName("DerivativeGroupBox");
    auto* grid = new QGridLayout(derivativeGroup_);
    for (int i = 0; i < 5; ++i) {
        auto* label = new QLabel(kEdits[i].label, derivativeGroup_);
        label->setObjectName(QString(kEdits[i].name).replace("Edit", "Label"));
        auto* edit = new QLineEdit(derivativeGroup_);
        edit->setObjectName(kEdits[i].name);
        edit->setReadOnly(true);
        edit->setMaxLength(static_cast<int>(kMaxDerivativeLength));
        label->setBuddy(edit);
        grid->addWidget(label, i, 0);
        grid->addWidget(edit, i, 1);
        edits_[i] = {label, edit};
    }
    errorEdit_ = new QLineEdit(derivativeGroup_);
    errorEdit_->setObjectName("ErrorEdit");
    errorEdit_->setReadOnly(true);
    errorEdit_->setFrame(false);
    errorEdit_->setFocusPolicy(Qt::NoFocus);
    QPalette plain = errorEdit_->palette();
    plain.setColor(QPalette::Base, plain.color(QPalette::Window));
    errorEdit_->setPalette(plain);
    grid->addWidget(errorEdit_, 5, 0, 1, 2);
    grid->setColumnStretch(1, 1);

    const AddGraphButtons buttons = NewAddGraphButtons("Add graph", HelpContext);
    addFunctionButton_ = buttons.Add;
    addFunctionButton_->setDefault(true);
    connect(addFunctionButton_, &QPushButton::clicked, this, &TDerivativeForm::AddFunctionButtonClick);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(funcComboBox_);
    layout->addWidget(derivativeGroup_);
    layout->addLayout(buttons.Row);
}

void TDerivativeForm::ClearFields()
{
    for (const KindEdit& e : edits_) {
        e.edit->clear();
        e.label->hide();
        e.edit->hide();
    }
    errorEdit_->clear();
    errorEdit_->show();
}

void TDerivativeForm::FuncComboBoxChange() { ShowDerivative(); }

void TDerivativeForm::ShowDerivative()
{
    ClearFields();
    const int index = ChosenGraphIndex(funcComboBox_, document_);
    if (index < 0) {
        view_ = DerivativeView();
        addFunctionButton_->setEnabled(false);
        return;
    }
    view_ = DeriveGraph(document_->Graph(index).Record);
    addFunctionButton_->setEnabled(view_.CanAdd());
    if (!view_.CanAdd()) {
        errorEdit_->setText(ToDisplayText(DerivativeMessage(view_)));
        errorEdit_->setCursorPosition(0);
        return;
    }
    errorEdit_->hide();
    const int first = view_.Kind == GraphKind::Param ? ParamXEdit : static_cast<int>(view_.Kind);
    const std::vector<DerivativeLine> lines = DerivativeLines(view_);
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const KindEdit& e = edits_[first + static_cast<int>(k)];
        e.edit->setText(QString::fromStdString(lines[k].Text));
        e.edit->setCursorPosition(0);
        e.label->show();
        e.edit->show();
    }
}

GraphRecord TDerivativeForm::GraphToAdd() const
{
    const int index = ChosenGraphIndex(funcComboBox_, document_);
    if (index < 0) return GraphRecord{};
    return DerivativeGraphRecord(document_->Graph(index).Record, view_);
}

void TDerivativeForm::AddFunctionButtonClick()
{
    if (!view_.CanAdd() || ChosenGraphIndex(funcComboBox_, document_) < 0) return;
    FinishAdding(document_->GraphCount());
}

}  // namespace vg
