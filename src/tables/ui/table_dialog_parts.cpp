#include "tables/ui/table_dialog_parts.h"

#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/message_dialog_model.h"
#include "app/ui/help_form.h"

namespace vg {

TTableIntervalGroup::TTableIntervalGroup(QWidget* parent) : QGroupBox("Interval", parent)
{
    setObjectName("IntervalGroupBox");
    AllRadioButton = new QRadioButton("All", this);
    AllRadioButton->setObjectName("AllRadioButton");
    AllRadioButton->setChecked(true);
    CustomRadioButton = new QRadioButton("Custom:  from", this);
    CustomRadioButton->setObjectName("CustomRadioButton");
    LeftEdit = new QLineEdit("1", this);
    LeftEdit->setObjectName("LeftEdit");
    RightEdit = new QLineEdit("100", this);
    RightEdit->setObjectName("RightEdit");
    for (QLineEdit* edit : {LeftEdit, RightEdit}) {
        edit->setMaximumWidth(edit->fontMetrics().averageCharWidth() * 8);
        connect(edit, &QLineEdit::textEdited, CustomRadioButton, [this] { CustomRadioButton->setChecked(true); });
    }
    auto* upTo = new QLabel("up to", this);
    upTo->setObjectName("UpToLabel");
    auto* layout = new QGridLayout(this);
    layout->addWidget(AllRadioButton, 0, 0, 1, 4);
    layout->addWidget(CustomRadioButton, 1, 0);
    layout->addWidget(LeftEdit, 1, 1);
    layout->addWidget(upTo, 1, 2);
    layout->addWidget(RightEdit, 1, 3);
    layout->setColumnStretch(4, 1);
}

bool TTableIntervalGroup::All() const { return AllRadioButton->isChecked(); }
std::string TTableIntervalGroup::From() const { return LeftEdit->text().toStdString(); }
std::string TTableIntervalGroup::To() const { return RightEdit->text().toStdString(); }

QComboBox* MakeDecimalComboBox(QWidget* parent, bool decimalPoint)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName("DecimalComboBox");
    combo->addItems({"  .", "  ,"});
    combo->setCurrentIndex(decimalPoint ? 0 : 1);
    return combo;
}

bool DecimalPointChosen(const QComboBox* combo) { return combo->currentIndex() == 0; }

QHBoxLayout* MakeDialogButtons(QDialog* dialog, int helpContext, QPushButton*& okButton)
{
    auto* ok = okButton = new QPushButton("OK", dialog);
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    auto* cancel = new QPushButton("Cancel", dialog);
    cancel->setObjectName("CancelButton");
    cancel->setAutoDefault(false);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(ok);
    row->addWidget(cancel);
    if (helpContext > 0) {
        auto* help = new QPushButton("Help", dialog);
        help->setObjectName("HelpButton");
        help->setAutoDefault(false);
        QObject::connect(help, &QPushButton::clicked, dialog,
                         [dialog, helpContext] { THelpForm::ShowContext(dialog, helpContext); });
        row->addWidget(help);
    }
    return row;
}

void ShowTableInputFailure(const TableInputFailure& failure, QWidget* control)
{
    ShowMessageDialog(TableInputFailureText(failure), mtError, mbOK, 0);
    if (!control) return;
    control->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->selectAll();
}

}  // namespace vg
