#include "tools/ui/regression_form.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <charconv>
#include <string>

#include "app/app_globals.h"
#include "app/message_dialog_model.h"
#include "app/translator.h"
#include "app/ui/shell_dialogs.h"
#include "app/ui/translate_component.h"
#include "document/document_options.h"
#include "document/graph_model.h"
#include "tools/regression_texts.h"

namespace vg {

namespace {

struct KindControl {
    RegressionKind kind;
    const char* name;
    const char* caption;
};
constexpr KindControl kKindControls[] = {
    {RegressionKind::Linear, "LineRadioButton", "Linear: y=a*x+b"},
    {RegressionKind::Hyperbolic, "HiperbRadioButton", "Hyperbolic: y=a/x+b"},
    {RegressionKind::Logarithmic, "LogRadioButton", "Logarithmic: y=a*ln(x)+b"},
    {RegressionKind::Power, "PowerRadioButton", "Power: y=a*x^b"},
    {RegressionKind::Exponential, "ExpRadioButton", "Exponential: y=a*exp(b*x)"},
    {RegressionKind::Exponential2, "ShowPowerRadioButton", "Exponential II: y=a*b^x"},
    {RegressionKind::Polynomial, "PolynomRadioButton", "Polynomial: y=b+a1*x+a2*x^2+...+an*x^n"},
    {RegressionKind::Best, "BestRadioButton", "Best Fit Curve"},
};

enum CompareColumn { ModelColumn, DegreeColumn, DeviationColumn, RSquaredColumn, AdjustedColumn, FormulaColumn };
constexpr const char* kCompareHeaders[] = {"Model", "n", "Root-mean-square deviation", "R^2", "Adjusted R^2",
                                           "Formula"};

QString Q(const std::string& text) { return QString::fromStdString(text); }

std::string TranslateText8(const std::string& text) { return Translate(text); }

RegressionKind StoredKind()
{
    const int32_t stored = ProgramOptions().RegressionType;
    return stored >= 1 && stored <= 8 ? static_cast<RegressionKind>(stored) : RegressionKind::Linear;
}

int StoredDegree()
{
    return std::clamp(static_cast<int>(ProgramOptions().PolynomPower), kMinPolynomDegree, kMaxPolynomDegree);
}

bool ReadDegree(const QString& text, int& degree)
{
    const std::string s = text.trimmed().toStdString();
    const char* begin = s.data() + (!s.empty() && s.front() == '+' ? 1 : 0);
    const auto r = std::from_chars(begin, s.data() + s.size(), degree);
    return !s.empty() && r.ec == std::errc() && r.ptr == s.data() + s.size() && degree >= kMinPolynomDegree &&
           degree <= kMaxPolynomDegree;
}

QTableWidgetItem* ReadOnlyItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

}  // namespace

TRegressForm::TRegressForm(const TGraphicsManager& document, int selectedGraph, QWidget* parent)
    : TAddGraphDialog(parent), document_(document)
{
    setObjectName("RegressForm");
    setWindowTitle("Regression");
    BuildControls();
    TranslateComponent(this);
    FillTableList(selectedGraph);
    if (QAbstractButton* stored = kindGroup_->button(static_cast<int>(StoredKind()))) stored->setChecked(true);
    polynomPowerEdit_->setText(QString::number(StoredDegree()));
    ShowFit();
    ShowComparison();
}

QRadioButton* TRegressForm::KindRadioButton(RegressionKind kind) const
{
    return qobject_cast<QRadioButton*>(kindGroup_->button(static_cast<int>(kind)));
}

void TRegressForm::BuildControls()
{
    pages_ = new QTabWidget(this);
    pages_->setObjectName("PageControl");
    pages_->addTab(BuildFitPage(), "Fit");
    pages_->addTab(BuildComparePage(), "Compare");

    const AddGraphButtons buttons = NewAddGraphButtons("Add Graph", HelpContext);
    addFunctionButton_ = buttons.Add;
    addFunctionButton_->setAutoDefault(false);
    cancelButton_ = buttons.Cancel;
    connect(addFunctionButton_, &QPushButton::clicked, this, &TRegressForm::AddFunctionButtonClick);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addLayout(buttons.Row);
    resize(720, 460);
}

QWidget* TRegressForm::BuildFitPage()
{
    auto* page = new QWidget;
    page->setObjectName("FitPage");
    tableComboBox_ = new QComboBox(page);
    tableComboBox_->setObjectName("TableComboBox");
    connect(tableComboBox_, &QComboBox::currentIndexChanged, this, &TRegressForm::TableComboBoxChange);

    kindGroup_ = new QButtonGroup(this);
    auto* kinds = new QGridLayout;
    int row = 0;
    for (const KindControl& k : kKindControls) {
        auto* radio = new QRadioButton(k.caption, page);
        radio->setObjectName(k.name);
        kindGroup_->addButton(radio, static_cast<int>(k.kind));
        kinds->addWidget(radio, row++, 0);
    }
    connect(kindGroup_, &QButtonGroup::idClicked, this, &TRegressForm::KindRadioButtonClick);

    auto* degreeLabel = new QLabel("n=", page);
    degreeLabel->setObjectName("PolynomPowerLabel");
    polynomPowerEdit_ = new QLineEdit(page);
    polynomPowerEdit_->setObjectName("PolynomPowerEdit");
    polynomPowerEdit_->setMaximumWidth(48);
    polynomPowerEdit_->installEventFilter(this);
    degreeLabel->setBuddy(polynomPowerEdit_);
    auto* degree = new QHBoxLayout;
    degree->addWidget(degreeLabel);
    degree->addWidget(polynomPowerEdit_);
    degree->addStretch();
    kinds->addLayout(degree, static_cast<int>(RegressionKind::Polynomial) - 1, 1);
    kinds->setColumnStretch(1, 1);

    auto* formulaLabel = new QLabel("Y(x)=", page);
    formulaLabel->setObjectName("FormulaLabel");
    formulaEdit_ = new QLineEdit(page);
    formulaEdit_->setObjectName("FormulaEdit");
    formulaEdit_->setReadOnly(true);
    auto* formula = new QHBoxLayout;
    formula->addWidget(formulaLabel);
    formula->addWidget(formulaEdit_);

    auto* goodness = new QGroupBox("Goodness of Fit", page);
    goodness->setObjectName("GoodnessGroupBox");
    squareLabel_ = new QLabel(goodness);
    squareLabel_->setObjectName("SquareLabel");
    rSquaredLabel_ = new QLabel(goodness);
    rSquaredLabel_->setObjectName("RSquaredLabel");
    for (QLabel* label : {squareLabel_, rSquaredLabel_}) label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* goodnessLayout = new QVBoxLayout(goodness);
    goodnessLayout->addWidget(squareLabel_);
    goodnessLayout->addWidget(rSquaredLabel_);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(tableComboBox_);
    layout->addLayout(kinds);
    layout->addLayout(formula);
    layout->addWidget(goodness);
    layout->addStretch();
    return page;
}

QWidget* TRegressForm::BuildComparePage()
{
    auto* page = new QWidget;
    page->setObjectName("ComparePage");
    compareGrid_ = new QTableWidget(0, static_cast<int>(std::size(kCompareHeaders)), page);
    compareGrid_->setObjectName("CompareGrid");
    QStringList headers;
    for (const char* header : kCompareHeaders) headers << TranslateText(std::string_view(header));
    compareGrid_->setHorizontalHeaderLabels(headers);
    compareGrid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    compareGrid_->setSelectionMode(QAbstractItemView::SingleSelection);
    compareGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    compareGrid_->verticalHeader()->hide();
    compareGrid_->verticalHeader()->setDefaultSectionSize(compareGrid_->fontMetrics().height() + 6);
    compareGrid_->setWordWrap(false);
    connect(compareGrid_, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { CompareGridDoubleClick(row); });
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(compareGrid_);
    return page;
}

void TRegressForm::FillTableList(int selectedGraph)
{
    const QSignalBlocker block(tableComboBox_);
    int chosen = 0;
    for (int i = 0; i < document_.GraphCount(); ++i) {
        const GraphRecord& record = document_.Graph(i).Record;
        if (record.Kind != GraphKind::Table) continue;
        if (i == selectedGraph) chosen = static_cast<int>(tableGraphs_.size());
        tableGraphs_.push_back(i);
        tableComboBox_->addItem(Q(GraphDescription(record, TranslateText8)));
    }
    tableComboBox_->setCurrentIndex(tableGraphs_.empty() ? -1 : chosen);
}

RegressionPoints TRegressForm::ChosenPoints() const
{
    const int entry = tableComboBox_->currentIndex();
    if (entry < 0 || entry >= static_cast<int>(tableGraphs_.size())) {
        RegressionPoints none;
        none.fill({kUndefined, kUndefined});
        return none;
    }
    return SortedWorkingCopy(document_.Graph(tableGraphs_[static_cast<std::size_t>(entry)]).Record);
}

void TRegressForm::ShowFit()
{
    const RegressionKind kind = static_cast<RegressionKind>(std::max(kindGroup_->checkedId(), 1));
    const RegressionResult result = ComputeRegression(ChosenPoints(), kind, StoredDegree());
    const RegressionDisplay shown = MakeRegressionDisplay(result, TranslateText8);
    formulaEdit_->setText(Q(shown.Formula));
    formulaEdit_->setCursorPosition(0);
    squareLabel_->setText(Q(shown.DeviationLabel));
    rSquaredLabel_->setText(Q(shown.RSquaredLabel));
    addFunctionButton_->setEnabled(shown.CanAddGraph);
}

void TRegressForm::ShowComparison()
{
    comparison_ = CompareRegressionModels(ChosenPoints());
    compareGrid_->setRowCount(static_cast<int>(comparison_.size()));
    for (int row = 0; row < static_cast<int>(comparison_.size()); ++row) {
        const RegressionComparisonRow& r = comparison_[static_cast<std::size_t>(row)];
        const bool polynomial = r.Fit.Kind == RegressionKind::Polynomial;
        compareGrid_->setItem(row, ModelColumn, ReadOnlyItem(TranslateText(std::string_view(RegressionKindCaption(r.Fit.Kind)))));
        compareGrid_->setItem(row, DegreeColumn, ReadOnlyItem(polynomial ? QString::number(r.Fit.Degree) : "-"));
        compareGrid_->setItem(row, DeviationColumn, ReadOnlyItem(Q(RegressionFigureText(r.Goodness.Deviation))));
        compareGrid_->setItem(row, RSquaredColumn, ReadOnlyItem(Q(RSquaredFigureText(r.Goodness.RSquared))));
        compareGrid_->setItem(row, AdjustedColumn, ReadOnlyItem(Q(AdjustedRSquaredText(r))));
        QTableWidgetItem* formula = ReadOnlyItem(Q(RegressionFormulaText(r.Fit)));
        formula->setToolTip(formula->text());
        compareGrid_->setItem(row, FormulaColumn, formula);
    }
    compareGrid_->resizeColumnsToContents();
}

void TRegressForm::TableComboBoxChange()
{
    ShowFit();
    ShowComparison();
}

void TRegressForm::KindRadioButtonClick(int kind)
{
    ProgramOptions().RegressionType = kind;
    ShowFit();
}

bool TRegressForm::CheckDegree(int& degree)
{
    if (ReadDegree(polynomPowerEdit_->text(), degree)) return true;
    const std::string message =
        Translate("This value must be an integer") + "\r" + TranslateFormat("from %s up to %s", {"2", "9"});
    ShowMessageDialog(message, mtError, mbOK, 0);
    polynomPowerEdit_->setFocus();
    polynomPowerEdit_->selectAll();
    return false;
}

void TRegressForm::PolynomPowerEditEnter()
{
    int degree = 0;
    if (!CheckDegree(degree)) return;
    ProgramOptions().PolynomPower = degree;
    QRadioButton* polynomial = KindRadioButton(RegressionKind::Polynomial);
    if (!polynomial->isChecked()) polynomial->click();  // stores the kind and shows the fit
    else ShowFit();
}

// Runs once the focus has settled elsewhere: a message box opened inside the
// focus change itself would start it over. Leaving for Cancel, or with the
// window closing, checks nothing.
void TRegressForm::PolynomPowerEditLeft()
{
    if (!isVisible() || polynomPowerEdit_->hasFocus() || focusWidget() == cancelButton_) return;
    int degree = 0;
    if (!CheckDegree(degree)) return;
    ProgramOptions().PolynomPower = degree;
    ShowFit();
}

bool TRegressForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == polynomPowerEdit_) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                PolynomPowerEditEnter();
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            // Only a move inside the window is leaving the edit.
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                QTimer::singleShot(0, this, &TRegressForm::PolynomPowerEditLeft);
        }
    }
    return QDialog::eventFilter(watched, event);
}

GraphRecord TRegressForm::GraphToAdd() const
{
    const DocumentOptions& options = GlobalDocumentOptions();
    GraphRecord record = NewGraphRecord(options);
    ApplyKindDefaults(record, GraphKind::YFromX, options);
    record.SetStyle(options.DefaultStyle);
    record.Formula.Assign(formulaEdit_->text().toStdString());
    return record;
}

void TRegressForm::AddFunctionButtonClick() { FinishAdding(document_.GraphCount()); }

void TRegressForm::CompareGridDoubleClick(int row)
{
    if (row < 0 || row >= static_cast<int>(comparison_.size())) return;
    const RegressionFit& fit = comparison_[static_cast<std::size_t>(row)].Fit;
    if (fit.Kind == RegressionKind::Polynomial) {
        ProgramOptions().PolynomPower = fit.Degree;
        polynomPowerEdit_->setText(QString::number(fit.Degree));
    }
    KindRadioButton(fit.Kind)->setChecked(true);
    ProgramOptions().RegressionType = static_cast<int32_t>(fit.Kind);
    pages_->setCurrentIndex(0);
    ShowFit();
}

}  // namespace vg
