#include "tables/ui/open_table_form.h"

#include <QEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/ui/translate_component.h"
#include "tables/ui/table_dialog_parts.h"

namespace vg {

TOpenTableForm::TOpenTableForm(QWidget* parent) : QDialog(parent)
{
    setObjectName("OpenTableForm");
    setWindowTitle("Table File Format");
    auto* format = new QGroupBox("File Format", this);
    format->setObjectName("FileFormatGroupBox");
    HorRadioButton = new QRadioButton("Vertical (columns)", format);
    HorRadioButton->setObjectName("HorRadioButton");
    HorRadioButton->setChecked(true);
    VertRadioButton = new QRadioButton("Horizontal (rows)", format);
    VertRadioButton->setObjectName("VertRadioButton");
    auto* formatLayout = new QVBoxLayout(format);
    for (QRadioButton* radio : {HorRadioButton, VertRadioButton}) {
        formatLayout->addWidget(radio);
        radio->installEventFilter(this);
        connect(radio, &QRadioButton::clicked, this, &TOpenTableForm::FillDemo);
    }

    auto* form = new QGroupBox("File Form", this);
    form->setObjectName("FileFormGroupBox");
    DemoListBox = new QListWidget(form);
    DemoListBox->setObjectName("DemoListBox");
    DemoListBox->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    DemoListBox->setFocusPolicy(Qt::NoFocus);
    DemoListBox->setSelectionMode(QAbstractItemView::NoSelection);
    DemoListBox->setMinimumWidth(DemoListBox->fontMetrics().horizontalAdvance(QString(34, QLatin1Char('X'))));
    DemoListBox->setFixedHeight(DemoListBox->fontMetrics().height() * 5);
    auto* formLayout = new QVBoxLayout(form);
    formLayout->addWidget(DemoListBox);

    QPushButton* ok = nullptr;
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(format);
    layout->addWidget(form);
    layout->addLayout(MakeDialogButtons(this, kHelpContext, ok));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    TranslateComponent(this);
    FillDemo();
}

TableFileOrientation TOpenTableForm::Orientation() const
{
    return HorRadioButton->isChecked() ? TableFileOrientation::Columns : TableFileOrientation::Rows;
}

void TOpenTableForm::FillDemo()
{
    DemoListBox->clear();
    if (Orientation() == TableFileOrientation::Columns)
        DemoListBox->addItems({"      X1          Y1", "      X2          Y2", "      X3          Y3",
                               " . . . . . . . . . . . . . . . ."});
    else
        DemoListBox->addItems({" X1  X2  X3  X4 . . .", " Y1  Y2  Y3  Y4 . . ."});
}

bool TOpenTableForm::eventFilter(QObject* watched, QEvent* event)
{
    // A double click on a layout chooses it and closes the dialog as OK does.
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (auto* radio = qobject_cast<QRadioButton*>(watched)) {
            radio->setChecked(true);
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace vg
