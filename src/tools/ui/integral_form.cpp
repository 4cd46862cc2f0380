#include "tools/ui/integral_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/app_globals.h"
#include "app/ui/help_form.h"
#include "app/ui/translate_component.h"
#include "document/graph_model.h"
#include "engine/check_formula.h"
#include "engine/number_text.h"
#include "tools/ui/tool_window_support.h"

namespace vg {

namespace {

// The hourglass while the sum runs; the input guard holds back the user's
// input and remembers Esc.
class TBusyCursor {
public:
    TBusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TBusyCursor() { QApplication::restoreOverrideCursor(); }
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;
};

QLineEdit* LineEdit(const char* name, QWidget* parent, bool readOnly = false)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setReadOnly(readOnly);
    return edit;
}

QLabel* BuddyLabel(const char* text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(buddy->objectName().replace("ComboBox", "Label").replace("Edit", "Label"));
    label->setBuddy(buddy);
    return label;
}

}  // namespace

TIntegralForm::TIntegralForm(const TGraphicsManager* document, QWidget* parent)
    : TAddGraphDialog(parent), document_(document)
{
    setObjectName("IntegralForm");
    setWindowTitle("Definite Integral");
    BuildControls();
    TranslateComponent(this);
    FillFormulaLists();
    ShowStoredOptions();
    addFunctionButton_->setEnabled(document_ != nullptr);
}

void TIntegralForm::BuildControls()
{
    auto* parameters = new QGroupBox("Parameters", this);
    parameters->setObjectName("ParametersGroupBox");
    formula1ComboBox_ = NewFormulaComboBox(parameters, "Formula1ComboBox");
    formula2ComboBox_ = NewFormulaComboBox(parameters, "Formula2ComboBox");
    minXEdit_ = LineEdit("MinXEdit", parameters);
    maxXEdit_ = LineEdit("MaxXEdit", parameters);
    stepsNumEdit_ = LineEdit("StepsNumEdit", parameters);
    absIntegrateCheckBox_ = new QCheckBox("Integration of Absolute Value (Square)", parameters);
    absIntegrateCheckBox_->setObjectName("AbsIntegrateCheckBox");
    auto* grid = new QGridLayout(parameters);
    grid->addWidget(BuddyLabel("Between: Y(x)=", formula1ComboBox_, parameters), 0, 0);
    grid->addWidget(formula1ComboBox_, 0, 1);
    grid->addWidget(BuddyLabel("and Y(x)=", formula2ComboBox_, parameters), 1, 0);
    grid->addWidget(formula2ComboBox_, 1, 1);
    grid->addWidget(BuddyLabel("Minimum of X", minXEdit_, parameters), 2, 0);
    grid->addWidget(minXEdit_, 2, 1);
    grid->addWidget(BuddyLabel("Maximum of X", maxXEdit_, parameters), 3, 0);
    grid->addWidget(maxXEdit_, 3, 1);
    grid->addWidget(BuddyLabel("Number of Integration Steps", stepsNumEdit_, parameters), 4, 0);
    grid->addWidget(stepsNumEdit_, 4, 1);
    grid->addWidget(absIntegrateCheckBox_, 5, 0, 1, 2);
    grid->setColumnStretch(1, 1);

    resultEdit_ = LineEdit("ResultEdit", this, true);
    aboveEdit_ = LineEdit("AboveEdit", this, true);
    belowEdit_ = LineEdit("BelowEdit", this, true);
    for (QLineEdit* part : {aboveEdit_, belowEdit_}) {
        part->setFrame(false);
        part->setFocusPolicy(Qt::NoFocus);
        QPalette plain = part->palette();
        plain.setColor(QPalette::Base, plain.color(QPalette::Window));
        part->setPalette(plain);
    }
    auto* result = new QGridLayout;
    result->addWidget(BuddyLabel("Result", resultEdit_, this), 0, 0);
    result->addWidget(resultEdit_, 0, 1);
    result->addWidget(aboveEdit_, 1, 1);
    result->addWidget(belowEdit_, 2, 1);
    result->setColumnStretch(1, 1);

    auto* okButton = new QPushButton("Calculate", this);
    okButton->setObjectName("OKButton");
    okButton->setDefault(true);
    auto* cancelButton = new QPushButton("Cancel", this);
    cancelButton->setObjectName("CancelButton");
    auto* helpButton = new QPushButton("Help", this);
    helpButton->setObjectName("HelpButton");
    addFunctionButton_ = new QPushButton("Add Graph", this);
    addFunctionButton_->setObjectName("AddFunctionButton");
    for (QPushButton* b : {cancelButton, helpButton, addFunctionButton_}) b->setAutoDefault(false);
    connect(okButton, &QPushButton::clicked, this, &TIntegralForm::OKButtonClick);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton, &QPushButton::clicked, this, [this] { THelpForm::ShowContext(this, HelpContext); });
    connect(addFunctionButton_, &QPushButton::clicked, this, &TIntegralForm::AddFunctionButtonClick);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    buttons->addWidget(helpButton);
    buttons->addSpacing(12);
    buttons->addWidget(addFunctionButton_);
    buttons->addStretch();
    auto* left = new QVBoxLayout;
    left->addWidget(parameters);
    left->addLayout(result);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);
}

