#include "tools/ui/tangent_form.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/app_globals.h"
#include "app/ui/translate_component.h"
#include "document/graph_model.h"
#include "tools/ui/graph_choice_box.h"
#include "tools/ui/tool_window_support.h"

namespace vg {

TTangentForm::TTangentForm(const TGraphicsManager* document, int selectedGraph, QWidget* parent)
    : TAddGraphDialog(parent), document_(document)
{
    setObjectName("TangentForm");
    setWindowTitle("Tangent or Normal");
    BuildControls();
    TranslateComponent(this);
    FillGraphChoiceBox(funcComboBox_, document_, selectedGraph);
    ShowGraph();
    if (varEdit_->isVisibleTo(this)) varEdit_->setFocus();
}

void TTangentForm::BuildControls()
{
    funcComboBox_ = NewGraphChoiceBox(this);
    connect(funcComboBox_, &QComboBox::currentIndexChanged, this, &TTangentForm::ShowGraph);

    auto* point = new QGroupBox("Point To Find Tangent/Normal", this);
    point->setObjectName("PointGroupBox");
    varLabel_ = new QLabel(point);
    varLabel_->setObjectName("VarLabel");
    varEdit_ = new QLineEdit("0", point);
    varEdit_->setObjectName("VarEdit");
    varLabel_->setBuddy(varEdit_);
    piLabel_ = new QLabel("Pi", point);
    piLabel_->setObjectName("PiLabel");
    auto* pointLayout = new QHBoxLayout(point);
    pointLayout->addWidget(varLabel_);
    pointLayout->addWidget(varEdit_, 1);
    pointLayout->addWidget(piLabel_);

    auto* find = new QGroupBox("Find", this);
    find->setObjectName("FindGroupBox");
    tangentRadioButton_ = new QRadioButton("Tangent", find);
    tangentRadioButton_->setObjectName("TangentRadioButton");
    tangentRadioButton_->setChecked(true);
    normalRadioButton_ = new QRadioButton("Normal", find);
    normalRadioButton_->setObjectName("NormalRadioButton");
    auto* findLayout = new QVBoxLayout(find);
    findLayout->addWidget(tangentRadioButton_);
    findLayout->addWidget(normalRadioButton_);

    const AddGraphButtons buttons = NewAddGraphButtons("Add Graph", HelpContext);
    addFunctionButton_ = buttons.Add;
    addFunctionButton_->setDefault(true);
    connect(addFunctionButton_, &QPushButton::clicked, this, &TTangentForm::AddFunctionButtonClick);

    auto* middle = new QHBoxLayout;
    middle->addWidget(point, 1);
    middle->addWidget(find);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(funcComboBox_);
    layout->addLayout(middle);
    layout->addStretch();
    layout->addLayout(buttons.Row);
    resize(560, sizeHint().height());
}

void TTangentForm::ShowGraph()
{
    const int index = ChosenGraphIndex(funcComboBox_, document_);
    if (index < 0) {
        // Nothing to offer: no field, no line.
        varLabel_->clear();
        varEdit_->hide();
        piLabel_->hide();
        addFunctionButton_->setEnabled(false);
        return;
    }
    const TangentView view = TangentViewOf(document_->Graph(index).Record);
    piLabel_->setVisible(view.ShowPi);
    varLabel_->setText(TranslateText(view.Label));
    varEdit_->setVisible(view.ShowEdit);
    addFunctionButton_->setEnabled(view.CanAdd);
}

void TTangentForm::Refuse(const std::string& message, bool focusVariable)
{
    ShowRefusal(message, focusVariable ? varEdit_ : nullptr);
}

GraphRecord TTangentForm::GraphToAdd() const { return TangentGraphRecord(line_, GlobalDocumentOptions()); }

void TTangentForm::AddFunctionButtonClick()
{
    const int index = ChosenGraphIndex(funcComboBox_, document_);
    if (index < 0 || !TangentViewOf(document_->Graph(index).Record).CanAdd) return;
    long double t = 0;
    if (const auto failure = ReadTangentParameter(varEdit_->text().toStdString(), t)) {
        Refuse(InputFailureText(*failure), true);
        return;
    }
    const bool normal = normalRadioButton_->isChecked();
    const TangentLine line = ComputeTangentLine(document_->Graph(index).Record, t, normal);
    if (line.Status != TangentStatus::Determined) {
        Refuse(TangentMessage(line.Status, normal), false);
        return;
    }
    line_ = line;
    FinishAdding(document_->GraphCount());
}

}  // namespace vg
