#include "app/ui/page_setup_form.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/message_dialog_model.h"
#include "app/ui/print_opt_form.h"
#include "app/ui/translate_component.h"

namespace vg {

namespace {

QSpinBox* NewMarginEdit(QWidget* parent, const char* name, int value)
{
    auto* edit = new QSpinBox(parent);
    edit->setObjectName(name);
    edit->setRange(kMinMargin, kMaxMargin);
    edit->setSingleStep(100);
    edit->setValue(value);
    return edit;
}

void AddMarginRow(QGridLayout* grid, int row, int column, QWidget* parent, const char* caption,
                  QSpinBox* edit)
{
    auto* label = new QLabel(caption, parent);
    label->setBuddy(edit);
    grid->addWidget(label, row, column);
    grid->addWidget(edit, row, column + 1);
}

}  // namespace

TPageSetupForm::TPageSetupForm(QWidget* parent, const std::vector<std::string>& printers, const PageSetup& setup)
    : QDialog(parent)
{
    setObjectName("PageSetupForm");
    setWindowTitle("Page Setup");

    PrinterComboBox = new QComboBox(this);
    PrinterComboBox->setObjectName("PrinterComboBox");
    FillPrinterComboBox(PrinterComboBox, printers);
    SelectPrinter(PrinterComboBox, setup.Printer.Printer);
    auto* printerRow = new QFormLayout;
    printerRow->addRow(new QLabel("Printer:", this), PrinterComboBox);

    auto* paperBox = new QGroupBox("Paper", this);
    paperBox->setObjectName("PaperGroupBox");
    PaperComboBox = new QComboBox(paperBox);
    PaperComboBox->setObjectName("PaperComboBox");
    PaperComboBox->setMinimumWidth(220);
    auto* paperForm = new QFormLayout(paperBox);
    paperForm->addRow(new QLabel("Size:", paperBox), PaperComboBox);
    FillPapers(SelectedPrinter(PrinterComboBox), setup.Printer.Paper);
    connect(PrinterComboBox, &QComboBox::currentIndexChanged, this, [this] {
        const std::string paper = Setup().Printer.Paper;
        FillPapers(SelectedPrinter(PrinterComboBox), paper);
    });

    auto* orientationBox = new QGroupBox("Orientation", this);
    orientationBox->setObjectName("OrientationGroupBox");
    PortraitRadioButton = new QRadioButton("Portrait", orientationBox);
    PortraitRadioButton->setObjectName("PortraitRadioButton");
    LandscapeRadioButton = new QRadioButton("Landscape", orientationBox);
    LandscapeRadioButton->setObjectName("LandscapeRadioButton");
    (setup.Printer.Landscape ? LandscapeRadioButton : PortraitRadioButton)->setChecked(true);
    auto* orientation = new QVBoxLayout(orientationBox);
    orientation->addWidget(PortraitRadioButton);
    orientation->addWidget(LandscapeRadioButton);

    auto* marginsBox = new QGroupBox("Margins (thousandths of an inch)", this);
    marginsBox->setObjectName("MarginsGroupBox");
    LeftMarginEdit = NewMarginEdit(marginsBox, "LeftMarginEdit", setup.Margins.Left);
    TopMarginEdit = NewMarginEdit(marginsBox, "TopMarginEdit", setup.Margins.Top);
    RightMarginEdit = NewMarginEdit(marginsBox, "RightMarginEdit", setup.Margins.Right);
    BottomMarginEdit = NewMarginEdit(marginsBox, "BottomMarginEdit", setup.Margins.Bottom);
    auto* margins = new QGridLayout(marginsBox);
    AddMarginRow(margins, 0, 0, marginsBox, "Left:", LeftMarginEdit);
    AddMarginRow(margins, 0, 2, marginsBox, "Right:", RightMarginEdit);
    AddMarginRow(margins, 1, 0, marginsBox, "Top:", TopMarginEdit);
    AddMarginRow(margins, 1, 2, marginsBox, "Bottom:", BottomMarginEdit);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("OKButton");
    buttons->button(QDialogButtonBox::Ok)->setText("OK");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("CancelButton");
    buttons->button(QDialogButtonBox::Cancel)->setText("Cancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &TPageSetupForm::OKButtonClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* middle = new QHBoxLayout;
    middle->addWidget(orientationBox);
    middle->addWidget(marginsBox, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(printerRow);
    layout->addWidget(paperBox);
    layout->addLayout(middle);
    layout->addWidget(buttons);
}

void TPageSetupForm::FillPapers(const std::string& printer, const std::string& paper)
{
    papers_ = AvailablePapers(printer);
    PaperComboBox->clear();
    int chosen = -1;
    for (std::size_t i = 0; i < papers_.size(); ++i) {
        PaperComboBox->addItem(QString::fromStdString(papers_[i].Name));
        if (chosen < 0 && papers_[i].Key == paper) chosen = static_cast<int>(i);
    }
    if (chosen < 0) {
        const std::string fallback = DefaultPaperKey(printer);
        for (std::size_t i = 0; i < papers_.size() && chosen < 0; ++i)
            if (papers_[i].Key == fallback) chosen = static_cast<int>(i);
    }
    PaperComboBox->setCurrentIndex(chosen < 0 ? 0 : chosen);
}

PageSetup TPageSetupForm::Setup() const
{
    PageSetup s;
    s.Printer.Printer = SelectedPrinter(PrinterComboBox);
    const int paper = PaperComboBox->currentIndex();
    if (paper >= 0 && paper < static_cast<int>(papers_.size())) s.Printer.Paper = papers_[paper].Key;
    s.Printer.Landscape = LandscapeRadioButton->isChecked();
    s.Margins = {LeftMarginEdit->value(), TopMarginEdit->value(), RightMarginEdit->value(),
                 BottomMarginEdit->value()};
    return s;
}

QSpinBox* TPageSetupForm::MarginEdit(MarginField field) const
{
    switch (field) {
    case MarginField::Left: return LeftMarginEdit;
    case MarginField::Top: return TopMarginEdit;
    case MarginField::Right: return RightMarginEdit;
    case MarginField::Bottom: return BottomMarginEdit;
    default: return nullptr;
    }
}

void TPageSetupForm::OKButtonClick()
{
    const PageSetup s = Setup();
    const int paper = PaperComboBox->currentIndex();
    if (paper >= 0 && paper < static_cast<int>(papers_.size())) {
        const PaperInfo& p = papers_[paper];
        const int width = s.Printer.Landscape ? p.Height : p.Width;
        const int height = s.Printer.Landscape ? p.Width : p.Height;
        if (QSpinBox* refused = MarginEdit(RefusedMargin(width, height, s.Margins))) {
            ShowMessageDialog(kMarginsTooLarge, mtError, mbOK, 0);
            refused->setFocus();
            refused->selectAll();
            return;
        }
    }
    accept();
}

void TPageSetupForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1 && showHelp) {
        showHelp(kPageSetupHelpContext);
        return;
    }
    QDialog::keyPressEvent(event);
}

bool RunPageSetup(QWidget* parent, PageSetup& setup, const std::function<void(int)>& showHelp)
{
    TPageSetupForm form(parent, AvailablePrinters(), setup);
    form.showHelp = showHelp;
    TranslateComponent(&form);
    if (form.exec() != QDialog::Accepted) return false;
    setup = form.Setup();
    return true;
}

}  // namespace vg
