#include "tables/ui/find_form.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/ui/translate_component.h"
#include "tables/ui/table_dialog_parts.h"

namespace vg {

namespace {

QLineEdit* ValueLineEdit(QWidget* parent, const char* name)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 24);
    return edit;
}

// The "Direction" group with its two buttons, one of them chosen.
QGroupBox* DirectionGroup(QWidget* parent, bool forward, QRadioButton*& forwardButton, QRadioButton*& backwardButton)
{
    auto* group = new QGroupBox("Direction", parent);
    group->setObjectName("DirectionGroupBox");
    forwardButton = new QRadioButton("Forward", group);
    forwardButton->setObjectName("ForwardRadioButton");
    backwardButton = new QRadioButton("Backward", group);
    backwardButton->setObjectName("BackwardRadioButton");
    (forward ? forwardButton : backwardButton)->setChecked(true);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(forwardButton);
    layout->addWidget(backwardButton);
    return group;
}

}  // namespace

TFindForm::TFindForm(bool forward, QWidget* parent) : QDialog(parent)
{
    setObjectName("FindForm");
    setWindowTitle("Find");
    ValueEdit = ValueLineEdit(this, "ValueEdit");
    auto* fields = new QFormLayout;
    fields->addRow("Value to find", ValueEdit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(DirectionGroup(this, forward, ForwardRadioButton, BackwardRadioButton));
    layout->addLayout(MakeDialogButtons(this, kHelpContext, OKButton));
    connect(OKButton, &QPushButton::clicked, this, &TFindForm::OKButtonClick);
    TranslateComponent(this);
    ValueEdit->setFocus();
}

std::string TFindForm::Value() const { return ValueEdit->text().toStdString(); }

bool TFindForm::Forward() const { return ForwardRadioButton->isChecked(); }

void TFindForm::OKButtonClick()
{
    if (const TableInputCheck failure = CheckSearchValue(Value(), TableInputField::ValueEdit)) {
        ShowTableInputFailure(*failure, ValueEdit);
        return;
    }
    accept();
}

TReplaceForm::TReplaceForm(bool forward, bool prompt, bool all, QWidget* parent) : QDialog(parent)
{
    setObjectName("ReplaceForm");
    setWindowTitle("Replace");
    ValueEdit = ValueLineEdit(this, "ValueEdit");
    ReplaceEdit = ValueLineEdit(this, "ReplaceEdit");
    auto* fields = new QFormLayout;
    fields->addRow("Value to find", ValueEdit);
    fields->addRow("Replace with", ReplaceEdit);

    auto* options = new QGroupBox("Options", this);
    options->setObjectName("OptionsGroupBox");
    PromptCheckBox = new QCheckBox("Prompt on Replace", options);
    PromptCheckBox->setObjectName("PromptCheckBox");
    PromptCheckBox->setChecked(prompt);
    AllCheckBox = new QCheckBox("Replace All", options);
    AllCheckBox->setObjectName("AllCheckBox");
    AllCheckBox->setChecked(all);
    auto* optionsLayout = new QVBoxLayout(options);
    optionsLayout->addWidget(PromptCheckBox);
    optionsLayout->addWidget(AllCheckBox);

    auto* groups = new QHBoxLayout;
    groups->addWidget(DirectionGroup(this, forward, ForwardRadioButton, BackwardRadioButton));
    groups->addWidget(options);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(groups);
    layout->addLayout(MakeDialogButtons(this, kHelpContext, OKButton));
    connect(OKButton, &QPushButton::clicked, this, &TReplaceForm::OKButtonClick);
    TranslateComponent(this);
    ValueEdit->setFocus();
}

TableReplaceRequest TReplaceForm::Request() const
{
    TableReplaceRequest r;
    r.Value = ValueEdit->text().toStdString();
    r.With = ReplaceEdit->text().toStdString();
    r.Forward = ForwardRadioButton->isChecked();
    r.Prompt = PromptCheckBox->isChecked();
    r.All = AllCheckBox->isChecked();
    return r;
}

void TReplaceForm::OKButtonClick()
{
    if (const TableInputCheck failure = CheckReplaceRequest(Request())) {
        ShowTableInputFailure(*failure, failure->Field == TableInputField::ReplaceEdit ? ReplaceEdit : ValueEdit);
        return;
    }
    accept();
}

}  // namespace vg
