#include "tables/ui/save_table_form.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/file_filter.h"
#include "app/message_dialog_model.h"
#include "app/translator.h"
#include "app/ui/translate_component.h"
#include "document/graph_model.h"
#include "tables/table_messages.h"
#include "tables/ui/table_dialog_parts.h"

namespace vg {

namespace {

constexpr const char* kTextFileFilter = "Text files (*.txt)|*.txt|All files (*.*)|*.*";

std::string TranslatedText(const std::string& text) { return Translate(text); }

}  // namespace

TSaveTableForm::TSaveTableForm(const TGraphicsManager& document, int selectedGraph, const std::string& fileName,
                               bool decimalPoint, QWidget* parent)
    : QDialog(parent)
{
    setObjectName("SaveTableForm");
    setWindowTitle("Save Table");
    FileNameEdit = new QLineEdit(QString::fromStdString(fileName), this);
    FileNameEdit->setObjectName("FileNameEdit");
    FileNameEdit->setMinimumWidth(FileNameEdit->fontMetrics().averageCharWidth() * 44);
    BrowseButton = new QPushButton("Browse...", this);
    BrowseButton->setObjectName("BrowseButton");
    BrowseButton->setAutoDefault(false);
    TableComboBox = new QComboBox(this);
    TableComboBox->setObjectName("TableComboBox");
    for (int i = 0; i < document.GraphCount(); ++i) {
        const GraphRecord& record = document.Graph(i).Record;
        if (record.Kind != GraphKind::Table) continue;
        tableGraphs_.push_back(i);
        TableComboBox->addItem(QString::fromStdString(GraphDescription(record, TranslatedText)));
        if (i == selectedGraph) TableComboBox->setCurrentIndex(TableComboBox->count() - 1);
    }

    auto* fields = new QGridLayout;
    auto* fileLabel = new QLabel("File name", this);
    fileLabel->setObjectName("FileNameLabel");
    auto* tableLabel = new QLabel("Table", this);
    tableLabel->setObjectName("TableLabel");
    fields->addWidget(fileLabel, 0, 0);
    fields->addWidget(FileNameEdit, 0, 1);
    fields->addWidget(BrowseButton, 0, 2);
    fields->addWidget(tableLabel, 1, 0);
    fields->addWidget(TableComboBox, 1, 1, 1, 2);

    auto* form = new QGroupBox("Number Format", this);
    form->setObjectName("NumberFormatGroupBox");
    Form1RadioButton = new QRadioButton("mEp", form);
    Form1RadioButton->setObjectName("Form1RadioButton");
    Form1RadioButton->setChecked(true);
    Form2RadioButton = new QRadioButton("m*10^p", form);
    Form2RadioButton->setObjectName("Form2RadioButton");
    auto* formLayout = new QVBoxLayout(form);
    formLayout->addWidget(Form1RadioButton);
    formLayout->addWidget(Form2RadioButton);

    auto* separator = new QGroupBox("Decimal Separator", this);
    separator->setObjectName("DecimalGroupBox");
    DecimalComboBox = MakeDecimalComboBox(separator, decimalPoint);
    auto* separatorLayout = new QVBoxLayout(separator);
    separatorLayout->addWidget(DecimalComboBox);
    separatorLayout->addStretch(1);

    auto* groups = new QHBoxLayout;
    groups->addWidget(form);
    groups->addWidget(separator);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(groups);
    layout->addLayout(MakeDialogButtons(this, kHelpContext, OKButton));
    connect(OKButton, &QPushButton::clicked, this, &TSaveTableForm::OKButtonClick);
    connect(BrowseButton, &QPushButton::clicked, this, &TSaveTableForm::BrowseButtonClick);
    TranslateComponent(this);
}

std::string TSaveTableForm::FileName() const { return FileNameEdit->text().toStdString(); }

int TSaveTableForm::ChosenGraph() const
{
    const int item = TableComboBox->currentIndex();
    return item >= 0 && item < static_cast<int>(tableGraphs_.size()) ? tableGraphs_[static_cast<std::size_t>(item)]
                                                                     : -1;
}

TableNumberForm TSaveTableForm::NumberForm() const
{
    return Form1RadioButton->isChecked() ? TableNumberForm::Scientific : TableNumberForm::Power;
}

bool TSaveTableForm::DecimalPoint() const { return DecimalPointChosen(DecimalComboBox); }

void TSaveTableForm::BrowseButtonClick()
{
    QFileDialog dialog(this, TranslateText(std::string_view("Save Table")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QString::fromStdString(ToQtFileFilter(TranslateFileFilter(kTextFileFilter))));
    dialog.setDefaultSuffix("txt");
    // This dialog asks about an existing file itself, on OK.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QFileInfo current(FileNameEdit->text());
    dialog.setDirectory(current.absolutePath());
    dialog.selectFile(current.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    FileNameEdit->setText(dialog.selectedFiles().first());
}

void TSaveTableForm::OKButtonClick()
{
    if (QFileInfo::exists(FileNameEdit->text()) &&
        ShowMessageDialog(Translate(kFileExistsText), mtConfirmation, mbYes | mbNo, 0) != mrYes)
        return;
    accept();
}

}  // namespace vg
