#include "tools/ui/research_forms.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/ui/translate_component.h"
#include "tools/ui/tool_window_support.h"

namespace vg {

namespace {

// The width of the "min"/"max" column at 96 pixels per inch.
constexpr int kKindColumnWidth = 40;

}  // namespace

TResearchOptionsForm::TResearchOptionsForm(QWidget* parent) : TScanOptionsForm(parent)
{
    setObjectName("ResearchOptionsForm");
    setWindowTitle("Analyze Function");
    auto* layout = new QVBoxLayout(this);

    auto* formulaRow = new QHBoxLayout;
    formulaRow->addWidget(NewNotationLabel(this, "Y(x)="));
    FormulaComboBox = NewFormulaComboBox(this, "FormulaComboBox");
    formulaRow->addWidget(FormulaComboBox, 1);
    layout->addLayout(formulaRow);

    AddIntervalGroup(layout);

    auto* calculations = new QGroupBox("Calculations", this);
    calculations->setObjectName("CalculationsGroupBox");
    auto* boxes = new QVBoxLayout(calculations);
    NullsCheckBox = new QCheckBox("Zeroes of Function", calculations);
    NullsCheckBox->setObjectName("NullsCheckBox");
    ExtremumsCheckBox = new QCheckBox("Extrema", calculations);
    ExtremumsCheckBox->setObjectName("ExtremumsCheckBox");
    UseDerivativeCheckBox = new QCheckBox("Extrema through the Derivative", calculations);
    UseDerivativeCheckBox->setObjectName("UseDerivativeCheckBox");
    boxes->addWidget(NullsCheckBox);
    boxes->addWidget(ExtremumsCheckBox);
    boxes->addWidget(UseDerivativeCheckBox);
    layout->addWidget(calculations);

    AddButtons(layout, HelpContext);
    TranslateComponent(this);
}

void TResearchOptionsForm::SetInput(const AnalysisInput& input, const std::vector<std::string>& formulas)
{
    FillFormulaList(FormulaComboBox, formulas, input.Formula);
    ShowIntervalTexts(input);
    NullsCheckBox->setChecked(input.FindZeroes);
    ExtremumsCheckBox->setChecked(input.FindExtremums);
    UseDerivativeCheckBox->setChecked(input.UseDerivative);
    FormulaComboBox->setFocus();
}

AnalysisInput TResearchOptionsForm::Input() const
{
    return {FormulaText(FormulaComboBox), EditText(MinXEdit),          EditText(MaxXEdit),
            EditText(StepsNumEdit),       EditText(DigitsNumEdit),     NullsCheckBox->isChecked(),
            ExtremumsCheckBox->isChecked(), UseDerivativeCheckBox->isChecked()};
}

QWidget* TResearchOptionsForm::Field(AnalysisField field) const
{
    switch (field) {
    case AnalysisField::Formula: return FormulaComboBox;
    case AnalysisField::MinX: return MinXEdit;
    case AnalysisField::MaxX: return MaxXEdit;
    case AnalysisField::StepsNum: return StepsNumEdit;
    case AnalysisField::DigitsNum: return DigitsNumEdit;
    case AnalysisField::Nulls: return NullsCheckBox;
    case AnalysisField::UseDerivative: return UseDerivativeCheckBox;
    }
    return nullptr;
}

void TResearchOptionsForm::OKButtonClick()
{
    AnalysisSettings accepted;
    if (auto refusal = CheckAnalysisInput(Input(), accepted)) {
        ShowRefusal(InputFailureText(*refusal), Field(refusal->FocusField));
        return;
    }
    accepted_ = accepted;
    accept();
}

TResearchForm::TResearchForm(QWidget* parent) : TScanResultsForm(parent)
{
    setObjectName("ResearchForm");
    setWindowTitle("Analysis Results");
    auto* layout = new QVBoxLayout(this);

    auto* parameters = new QGroupBox("Parameters", this);
    parameters->setObjectName("ParametersGroupBox");
    auto* grid = new QGridLayout(parameters);
    MinXLabel = NewNamedLabel(parameters, "MinXLabel");
    MaxXLabel = NewNamedLabel(parameters, "MaxXLabel");
    DigitsNumLabel = NewNamedLabel(parameters, "DigitsNumLabel");
    StepsNumLabel = NewNamedLabel(parameters, "StepsNumLabel");
    FormulaShowEdit = NewShowEdit(parameters, "FormulaShowEdit");
    DerivativeEdit = NewShowEdit(parameters, "DerivativeEdit");
    grid->addWidget(MinXLabel, 0, 0);
    grid->addWidget(MaxXLabel, 0, 1);
    grid->addWidget(StepsNumLabel, 1, 0);
    grid->addWidget(DigitsNumLabel, 1, 1);
    grid->addWidget(FormulaShowEdit, 2, 0, 1, 2);
    grid->addWidget(DerivativeEdit, 3, 0, 1, 2);
    layout->addWidget(parameters);

    auto* results = new QHBoxLayout;
    auto* zeros = new QVBoxLayout;
    NullsLabel = NewNamedLabel(this, "NullsLabel");
    NullsStringGrid = NewResultGrid(this, "NullsStringGrid", {" X"});
    zeros->addWidget(NullsLabel);
    zeros->addWidget(NullsStringGrid, 1);
    auto* extrema = new QVBoxLayout;
    ExtremumsLabel = NewNamedLabel(this, "ExtremumsLabel");
    ExtremumsStringGrid = NewResultGrid(this, "ExtremumsStringGrid", {"", " X", " Y"});
    ExtremumsStringGrid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
    ExtremumsStringGrid->setColumnWidth(0, kKindColumnWidth * logicalDpiX() / 96);
    extrema->addWidget(ExtremumsLabel);
    extrema->addWidget(ExtremumsStringGrid, 1);
    results->addLayout(zeros, 1);
    results->addLayout(extrema, 2);
    layout->addLayout(results, 1);

    AddProgressBar(layout);
    AddResultButtons(layout);
    resize(560 * logicalDpiX() / 96, 440 * logicalDpiY() / 96);

    connect(SaveToFileButton, &QPushButton::clicked, this, &TResearchForm::SaveToFileButtonClick);
    connect(CopyButton, &QPushButton::clicked, this, &TResearchForm::CopyButtonClick);
    firstShow_ = new TComputeOnFirstShow(this, [this] { Run(); });
    TranslateComponent(this);
    ShowScanning(false);
    SaveToFileButton->setEnabled(false);
    CopyButton->setEnabled(false);
}

TResearchForm::~TResearchForm() = default;

int TResearchForm::Execute(const std::string& formula, const AnalysisSettings& settings)
{
    analysis_ = std::make_unique<TFunctionAnalysis>(formula, settings);
    const std::vector<std::string> lines = ScanParameterLines(settings.Interval());
    MinXLabel->setText(ToQString(lines[0]));
    MaxXLabel->setText(ToQString(lines[1]));
    DigitsNumLabel->setText(ToQString(lines[2]));
    StepsNumLabel->setText(ToQString(lines[3]));
    FormulaShowEdit->setText(ToQString(analysis_->FormulaLine()));
    FormulaShowEdit->setCursorPosition(0);
    DerivativeEdit->clear();
    NullsStringGrid->setEnabled(settings.FindZeroes);
    ExtremumsStringGrid->setEnabled(settings.FindExtremums);
    ResetResultGrid(NullsStringGrid);
    ResetResultGrid(ExtremumsStringGrid);
    zerosShown_ = extremaShown_ = 0;
    ShowResults();
    ShowScanning(true);
    ProgressBar->setValue(0);
    firstShow_->Rearm();
    return exec();
}

void TResearchForm::Run()
{
    RunScan([this](ScanProgress& progress) { analysis_->Run(progress); });
}

void TResearchForm::ShowResults()
{
    if (!analysis_) return;
    DerivativeEdit->setText(ToQString(analysis_->DerivativeLine()));
    DerivativeEdit->setCursorPosition(0);
    const TAnalysisResults& results = analysis_->Results();
    NullsLabel->setText(ToQString(ZerosLabelText(results.ZerosCount)));
    ExtremumsLabel->setText(ToQString(ExtremaLabelText(results.ExtremaCount)));
    for (; zerosShown_ < results.Zeros().size(); ++zerosShown_)
        AppendResultRow(NullsStringGrid, {ToQString(results.Zeros()[zerosShown_])});
    for (; extremaShown_ < results.Extrema().size(); ++extremaShown_) {
        const ExtremumRow& row = results.Extrema()[extremaShown_];
        AppendResultRow(ExtremumsStringGrid,
                        {row.IsMaximum ? "max" : "min", ToQString(row.XText), ToQString(row.YText)});
    }
}

void TResearchForm::SaveToFileButtonClick()
{
    if (analysis_) SaveResultsText(this, "Save Analysis Results", analysis_->ResultsText(kCrLf));
}

void TResearchForm::CopyButtonClick()
{
    if (analysis_) CopyResultsText(analysis_->ResultsText(kCrLf));
}

}  // namespace vg