void TIntegralForm::FillFormulaLists()
{
    std::vector<std::string> formulas = {"0"};
    if (document_) {
        for (int i = 0; i < document_->GraphCount(); ++i) {
            const GraphRecord& record = document_->Graph(i).Record;
            if (record.Kind == GraphKind::YFromX && !IsBlankFormula(record.Formula.View()))
                formulas.push_back(record.Formula.Str());
        }
    }
    FillFormulaList(formula1ComboBox_, formulas, "0");
    FillFormulaList(formula2ComboBox_, formulas, "0");
}

void TIntegralForm::ShowStoredOptions()
{
    const TProgramOptions& options = ProgramOptions();
    minXEdit_->setText(QString::fromStdString(FormatNumber(options.IntegrateMinX)));
    maxXEdit_->setText(QString::fromStdString(FormatNumber(options.IntegrateMaxX)));
    stepsNumEdit_->setText(QString::number(options.IntegrateStepsNum));
    absIntegrateCheckBox_->setChecked(options.AbsIntegrate);
    resultEdit_->clear();
    aboveEdit_->clear();
    belowEdit_->clear();
}

IntegralInput TIntegralForm::TypedInput() const
{
    IntegralInput input;
    input.Formula1 = formula1ComboBox_->currentText().toStdString();
    input.Formula2 = formula2ComboBox_->currentText().toStdString();
    input.MinX = minXEdit_->text().toStdString();
    input.MaxX = maxXEdit_->text().toStdString();
    input.StepsNum = stepsNumEdit_->text().toStdString();
    input.AbsIntegrate = absIntegrateCheckBox_->isChecked();
    return input;
}

void TIntegralForm::Refuse(const IntegralFailure& failure)
{
    QWidget* field = nullptr;
    switch (failure.FocusField) {
    case IntegralField::Formula1: field = formula1ComboBox_; break;
    case IntegralField::Formula2: field = formula2ComboBox_; break;
    case IntegralField::MinX: field = minXEdit_; break;
    case IntegralField::MaxX: field = maxXEdit_; break;
    case IntegralField::StepsNum: field = stepsNumEdit_; break;
    case IntegralField::None: break;
    }
    ShowRefusal(InputFailureText(failure), field);
}

bool TIntegralForm::CheckInput(IntegralTask& task)
{
    if (const auto failure = CheckIntegralInput(TypedInput(), task)) {
        Refuse(*failure);
        return false;
    }
    return true;
}

void TIntegralForm::StoreOptions(const IntegralTask& task)
{
    TProgramOptions& options = ProgramOptions();
    options.IntegrateMinX = task.MinX;
    options.IntegrateMaxX = task.MaxX;
    options.IntegrateStepsNum = task.StepsNum;
    options.AbsIntegrate = task.AbsIntegrate;
}

void TIntegralForm::OKButtonClick()
{
    IntegralTask task;
    if (!CheckInput(task)) return;
    IntegralResult result;
    {
        TBusyCursor busy;
        TScanInputGuard input;
        result = ComputeIntegral(task, [&input] { return input.EscapePressed(); });
    }
    resultEdit_->setText(ToDisplayText(IntegralResultText(result)));
    aboveEdit_->setText(ToDisplayText(IntegralAboveText(result)));
    belowEdit_->setText(ToDisplayText(IntegralBelowText(result)));
    StoreOptions(task);
}

void TIntegralForm::AddFunctionButtonClick()
{
    IntegralTask task;
    if (!document_ || !CheckInput(task)) return;
    std::string formula;
    if (const auto failure = IntegralRegionFormula(task, formula)) {
        Refuse(*failure);
        return;
    }
    region_ = IntegralRegionRecord(formula, task, GlobalDocumentOptions());
    FinishAdding(document_->GraphCount());
}

}  // namespace vg
