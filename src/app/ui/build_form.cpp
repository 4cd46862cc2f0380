#include "app/ui/build_form.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vg {

namespace {

int g_page = 0;  // the page shown when the dialog was last closed

QLineEdit* Edit(QWidget* parent, const char* name)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMinimumWidth(110);
    return edit;
}

QLabel* Label(const char* caption, const char* name, QWidget* buddy)
{
    auto* label = new QLabel(caption, buddy->parentWidget());
    label->setObjectName(name);
    label->setBuddy(buddy);
    return label;
}

void AddRow(QGridLayout* grid, int row, const char* caption, const char* labelName, QWidget* field)
{
    grid->addWidget(Label(caption, labelName, field), row, 0);
    grid->addWidget(field, row, 1);
}

}  // namespace

TBuildForm::TBuildForm(QWidget* parent)
    : TOptionsDialog(parent, "BuildForm", "Plot Options", kHelpContext, g_page)
{
    QWidget* intervals = AddPage("IntervalsSheet", "Intervals");
    auto* intervalGroup = new QGroupBox("Intervals", intervals);
    intervalGroup->setObjectName("IntervalsGroupBox");
    auto* grid = new QGridLayout(intervalGroup);
    MinXEdit = Edit(intervalGroup, "MinXEdit");
    MaxXEdit = Edit(intervalGroup, "MaxXEdit");
    MinYEdit = Edit(intervalGroup, "MinYEdit");
    MaxYEdit = Edit(intervalGroup, "MaxYEdit");
    AddRow(grid, 0, "Minimum of X", "MinXLabel", MinXEdit);
    AddRow(grid, 1, "Maximum of X", "MaxXLabel", MaxXEdit);
    AddRow(grid, 2, "Minimum of Y", "MinYLabel", MinYEdit);
    AddRow(grid, 3, "Maximum of Y", "MaxYLabel", MaxYEdit);
    auto* buildGroup = new QGroupBox("Plot parameters", intervals);
    buildGroup->setObjectName("BuildGroupBox");
    auto* build = new QGridLayout(buildGroup);
    StepsNumEdit = Edit(buildGroup, "StepsNumEdit");
    MaxGapEdit = Edit(buildGroup, "MaxGapEdit");
    AddRow(build, 0, "Number of Steps", "StepsNumLabel", StepsNumEdit);
    AddRow(build, 1, "Maximum Gap", "MaxGapLabel", MaxGapEdit);
    PointsAlignCheckBox = new QCheckBox("Point Align", buildGroup);
    PointsAlignCheckBox->setObjectName("PointsAlignCheckBox");
    build->addWidget(PointsAlignCheckBox, 2, 0, 1, 2);
    auto* intervalsLayout = new QVBoxLayout(intervals);
    intervalsLayout->addWidget(intervalGroup);
    intervalsLayout->addWidget(buildGroup);
    intervalsLayout->addStretch(1);

    QWidget* coefficients = AddPage("CoefficientsSheet", "Coefficients");
    auto* coeffGroup = new QGroupBox("Coefficients", coefficients);
    coeffGroup->setObjectName("CoefficientsGroupBox");
    auto* coeff = new QGridLayout(coeffGroup);
    CoeffXEdit = Edit(coeffGroup, "CoeffXEdit");
    CoeffYEdit = Edit(coeffGroup, "CoeffYEdit");
    AddRow(coeff, 0, "Coefficient on X-Axis", "CoeffXLabel", CoeffXEdit);
    AddRow(coeff, 1, "Coefficient on Y-Axis", "CoeffYLabel", CoeffYEdit);
    auto* logGroup = new QGroupBox("Logarithmic scale", coefficients);
    logGroup->setObjectName("LogGroupBox");
    auto* log = new QGridLayout(logGroup);
    LogXCheckBox = new QCheckBox("X-Axis", logGroup);
    LogXCheckBox->setObjectName("LogXCheckBox");
    LogYCheckBox = new QCheckBox("Y-Axis", logGroup);
    LogYCheckBox->setObjectName("LogYCheckBox");
    LogXEdit = Edit(logGroup, "LogXEdit");
    LogYEdit = Edit(logGroup, "LogYEdit");
    log->addWidget(LogXCheckBox, 0, 0);
    log->addWidget(Label("Base", "LogXLabel", LogXEdit), 0, 1);
    log->addWidget(LogXEdit, 0, 2);
    log->addWidget(LogYCheckBox, 1, 0);
    log->addWidget(Label("Base", "LogYLabel", LogYEdit), 1, 1);
    log->addWidget(LogYEdit, 1, 2);
    auto* coefficientsLayout = new QVBoxLayout(coefficients);
    coefficientsLayout->addWidget(coeffGroup);
    coefficientsLayout->addWidget(logGroup);
    coefficientsLayout->addStretch(1);

    Finish();
}

void TBuildForm::SetOptions(const DocumentOptions& document, bool changeSteps)
{
    record_ = document;
    changeSteps_ = changeSteps;
    const PlotOptionsValues v = PlotOptionsFromRecord(document);
    MinXEdit->setText(FieldText(v.MinX));
    MaxXEdit->setText(FieldText(v.MaxX));
    MinYEdit->setText(FieldText(v.MinY));
    MaxYEdit->setText(FieldText(v.MaxY));
    StepsNumEdit->setText(FieldText(v.Steps));
    MaxGapEdit->setText(FieldText(v.MaxGap));
    PointsAlignCheckBox->setChecked(v.PointsAlign);
    CoeffXEdit->setText(FieldText(v.CoeffX));
    CoeffYEdit->setText(FieldText(v.CoeffY));
    LogXCheckBox->setChecked(v.LogX);
    LogXEdit->setText(FieldText(v.LogBaseX));
    LogYCheckBox->setChecked(v.LogY);
    LogYEdit->setText(FieldText(v.LogBaseY));
}

PlotOptionsValues TBuildForm::ReadValues() const
{
    PlotOptionsValues v;
    v.MinX = FieldString(MinXEdit->text());
    v.MaxX = FieldString(MaxXEdit->text());
    v.MinY = FieldString(MinYEdit->text());
    v.MaxY = FieldString(MaxYEdit->text());
    v.Steps = FieldString(StepsNumEdit->text());
    v.MaxGap = FieldString(MaxGapEdit->text());
    v.PointsAlign = PointsAlignCheckBox->isChecked();
    v.CoeffX = FieldString(CoeffXEdit->text());
    v.CoeffY = FieldString(CoeffYEdit->text());
    v.LogX = LogXCheckBox->isChecked();
    v.LogBaseX = FieldString(LogXEdit->text());
    v.LogY = LogYCheckBox->isChecked();
    v.LogBaseY = FieldString(LogYEdit->text());
    return v;
}

bool TBuildForm::Accept()
{
    DocumentOptions edited = record_;
    if (std::optional<OptionsFailure> failure = AcceptPlotOptions(ReadValues(), changeSteps_, edited)) {
        ShowFailure(*failure);
        return false;
    }
    record_ = edited;
    return true;
}

}  // namespace vg
