#include "app/ui/print_opt_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/shell_dialogs.h"

namespace vg {

void FillPrinterComboBox(QComboBox* combo, const std::vector<std::string>& printers)
{
    combo->clear();
    for (const std::string& name : printers) {
        const QString text = QString::fromStdString(name);
        combo->addItem(text, text);
    }
    // The null item data marks the PDF file.
    combo->addItem(Tr("Print to PDF"), QVariant());
}

void SelectPrinter(QComboBox* combo, const std::string& printer)
{
    int index = printer.empty() ? -1 : combo->findData(QString::fromStdString(printer));
    combo->setCurrentIndex(index >= 0 ? index : combo->count() - 1);
}

std::string SelectedPrinter(const QComboBox* combo)
{
    const QVariant data = combo->currentData();
    return data.isNull() ? std::string() : data.toString().toStdString();
}

TPrintOptForm::TPrintOptForm(QWidget* parent, const std::vector<std::string>& printers) : QDialog(parent)
{
    setObjectName("PrintOptForm");
    setWindowTitle("Print Graphs");

    auto* printerRow = new QHBoxLayout;
    auto* printerLabel = new QLabel("Printer:", this);
    printerLabel->setObjectName("PrinterLabel");
    PrinterComboBox = new QComboBox(this);
    PrinterComboBox->setObjectName("PrinterComboBox");
    PrinterComboBox->setMinimumWidth(220);
    printerLabel->setBuddy(PrinterComboBox);
    FillPrinterComboBox(PrinterComboBox, printers);
    printerRow->addWidget(printerLabel);
    printerRow->addWidget(PrinterComboBox, 1);

    PrintOptionsGroupBox = new QGroupBox("Print Options", this);
    PrintOptionsGroupBox->setObjectName("PrintOptionsGroupBox");
    BlackAndWhiteCheckBox = new QCheckBox("Black and White Only", PrintOptionsGroupBox);
    BlackAndWhiteCheckBox->setObjectName("BlackAndWhiteCheckBox");
    auto* options = new QVBoxLayout(PrintOptionsGroupBox);
    options->addWidget(BlackAndWhiteCheckBox);

    PrintButton = new QPushButton("Print", this);
    PrintButton->setObjectName("PrintButton");
    PrintButton->setDefault(true);
    PageSetupButton = new QPushButton("Page Setup...", this);
    PageSetupButton->setObjectName("PageSetupButton");
    PageSetupButton->setAutoDefault(false);
    CancelButton = new QPushButton("Cancel", this);
    CancelButton->setObjectName("CancelButton");
    CancelButton->setAutoDefault(false);
    connect(PrintButton, &QPushButton::clicked, this, &TPrintOptForm::PrintButtonClick);
    connect(PageSetupButton, &QPushButton::clicked, this, &TPrintOptForm::PageSetupButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(PrintButton);
    buttons->addWidget(PageSetupButton);
    buttons->addWidget(CancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(printerRow);
    layout->addWidget(PrintOptionsGroupBox);
    layout->addLayout(buttons);
}

void TPrintOptForm::SetBlackAndWhite(bool on) { BlackAndWhiteCheckBox->setChecked(on); }

bool TPrintOptForm::BlackAndWhite() const { return BlackAndWhiteCheckBox->isChecked(); }

void TPrintOptForm::PageSetupButtonClick()
{
    if (pageSetup) pageSetup(*this);
}

void TPrintOptForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1 && showHelp) {
        showHelp(kPrintOptHelpContext);
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace vg
