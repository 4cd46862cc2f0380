#include "app/ui/common_options_form.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/help_form.h"
#include "app/ui/translate_component.h"

namespace vg {

namespace {

QCheckBox* Check(QWidget* parent, const char* name, const char* caption)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    return box;
}

}  // namespace

TCommonOptionsForm::TCommonOptionsForm(QWidget* parent) : QDialog(parent)
{
    setObjectName("CommonOptionsForm");
    setWindowTitle("Common Options");
    auto* confirmations = new QGroupBox("Confirmations", this);
    confirmations->setObjectName("ConfirmationsGroupBox");
    FuncPanelDelCheckBox = Check(confirmations, "FuncPanelDelCheckBox", "Delete Graph");
    (new QVBoxLayout(confirmations))->addWidget(FuncPanelDelCheckBox);
    auto* others = new QGroupBox("Others", this);
    others->setObjectName("OthersGroupBox");
    FunctionNewColorCheckBox = Check(others, "FunctionNewColorCheckBox", "New Color for New Graph");
    ChangeStepsCheckBox = Check(others, "ChangeStepsCheckBox", "Change Steps When Intervals Changed");
    ShowBackGroundCheckBox = Check(others, "ShowBackGroundCheckBox", "Show Background in Graph List");
    AutoMaxCheckBox = Check(others, "AutoMaxCheckBox", "Automatically Maximize Windows");
    auto* othersLayout = new QVBoxLayout(others);
    for (QCheckBox* box : {FunctionNewColorCheckBox, ChangeStepsCheckBox, ShowBackGroundCheckBox, AutoMaxCheckBox})
        othersLayout->addWidget(box);

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("CancelButton");
    auto* help = new QPushButton("Help", this);
    help->setObjectName("HelpButton");
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { THelpForm::ShowContext(this, kHelpContext); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : {ok, cancel, help}) buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(confirmations);
    layout->addWidget(others);
    layout->addLayout(buttons);
    TranslateComponent(this);
    setFixedSize(sizeHint());
}

void TCommonOptionsForm::SetOptions(const TCommonRecord& common)
{
    const CommonOptionsValues v = CommonOptionsFromRecord(common);
    FuncPanelDelCheckBox->setChecked(v.FuncPanelDelConfirmation);
    FunctionNewColorCheckBox->setChecked(v.FunctionNewColor);
    ChangeStepsCheckBox->setChecked(v.ChangeSteps);
    ShowBackGroundCheckBox->setChecked(v.ShowBackGround);
    AutoMaxCheckBox->setChecked(v.AutoMaximize);
}

void TCommonOptionsForm::StoreOptions(TCommonRecord& common) const
{
    AcceptCommonOptions({FuncPanelDelCheckBox->isChecked(), FunctionNewColorCheckBox->isChecked(),
                         ChangeStepsCheckBox->isChecked(), ShowBackGroundCheckBox->isChecked(),
                         AutoMaxCheckBox->isChecked()},
                        common);
}

}  // namespace vg
