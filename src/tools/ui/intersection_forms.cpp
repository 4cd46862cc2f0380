#include "tools/ui/intersection_forms.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/ui/translate_component.h"
#include "tools/ui/tool_window_support.h"

namespace vg {

TIntersectionOptionsForm::TIntersectionOptionsForm(QWidget* parent) : TScanOptionsForm(parent)
{
    setObjectName("IntersectionOptionsForm");
    setWindowTitle("Intersections");
    auto* layout = new QVBoxLayout(this);

    auto* formulas = new QFormLayout;
    Formula1ComboBox = NewFormulaComboBox(this, "Formula1ComboBox");
    Formula2ComboBox = NewFormulaComboBox(this, "Formula2ComboBox");
    formulas->addRow(NewNotationLabel(this, "Y1(x)="), Formula1ComboBox);
    formulas->addRow(NewNotationLabel(this, "Y2(x)="), Formula2ComboBox);
    layout->addLayout(formulas);

    AddIntervalGroup(layout);

    AddButtons(layout, HelpContext);
    TranslateComponent(this);
}

void TIntersectionOptionsForm::SetInput(const IntersectionInput& input, const std::vector<std::string>& formulas)
{
    FillFormulaList(Formula1ComboBox, formulas, input.Formula1);
    FillFormulaList(Formula2ComboBox, formulas, input.Formula2);
    ShowIntervalTexts(input);
    Formula1ComboBox->setFocus();
}

IntersectionInput TIntersectionOptionsForm::Input() const
{
    return {FormulaText(Formula1ComboBox), FormulaText(Formula2ComboBox), EditText(MinXEdit),
            EditText(MaxXEdit),            EditText(StepsNumEdit),        EditText(DigitsNumEdit)};
}

QWidget* TIntersectionOptionsForm::Field(IntersectionField field) const
{
    switch (field) {
    case IntersectionField::Formula1: return Formula1ComboBox;
    case IntersectionField::Formula2: return Formula2ComboBox;
    case IntersectionField::MinX: return MinXEdit;
    case IntersectionField::MaxX: return MaxXEdit;
    case IntersectionField::StepsNum: return StepsNumEdit;
    case IntersectionField::DigitsNum: return DigitsNumEdit;
    }
    return nullptr;
}

void TIntersectionOptionsForm::OKButtonClick()
{
    ScanInterval accepted;
    if (auto refusal = CheckIntersectionInput(Input(), accepted)) {
        ShowRefusal(InputFailureText(*refusal), Field(refusal->FocusField));
        return;
    }
    accepted_ = accepted;
    accept();
}

TIntersectionForm::TIntersectionForm(const std::string& formula1, const std::string& formula2,
                                     const ScanInterval& interval, QWidget* parent)
    : TScanResultsForm(parent), search_(std::make_unique<TIntersections>(formula1, formula2, interval))
{
    setObjectName("IntersectionForm");
    setWindowTitle("Intersections");
    auto* layout = new QVBoxLayout(this);

    IntersectionLabel = NewNamedLabel(this, "IntersectionLabel");
    layout->addWidget(IntersectionLabel);
    IntersectStringGrid = NewResultGrid(this, "IntersectStringGrid", {" X", " Y"});
    layout->addWidget(IntersectStringGrid, 1);
    AddProgressBar(layout);

    auto* parameters = new QGroupBox("Parameters", this);
    parameters->setObjectName("ParametersGroupBox");
    auto* grid = new QGridLayout(parameters);
    MinXLabel = NewNamedLabel(parameters, "MinXLabel");
    MaxXLabel = NewNamedLabel(parameters, "MaxXLabel");
    StepsNumLabel = NewNamedLabel(parameters, "StepsNumLabel");
    DigitsNumLabel = NewNamedLabel(parameters, "DigitsNumLabel");
    Formula1ShowEdit = NewShowEdit(parameters, "Formula1ShowEdit");
    Formula2ShowEdit = NewShowEdit(parameters, "Formula2ShowEdit");
    grid->addWidget(Formula1ShowEdit, 0, 0, 1, 2);
    grid->addWidget(Formula2ShowEdit, 1, 0, 1, 2);
    grid->addWidget(MinXLabel, 2, 0);
    grid->addWidget(MaxXLabel, 2, 1);
    grid->addWidget(StepsNumLabel, 3, 0);
    grid->addWidget(DigitsNumLabel, 3, 1);
    layout->addWidget(parameters);

    AddResultButtons(layout);
    resize(460 * logicalDpiX() / 96, 420 * logicalDpiY() / 96);

    connect(SaveToFileButton, &QPushButton::clicked, this,
            [this] { SaveResultsText(this, "Save Analysis Results", search_->ResultsText(false, kCrLf)); });
    connect(CopyButton, &QPushButton::clicked, this, [this] { CopyResultsText(search_->ResultsText(true, kCrLf)); });
    new TComputeOnFirstShow(this, [this] { Run(); });
    TranslateComponent(this);

    const std::vector<std::string> lines = ScanParameterLines(interval);
    MinXLabel->setText(ToQString(lines[0]));
    MaxXLabel->setText(ToQString(lines[1]));
    DigitsNumLabel->setText(ToQString(lines[2]));
    StepsNumLabel->setText(ToQString(lines[3]));
    Formula1ShowEdit->setText(ToQString("Y1(x)=" + formula1));
    Formula2ShowEdit->setText(ToQString("Y2(x)=" + formula2));
    Formula1ShowEdit->setCursorPosition(0);
    Formula2ShowEdit->setCursorPosition(0);
    ShowResults();
    ShowScanning(true);
    SaveToFileButton->setEnabled(false);
    CopyButton->setEnabled(false);
}

TIntersectionForm::~TIntersectionForm() = default;

void TIntersectionForm::Run()
{
    RunScan([this](ScanProgress& progress) { search_->Run(progress); });
}

void TIntersectionForm::ShowResults()
{
    const TIntersectionResults& results = search_->Results();
    IntersectionLabel->setText(ToQString(IntersectionLabelText(results.Count)));
    for (; pointsShown_ < results.Points().size(); ++pointsShown_) {
        const IntersectionPoint& point = results.Points()[pointsShown_];
        AppendResultRow(IntersectStringGrid, {ToQString(point.XText), ToQString(point.YText)});
    }
}

}  // namespace vg
