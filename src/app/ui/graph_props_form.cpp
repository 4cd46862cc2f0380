#include "app/ui/graph_props_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QGuiApplication>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

#include "app/app_globals.h"
#include "app/message_dialog_model.h"
#include "app/ui/graph_style_group.h"
#include "app/ui/help_form.h"
#include "app/ui/named_widget.h"
#include "app/ui/table_points_grid.h"
#include "app/ui/translate_component.h"
#include "app/ui/typed_spin_box.h"

namespace vg {

namespace {

constexpr int kFormulaEditLength = 250;
// Rows of the table grid at its normal size.
constexpr int kNormalTableRows = 7;

// Pages of the two stacks.
enum FormulaPage { kFormulaYFromX, kFormulaXFromY, kFormulaPolar, kFormulaParam, kFormulaEquation,
                   kFormulaDifField, kFormulaIntegral, kFormulaPageCount };
enum OtherPage { kOtherXY, kOtherAT, kOtherEq, kOtherDF, kOtherInt, kOtherTable };

int FormulaPageOf(GraphKind kind)
{
    switch (kind) {
    case GraphKind::YFromX: return kFormulaYFromX;
    case GraphKind::XFromY: return kFormulaXFromY;
    case GraphKind::Polar: return kFormulaPolar;
    case GraphKind::Param: return kFormulaParam;
    case GraphKind::Equation: return kFormulaEquation;
    case GraphKind::DifField: return kFormulaDifField;
    case GraphKind::Integral: return kFormulaIntegral;
    case GraphKind::Table: return -1;
    }
    return -1;
}

int OtherPageOf(GraphKind kind)
{
    switch (kind) {
    case GraphKind::YFromX:
    case GraphKind::XFromY: return kOtherXY;
    case GraphKind::Polar:
    case GraphKind::Param: return kOtherAT;
    case GraphKind::Equation: return kOtherEq;
    case GraphKind::DifField: return kOtherDF;
    case GraphKind::Integral: return kOtherInt;
    case GraphKind::Table: return kOtherTable;
    }
    return kOtherXY;
}

QString Tx(std::string_view english) { return TranslateText(english); }
QString En(const char* text) { return QString::fromUtf8(text); }
QString Q(const std::string& text) { return QString::fromStdString(text); }
std::string S(const QString& text) { return text.toStdString(); }

QLineEdit* NumberEdit(QWidget* parent, const char* name)
{
    auto* edit = Named(new QLineEdit(parent), name);
    edit->setMinimumWidth(90);
    return edit;
}

}  // namespace

// Every control of the dialog, by its name.
struct TGraphPropsForm::Controls {
    // Properties page
    QGroupBox* FormulaGroupBox = nullptr;
    QStackedWidget* FormulaStack = nullptr;
    QLineEdit* FormulaEdits[kFormulaPageCount] = {};
    QLineEdit* FormulaParamYEdit = nullptr;
    QComboBox* EquationComboBox = nullptr;
    QComboBox* DifFieldComboBox = nullptr;
    QComboBox* IntegralComboBox = nullptr;
    TGraphStyleGroup* GraphGroupBox = nullptr;
    QCheckBox* DrawGraphicCheckBox = nullptr;
    QGroupBox* TableGroupBox = nullptr;
    TTablePointsGrid* NumTableGrid = nullptr;
    QPushButton* ZoomButton = nullptr;

    // Add'l Properties page
    QStackedWidget* OtherStack = nullptr;
    QCheckBox* IntervalsCheckBoxXY = nullptr;
    QLabel* MinXYLabel = nullptr;
    QLabel* MaxXYLabel = nullptr;
    QLineEdit* MinXYEdit = nullptr;
    QLineEdit* MaxXYEdit = nullptr;
    QCheckBox* BuildCheckBoxXY = nullptr;
    QLineEdit* StepsNumEditXY = nullptr;
    QLineEdit* MaxGapEditXY = nullptr;

    QLabel* MinATLabel = nullptr;
    QLabel* MaxATLabel = nullptr;
    QLabel* PiLabels[2] = {};
    QLineEdit* MinATEdit = nullptr;
    QLineEdit* MaxATEdit = nullptr;
    QCheckBox* BuildCheckBoxAT = nullptr;
    QLineEdit* StepsNumEditAT = nullptr;
    QLineEdit* MaxGapEditAT = nullptr;

    QCheckBox* IntervalsCheckBoxEq = nullptr;
    QLineEdit* MinXEditEq = nullptr;
    QLineEdit* MaxXEditEq = nullptr;
    QLineEdit* MinYEditEq = nullptr;
    QLineEdit* MaxYEditEq = nullptr;
    QLineEdit* StepsNumXEditEq = nullptr;
    QLineEdit* StepsNumYEditEq = nullptr;
    QLineEdit* MaxGapEditEq = nullptr;

    QCheckBox* IntervalsCheckBoxDF = nullptr;
    QLineEdit* MinXEditDF = nullptr;
    QLineEdit* MaxXEditDF = nullptr;
    QLineEdit* MinYEditDF = nullptr;
    QLineEdit* MaxYEditDF = nullptr;
    QLineEdit* StepsNumXEditDF = nullptr;
    QLineEdit* StepsNumYEditDF = nullptr;
    QSpinBox* LinesLengthEditDF = nullptr;

    QCheckBox* IntervalsCheckBoxInt = nullptr;
    QLabel* MinIntLabel = nullptr;
    QLabel* MaxIntLabel = nullptr;
    QLineEdit* MinXYEditInt = nullptr;
    QLineEdit* MaxXYEditInt = nullptr;
    QLineEdit* FirstXEditInt = nullptr;
    QLineEdit* FirstYEditInt = nullptr;
    QCheckBox* BuildCheckBoxInt = nullptr;
    QLineEdit* StepsNumEditInt = nullptr;
    QLineEdit* MaxGapEditInt = nullptr;

    // The check box that enables an edit, for a refused edit that is off.
    QHash<QWidget*, QCheckBox*> Switches;

    QRadioButton* NoRadioButton = nullptr;
    QRadioButton* XRadioButton = nullptr;
    QRadioButton* YRadioButton = nullptr;
    QCheckBox* SmoothingCheckBox = nullptr;
    QComboBox* SmoothingComboBox = nullptr;
};

// ---------------------------------------------------------------------------
// Building

TGraphPropsForm::TGraphPropsForm(QWidget* parent) : QDialog(parent), c_(std::make_unique<Controls>())
{
    setObjectName("GraphPropsForm");
    setWindowTitle(En("Graph Properties"));
    auto* layout = new QVBoxLayout(this);
    PropsPageControl = Named(new QTabWidget(this), "PropsPageControl");
    auto* properties = Named(new QWidget(PropsPageControl), "PropsTabSheet");
    auto* other = Named(new QWidget(PropsPageControl), "OtherPropsTabSheet");
    PropsPageControl->addTab(properties, En("Properties"));
    PropsPageControl->addTab(other, En("Add'l Properties"));
    layout->addWidget(PropsPageControl);
    BuildPropertiesPage(properties);
    BuildOtherPropertiesPage(other);
    BuildButtons();
    TranslateComponent(this);
    FillKindList();
}

TGraphPropsForm::~TGraphPropsForm() = default;

void TGraphPropsForm::FillKindList()
{
    FuncStyleComboBox->clear();
    for (int kind = 0; kind < kOfferedKindCount; ++kind) {
        const auto k = static_cast<GraphKind>(kind);
        // The polar item joins its formula with a translated description.
        const QString text = k == GraphKind::Polar ? "R(a) - " + Tx("polar coordinate system")
                                                   : Tx(GraphKindText(k));
        FuncStyleComboBox->addItem(text);
    }
    c_->SmoothingComboBox->clear();
    for (const char* quality : {"Low", "Medium", "High"}) c_->SmoothingComboBox->addItem(Tx(quality));
}

QWidget* TGraphPropsForm::BuildFormulaPage(GraphKind kind)
{
    auto* page = new QWidget(c_->FormulaStack);
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(0, 0, 0, 0);
    auto edit = [&](const char* name) {
        auto* e = Named(new QLineEdit(page), name);
        e->setMaxLength(kFormulaEditLength);
        e->setMinimumWidth(260);
        return e;
    };
    auto directions = [&](const char* name) {
        auto* box = Named(new QComboBox(page), name);
        box->addItems({"dy/dx", "dx/dy"});
        return box;
    };
    switch (kind) {
    case GraphKind::YFromX:
        grid->addWidget(new QLabel(En("Y(x)="), page), 0, 0);
        grid->addWidget(c_->FormulaEdits[kFormulaYFromX] = edit("FormulaYFromXEdit"), 0, 1);
        break;
    case GraphKind::XFromY:
        grid->addWidget(new QLabel(En("X(y)="), page), 0, 0);
        grid->addWidget(c_->FormulaEdits[kFormulaXFromY] = edit("FormulaXFromYEdit"), 0, 1);
        break;
    case GraphKind::Polar:
        grid->addWidget(new QLabel(En("R(a)="), page), 0, 0);
        grid->addWidget(c_->FormulaEdits[kFormulaPolar] = edit("FormulaPolarEdit"), 0, 1);
        break;
    case GraphKind::Param:
        grid->addWidget(new QLabel(En("X(t)="), page), 0, 0);
        grid->addWidget(c_->FormulaEdits[kFormulaParam] = edit("FormulaParamXEdit"), 0, 1);
        grid->addWidget(new QLabel(En("Y(t)="), page), 1, 0);
        grid->addWidget(c_->FormulaParamYEdit = edit("FormulaParamYEdit"), 1, 1);
        break;
    case GraphKind::Equation:
        grid->addWidget(Named(new QLabel(En("=f(x,y)"), page), "EquationFLabel"), 0, 0);
        grid->addWidget(c_->FormulaEdits[kFormulaEquation] = edit("FormulaEquationEdit"), 0, 1);
        c_->EquationComboBox = Named(new QComboBox(page), "EquationComboBox");
        c_->EquationComboBox->addItems({"=0", "<0", ">0"});
        grid->addWidget(c_->EquationComboBox, 0, 2);
        connect(c_->EquationComboBox, &QComboBox::currentIndexChanged, this,
                [this] { UpdateAppearanceControls(); });
        break;
    case GraphKind::DifField:
        grid->addWidget(c_->DifFieldComboBox = directions("DifFieldComboBox"), 0, 0);
        grid->addWidget(c_->FormulaEdits[kFormulaDifField] = edit("FormulaDifFieldEdit"), 0, 1);
        break;
    case GraphKind::Integral:
        grid->addWidget(c_->IntegralComboBox = directions("IntegralComboBox"), 0, 0);
        grid->addWidget(c_->FormulaEdits[kFormulaIntegral] = edit("FormulaIntegralEdit"), 0, 1);
        connect(c_->IntegralComboBox, &QComboBox::currentIndexChanged, this, [this] { UpdateIntervalLabels(); });
        break;
    case GraphKind::Table: break;
    }
    grid->setColumnStretch(1, 1);
    return page;
}

void TGraphPropsForm::BuildPropertiesPage(QWidget* page)
{
    Controls& c = *c_;
    auto* layout = new QVBoxLayout(page);
    FuncStyleComboBox = Named(new QComboBox(page), "FuncStyleComboBox");
    layout->addWidget(FuncStyleComboBox);
    connect(FuncStyleComboBox, &QComboBox::currentIndexChanged, this, &TGraphPropsForm::FuncStyleComboBoxChange);

    c.FormulaGroupBox = Named(new QGroupBox(En("Formula"), page), "FormulaGroupBox");
    auto* formulaLayout = new QVBoxLayout(c.FormulaGroupBox);
    c.FormulaStack = Named(new QStackedWidget(c.FormulaGroupBox), "FormulaStack");
    for (GraphKind kind : {GraphKind::YFromX, GraphKind::XFromY, GraphKind::Polar, GraphKind::Param,
                           GraphKind::Equation, GraphKind::DifField, GraphKind::Integral})
        c.FormulaStack->addWidget(BuildFormulaPage(kind));
    formulaLayout->addWidget(c.FormulaStack);
    layout->addWidget(c.FormulaGroupBox);

    c.GraphGroupBox = new TGraphStyleGroup(page);
    layout->addWidget(c.GraphGroupBox);

    c.DrawGraphicCheckBox = Named(new QCheckBox(En("Graph"), page), "DrawGraphicCheckBox");
    layout->addWidget(c.DrawGraphicCheckBox);

    c.TableGroupBox = Named(new QGroupBox(En("Data Manipulation"), page), "TableGroupBox");
    auto* tableLayout = new QVBoxLayout(c.TableGroupBox);
    auto* zoomRow = new QHBoxLayout;
    c.ZoomButton = Named(new QPushButton(En("Zoom"), c.TableGroupBox), "ZoomButton");
    c.ZoomButton->setToolTip(En("Zoom"));
    c.ZoomButton->setAutoDefault(false);
    c.ZoomButton->setCheckable(true);
    zoomRow->addStretch(1);
    zoomRow->addWidget(c.ZoomButton);
    tableLayout->addLayout(zoomRow);
    const TablePointsEditor tableEditor = MakeTablePointsEditor(c.TableGroupBox);
    c.NumTableGrid = tableEditor.Grid;
    c.NumTableGrid->setMinimumWidth(c.NumTableGrid->fontMetrics().averageCharWidth() * 44);
    tableLayout->addWidget(tableEditor.Widget, 1);
    layout->addWidget(c.TableGroupBox, 1);
    connect(c.ZoomButton, &QPushButton::clicked, this, &TGraphPropsForm::ZoomButtonClick);
    layout->addStretch(0);
}

void TGraphPropsForm::BuildOtherPropertiesPage(QWidget* page)
{
    Controls& c = *c_;
    auto* layout = new QVBoxLayout(page);
    c.OtherStack = Named(new QStackedWidget(page), "OtherStack");
    layout->addWidget(c.OtherStack);
    layout->addStretch(1);
    auto newPage = [&] {
        auto* p = new QWidget(c.OtherStack);
        c.OtherStack->addWidget(p);
        auto* v = new QVBoxLayout(p);
        v->setContentsMargins(0, 0, 0, 0);
        return std::make_pair(p, v);
    };
    // A group of labelled edits in rows.
    auto rows = [](QGroupBox* group, std::initializer_list<std::pair<QLabel*, QWidget*>> lines) {
        auto* grid = new QGridLayout(group);
        int row = 0;
        for (const auto& [label, edit] : lines) {
            if (label) {
                label->setBuddy(edit);
                grid->addWidget(label, row, 0);
            }
            grid->addWidget(edit, row, 1);
            ++row;
        }
        grid->setColumnStretch(2, 1);
        return grid;
    };
    auto lbl = [](const char* text, QWidget* parent) { return new QLabel(En(text), parent); };

    {  // YFromX, XFromY
        auto [p, v] = newPage();
        auto* interval = Named(new QGroupBox(p), "IntervalGroupBoxXY");
        c.IntervalsCheckBoxXY = Named(new QCheckBox(En("Interval"), p), "IntervalsCheckBoxXY");
        c.MinXYEdit = NumberEdit(interval, "MinXYEdit");
        c.MaxXYEdit = NumberEdit(interval, "MaxXYEdit");
        c.MinXYLabel = Named(new QLabel(interval), "MinXYLabel");
        c.MaxXYLabel = Named(new QLabel(interval), "MaxXYLabel");
        rows(interval, {{c.MinXYLabel, c.MinXYEdit}, {c.MaxXYLabel, c.MaxXYEdit}});
        auto* build = Named(new QGroupBox(p), "BuildGroupBoxXY");
        c.BuildCheckBoxXY = Named(new QCheckBox(En("Plot Parameters"), p), "BuildCheckBoxXY");
        c.StepsNumEditXY = NumberEdit(build, "StepsNumEditXY");
        c.MaxGapEditXY = NumberEdit(build, "MaxGapEditXY");
        rows(build, {{lbl("Number of Steps", build), c.StepsNumEditXY}, {lbl("Maximum Gap", build), c.MaxGapEditXY}});
        v->addWidget(c.IntervalsCheckBoxXY);
        v->addWidget(interval);
        v->addWidget(c.BuildCheckBoxXY);
        v->addWidget(build);
    }
    {  // Polar, Param
        auto [p, v] = newPage();
        auto* interval = Named(new QGroupBox(En("Interval"), p), "IntervalGroupBoxAT");
        auto* grid = new QGridLayout(interval);
        c.MinATEdit = NumberEdit(interval, "MinATEdit");
        c.MaxATEdit = NumberEdit(interval, "MaxATEdit");
        c.MinATLabel = Named(new QLabel(interval), "MinATLabel");
        c.MaxATLabel = Named(new QLabel(interval), "MaxATLabel");
        for (int i = 0; i < 2; ++i) c.PiLabels[i] = Named(new QLabel(En("Pi"), interval), i ? "PiLabel2" : "PiLabel1");
        grid->addWidget(c.MinATLabel, 0, 0);
        grid->addWidget(c.MinATEdit, 0, 1);
        grid->addWidget(c.PiLabels[0], 0, 2);
        grid->addWidget(c.MaxATLabel, 1, 0);
        grid->addWidget(c.MaxATEdit, 1, 1);
        grid->addWidget(c.PiLabels[1], 1, 2);
        grid->setColumnStretch(3, 1);
        c.MinATLabel->setBuddy(c.MinATEdit);
        c.MaxATLabel->setBuddy(c.MaxATEdit);
        auto* build = Named(new QGroupBox(p), "BuildGroupBoxAT");
        c.BuildCheckBoxAT = Named(new QCheckBox(En("Plot Parameters"), p), "BuildCheckBoxAT");
        c.StepsNumEditAT = NumberEdit(build, "StepsNumEditAT");
        c.MaxGapEditAT = NumberEdit(build, "MaxGapEditAT");
        rows(build, {{lbl("Number of Steps", build), c.StepsNumEditAT}, {lbl("Maximum Gap", build), c.MaxGapEditAT}});
        v->addWidget(interval);
        v->addWidget(c.BuildCheckBoxAT);
        v->addWidget(build);
    }
    {  // Equation
        auto [p, v] = newPage();
        auto* interval = Named(new QGroupBox(p), "IntervalGroupBoxEq");
        c.IntervalsCheckBoxEq = Named(new QCheckBox(En("Intervals"), p), "IntervalsCheckBoxEq");
        c.MinXEditEq = NumberEdit(interval, "MinXEditEq");
        c.MaxXEditEq = NumberEdit(interval, "MaxXEditEq");
        c.MinYEditEq = NumberEdit(interval, "MinYEditEq");
        c.MaxYEditEq = NumberEdit(interval, "MaxYEditEq");
        rows(interval, {{lbl("Minimum of X", interval), c.MinXEditEq},
                        {lbl("Maximum of X", interval), c.MaxXEditEq},
                        {lbl("Minimum of Y", interval), c.MinYEditEq},
                        {lbl("Maximum of Y", interval), c.MaxYEditEq}});
        auto* build = Named(new QGroupBox(En("Plot Parameters"), p), "BuildGroupBoxEq");
        c.StepsNumXEditEq = NumberEdit(build, "StepsNumXEditEq");
        c.StepsNumYEditEq = NumberEdit(build, "StepsNumYEditEq");
        c.MaxGapEditEq = NumberEdit(build, "MaxGapEditEq");
        rows(build, {{lbl("Number of Steps on Hor.", build), c.StepsNumXEditEq},
                     {lbl("Number of Steps on Vert.", build), c.StepsNumYEditEq},
                     {lbl("Maximum Gap", build), c.MaxGapEditEq}});
        v->addWidget(c.IntervalsCheckBoxEq);
        v->addWidget(interval);
        v->addWidget(build);
    }
    {  // DifField
        auto [p, v] = newPage();
        auto* interval = Named(new QGroupBox(p), "IntervalGroupBoxDF");
        c.IntervalsCheckBoxDF = Named(new QCheckBox(En("Intervals"), p), "IntervalsCheckBoxDF");
        c.MinXEditDF = NumberEdit(interval, "MinXEditDF");
        c.MaxXEditDF = NumberEdit(interval, "MaxXEditDF");
        c.MinYEditDF = NumberEdit(interval, "MinYEditDF");
        c.MaxYEditDF = NumberEdit(interval, "MaxYEditDF");
        rows(interval, {{lbl("Minimum of X", interval), c.MinXEditDF},
                        {lbl("Maximum of X", interval), c.MaxXEditDF},
                        {lbl("Minimum of Y", interval), c.MinYEditDF},
                        {lbl("Maximum of Y", interval), c.MaxYEditDF}});
        auto* build = Named(new QGroupBox(En("Plot Parameters"), p), "BuildGroupBoxDF");
        c.StepsNumXEditDF = NumberEdit(build, "StepsNumXEditDF");
        c.StepsNumYEditDF = NumberEdit(build, "StepsNumYEditDF");
        c.LinesLengthEditDF = Named(new TTypedSpinBox(kMinLineLength, kMaxLineLength, build), "LinesLengthEditDF");
        c.LinesLengthEditDF->setValue(5);
        rows(build, {{lbl("Number of Hor. Serieses", build), c.StepsNumXEditDF},
                     {lbl("Number of Vert. Serieses", build), c.StepsNumYEditDF},
                     {lbl("Line Length", build), c.LinesLengthEditDF}});
        v->addWidget(c.IntervalsCheckBoxDF);
        v->addWidget(interval);
        v->addWidget(build);
    }
    {  // Integral
        auto [p, v] = newPage();
        auto* interval = Named(new QGroupBox(p), "IntervalGroupBoxInt");
        c.IntervalsCheckBoxInt = Named(new QCheckBox(En("Interval"), p), "IntervalsCheckBoxInt");
        c.MinXYEditInt = NumberEdit(interval, "MinXYEditInt");
        c.MaxXYEditInt = NumberEdit(interval, "MaxXYEditInt");
        c.MinIntLabel = Named(new QLabel(interval), "MinIntLabel");
        c.MaxIntLabel = Named(new QLabel(interval), "MaxIntLabel");
        rows(interval, {{c.MinIntLabel, c.MinXYEditInt}, {c.MaxIntLabel, c.MaxXYEditInt}});
        auto* point = Named(new QGroupBox(En("Passes Through Point"), p), "PointGroupBoxInt");
        c.FirstXEditInt = NumberEdit(point, "FirstXEditInt");
        c.FirstYEditInt = NumberEdit(point, "FirstYEditInt");
        rows(point, {{lbl("X Coordinate", point), c.FirstXEditInt}, {lbl("Y Coordinate", point), c.FirstYEditInt}});
        auto* build = Named(new QGroupBox(p), "BuildGroupBoxInt");
        c.BuildCheckBoxInt = Named(new QCheckBox(En("Plot Parameters"), p), "BuildCheckBoxInt");
        c.StepsNumEditInt = NumberEdit(build, "StepsNumEditInt");
        c.MaxGapEditInt = NumberEdit(build, "MaxGapEditInt");
        rows(build, {{lbl("Number of Steps", build), c.StepsNumEditInt}, {lbl("Maximum Gap", build), c.MaxGapEditInt}});
        v->addWidget(c.IntervalsCheckBoxInt);
        v->addWidget(interval);
        v->addWidget(point);
        v->addWidget(c.BuildCheckBoxInt);
        v->addWidget(build);
    }
    {  // Table
        auto [p, v] = newPage();
        auto* sort = Named(new QGroupBox(En("Type of Sorting "), p), "SortRadioGroup");
        auto* sortLayout = new QVBoxLayout(sort);
        c.NoRadioButton = Named(new QRadioButton(En("None"), sort), "NoRadioButton");
        c.XRadioButton = Named(new QRadioButton(En("On X"), sort), "XRadioButton");
        c.YRadioButton = Named(new QRadioButton(En("On Y"), sort), "YRadioButton");
        for (QRadioButton* b : {c.NoRadioButton, c.XRadioButton, c.YRadioButton}) sortLayout->addWidget(b);
        auto* smoothing = Named(new QGroupBox(En("Smoothing"), p), "SmoothingGroupBox");
        c.SmoothingCheckBox = Named(new QCheckBox(En("Smoothing"), smoothing), "SmoothingCheckBox");
        c.SmoothingComboBox = Named(new QComboBox(smoothing), "SmoothingComboBox");
        auto* grid = new QGridLayout(smoothing);
        grid->addWidget(c.SmoothingCheckBox, 0, 0, 1, 2);
        auto* quality = lbl("Curve Quality", smoothing);
        quality->setBuddy(c.SmoothingComboBox);
        grid->addWidget(quality, 1, 0);
        grid->addWidget(c.SmoothingComboBox, 1, 1);
        grid->setColumnStretch(2, 1);
        v->addWidget(sort);
        v->addWidget(smoothing);
    }
    for (QCheckBox* box : {c.IntervalsCheckBoxXY, c.BuildCheckBoxXY, c.BuildCheckBoxAT, c.IntervalsCheckBoxEq,
                           c.IntervalsCheckBoxDF, c.IntervalsCheckBoxInt, c.BuildCheckBoxInt, c.SmoothingCheckBox})
        connect(box, &QCheckBox::toggled, this, [this] { UpdateGroupsEnabled(); });
}

void TGraphPropsForm::BuildButtons()
{
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    OKButton = Named(new QPushButton(En("OK"), this), "OKButton");
    OKButton->setDefault(true);
    CancelButton = Named(new QPushButton(En("Cancel"), this), "CancelButton");
    auto* help = Named(new QPushButton(En("Help"), this), "HelpButton");
    help->setAutoDefault(false);
    row->addWidget(OKButton);
    row->addWidget(CancelButton);
    row->addWidget(help);
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
    connect(OKButton, &QPushButton::clicked, this, &TGraphPropsForm::OKButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] {
        THelpForm::ShowContext(this, kHelpContext);
    });
}

// ---------------------------------------------------------------------------
// Preparing and rearranging

void TGraphPropsForm::SetPropsInForm(const GraphRecord& record, Mode mode, GraphPropsPage page)
{
    mode_ = mode;
    model_ = std::make_unique<TGraphPropsModel>(record, mode == Mode::KindDefaults);
    setWindowTitle(Tx(mode == Mode::AddGraph ? "Add Graph" : "Graph Properties"));
    // A longer formula from a file stays whole.
    const GraphRecord& r = model_->Record();
    const int longest = std::max<int>(KindHasFormula(r.Kind) ? int(r.Formula.Length()) : 0,
                                      r.Kind == GraphKind::Param ? int(r.Param.Formula2.Length()) : 0);
    for (QLineEdit* edit : c_->FormulaEdits) edit->setMaxLength(std::max(kFormulaEditLength, longest));
    c_->FormulaParamYEdit->setMaxLength(std::max(kFormulaEditLength, longest));
    WriteValues(model_->Values());
    ShowKindControls();
    PropsPageControl->setCurrentIndex(static_cast<int>(page));
    if (QWidget* first = page == GraphPropsPage::Properties
                             ? static_cast<QWidget*>(c_->FormulaEdits[std::max(0, FormulaPageOf(r.Kind))])
                             : nullptr;
        first && first->isVisibleTo(this))
        first->setFocus();
}

const GraphRecord& TGraphPropsForm::Record() const { return model_->Record(); }

void TGraphPropsForm::ShowKindControls()
{
    Controls& c = *c_;
    const GraphKind kind = model_->Kind();
    const bool defaults = mode_ == Mode::KindDefaults;
    const int formulaPage = FormulaPageOf(kind);
    if (formulaPage >= 0) c.FormulaStack->setCurrentIndex(formulaPage);
    c.FormulaGroupBox->setVisible(formulaPage >= 0 && !defaults);
    c.GraphGroupBox->setVisible(!defaults);
    c.DrawGraphicCheckBox->setVisible(!defaults);
    c.TableGroupBox->setVisible(kind == GraphKind::Table && !defaults);
    c.OtherStack->setCurrentIndex(OtherPageOf(kind));
    // The list offers kinds 0..6 only; a default's kind is fixed.
    FuncStyleComboBox->setEnabled(!defaults && kind != GraphKind::Integral);
    const bool polar = kind == GraphKind::Polar;
    for (QLabel* pi : c.PiLabels) pi->setVisible(polar);
    UpdateIntervalLabels();
    UpdateAppearanceControls();
    UpdateGroupsEnabled();
    ApplyZoom();
}

void TGraphPropsForm::UpdateIntervalLabels()
{
    if (!model_) return;
    Controls& c = *c_;
    const GraphKind kind = model_->Kind();
    auto set = [](QLabel* min, QLabel* max, const std::string& variable) {
        min->setText(Tx("Minimum of " + variable));
        max->setText(Tx("Maximum of " + variable));
    };
    set(c.MinXYLabel, c.MaxXYLabel, kind == GraphKind::XFromY ? "Y" : "X");
    set(c.MinATLabel, c.MaxATLabel, kind == GraphKind::Param ? "T" : "A");
    set(c.MinIntLabel, c.MaxIntLabel, c.IntegralComboBox->currentIndex() == 1 ? "Y" : "X");
}

void TGraphPropsForm::UpdateAppearanceControls()
{
    if (!model_) return;
    Controls& c = *c_;
    c.GraphGroupBox->ShowRegionControls(model_->Kind() == GraphKind::Equation &&
                                        c.EquationComboBox->currentIndex() > 0);
}

void TGraphPropsForm::UpdateGroupsEnabled()
{
    Controls& c = *c_;
    auto enable = [&c](QCheckBox* box, std::initializer_list<QWidget*> widgets) {
        for (QWidget* w : widgets) {
            w->setEnabled(box->isChecked());
            c.Switches.insert(w, box);
        }
    };
    enable(c.IntervalsCheckBoxXY, {c.MinXYEdit, c.MaxXYEdit, c.MinXYLabel, c.MaxXYLabel});
    enable(c.BuildCheckBoxXY, {c.StepsNumEditXY, c.MaxGapEditXY});
    enable(c.BuildCheckBoxAT, {c.StepsNumEditAT, c.MaxGapEditAT});
    enable(c.IntervalsCheckBoxEq, {c.MinXEditEq, c.MaxXEditEq, c.MinYEditEq, c.MaxYEditEq});
    enable(c.IntervalsCheckBoxDF, {c.MinXEditDF, c.MaxXEditDF, c.MinYEditDF, c.MaxYEditDF});
    enable(c.IntervalsCheckBoxInt, {c.MinXYEditInt, c.MaxXYEditInt, c.MinIntLabel, c.MaxIntLabel});
    enable(c.BuildCheckBoxInt, {c.StepsNumEditInt, c.MaxGapEditInt});
    enable(c.SmoothingCheckBox, {c.SmoothingComboBox});
}

void TGraphPropsForm::ApplyZoom()
{
    // The enlarged grid shows about three times as many rows.
    const bool zoomed = ProgramOptions().Common.ZoomTableWindow;
    const int rowHeight = std::max(1, c_->NumTableGrid->verticalHeader()->defaultSectionSize());
    constexpr int kNormalRows = kNormalTableRows;
    constexpr int kZoomedRows = 20;
    c_->NumTableGrid->setMinimumHeight(rowHeight * kNormalRows);
    int rows = kNormalRows;
    if (zoomed) {
        // As many more rows as the screen has room for: OK and Cancel must
        // stay on the screen (the title bar takes about two rows).
        const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
        const int room = screen ? screen->availableGeometry().height() : 768;
        const int rest = sizeHint().height() - rowHeight * kNormalRows;
        rows = std::clamp((room - rest) / rowHeight - 2, kNormalRows, kZoomedRows);
    }
    c_->NumTableGrid->setMinimumHeight(rowHeight * rows);
    c_->ZoomButton->setChecked(zoomed);
    FitToContents();
}

void TGraphPropsForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Once the window has its frame, what does not fit is known.
    QTimer::singleShot(0, this, &TGraphPropsForm::FitToContents);
}

// The open dialog takes the size of its new contents and stays whole on the
// screen: an enlarged table gives up rows it has no room for, and the dialog
// moves up or left as far as it must (growing would push OK and Cancel off
// the bottom of the screen).
void TGraphPropsForm::FitToContents()
{
    if (!isVisible()) return;
    // The pages measure their new contents only when their layout requests
    // are handled.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    adjustSize();
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const int titleBar = frameGeometry().height() - height();
    const int excess = height() + titleBar - area.height();
    const int rowHeight = std::max(1, c_->NumTableGrid->verticalHeader()->defaultSectionSize());
    const int normal = rowHeight * kNormalTableRows;
    if (excess > 0 && c_->NumTableGrid->isVisible() && c_->NumTableGrid->minimumHeight() > normal) {
        c_->NumTableGrid->setMinimumHeight(std::max(normal, c_->NumTableGrid->minimumHeight() - excess));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        adjustSize();
    }
    QRect frame = frameGeometry();
    if (frame.right() > area.right()) frame.moveRight(area.right());
    if (frame.bottom() > area.bottom()) frame.moveBottom(area.bottom());
    if (frame.left() < area.left()) frame.moveLeft(area.left());
    if (frame.top() < area.top()) frame.moveTop(area.top());
    if (frame.topLeft() != frameGeometry().topLeft()) move(frame.topLeft());
}

void TGraphPropsForm::ZoomButtonClick()
{
    bool& zoom = ProgramOptions().Common.ZoomTableWindow;
    zoom = !zoom;
    ApplyZoom();
}

void TGraphPropsForm::FuncStyleComboBoxChange(int index)
{
    if (filling_ || !model_ || index == static_cast<int>(model_->Kind())) return;
    GraphPropsValues values = ReadValues();
    if (!model_->ChangeKind(index, GlobalDocumentOptions(), values)) return;
    WriteValues(values);
    ShowKindControls();
}

// ---------------------------------------------------------------------------
// Controls and values

GraphPropsValues TGraphPropsForm::ReadValues()
{
    Controls& c = *c_;
    GraphPropsValues v;
    const GraphKind kind = model_->Kind();
    v.KindIndex = FuncStyleComboBox->currentIndex();
    const int formulaPage = FormulaPageOf(kind);
    if (formulaPage >= 0) v.Formula = S(c.FormulaEdits[formulaPage]->text());
    v.Formula2 = S(c.FormulaParamYEdit->text());
    v.RelationIndex = c.EquationComboBox->currentIndex();
    v.DirectionIndex = kind == GraphKind::Integral ? c.IntegralComboBox->currentIndex()
                                                   : c.DifFieldComboBox->currentIndex();
    c.GraphGroupBox->ReadAppearance(v);
    v.Visible = c.DrawGraphicCheckBox->isChecked();
    auto text = [](QLineEdit* e) { return S(e->text()); };
    switch (OtherPageOf(kind)) {
    case kOtherXY:
        v.OwnInterval = c.IntervalsCheckBoxXY->isChecked();
        v.OwnBuild = c.BuildCheckBoxXY->isChecked();
        v.Min = text(c.MinXYEdit);
        v.Max = text(c.MaxXYEdit);
        v.Steps = text(c.StepsNumEditXY);
        v.MaxGap = text(c.MaxGapEditXY);
        break;
    case kOtherAT:
        v.OwnBuild = c.BuildCheckBoxAT->isChecked();
        v.Min = text(c.MinATEdit);
        v.Max = text(c.MaxATEdit);
        v.Steps = text(c.StepsNumEditAT);
        v.MaxGap = text(c.MaxGapEditAT);
        break;
    case kOtherEq:
        v.OwnInterval = c.IntervalsCheckBoxEq->isChecked();
        v.MinX = text(c.MinXEditEq);
        v.MaxX = text(c.MaxXEditEq);
        v.MinY = text(c.MinYEditEq);
        v.MaxY = text(c.MaxYEditEq);
        v.StepsX = text(c.StepsNumXEditEq);
        v.StepsY = text(c.StepsNumYEditEq);
        v.MaxGap = text(c.MaxGapEditEq);
        break;
    case kOtherDF:
        v.OwnInterval = c.IntervalsCheckBoxDF->isChecked();
        v.MinX = text(c.MinXEditDF);
        v.MaxX = text(c.MaxXEditDF);
        v.MinY = text(c.MinYEditDF);
        v.MaxY = text(c.MaxYEditDF);
        v.StepsX = text(c.StepsNumXEditDF);
        v.StepsY = text(c.StepsNumYEditDF);
        v.LineLength = S(c.LinesLengthEditDF->text());
        break;
    case kOtherInt:
        v.OwnInterval = c.IntervalsCheckBoxInt->isChecked();
        v.OwnBuild = c.BuildCheckBoxInt->isChecked();
        v.Min = text(c.MinXYEditInt);
        v.Max = text(c.MaxXYEditInt);
        v.FirstX = text(c.FirstXEditInt);
        v.FirstY = text(c.FirstYEditInt);
        v.Steps = text(c.StepsNumEditInt);
        v.MaxGap = text(c.MaxGapEditInt);
        break;
    case kOtherTable:
        v.SortIndex = c.NoRadioButton->isChecked() ? 0 : c.YRadioButton->isChecked() ? 2 : 1;
        v.Smoothing = c.SmoothingCheckBox->isChecked();
        v.QualityIndex = c.SmoothingComboBox->currentIndex();
        if (mode_ != Mode::KindDefaults) v.Cells = c.NumTableGrid->CellTexts();
        break;
    }
    return v;
}

void TGraphPropsForm::WriteValues(const GraphPropsValues& v)
{
    Controls& c = *c_;
    filling_ = true;
    const GraphKind kind = model_->Kind();
    FuncStyleComboBox->setCurrentIndex(v.KindIndex);
    for (QLineEdit* edit : c.FormulaEdits) edit->clear();
    const int formulaPage = FormulaPageOf(kind);
    if (formulaPage >= 0) c.FormulaEdits[formulaPage]->setText(Q(v.Formula));
    c.FormulaParamYEdit->setText(Q(v.Formula2));
    c.EquationComboBox->setCurrentIndex(v.RelationIndex);
    c.DifFieldComboBox->setCurrentIndex(v.DirectionIndex);
    c.IntegralComboBox->setCurrentIndex(v.DirectionIndex);
    c.GraphGroupBox->SetAppearance(v);
    c.DrawGraphicCheckBox->setChecked(v.Visible);
    auto set = [](QLineEdit* e, const std::string& text) { e->setText(Q(text)); };
    switch (OtherPageOf(kind)) {
    case kOtherXY:
        c.IntervalsCheckBoxXY->setChecked(v.OwnInterval);
        c.BuildCheckBoxXY->setChecked(v.OwnBuild);
        set(c.MinXYEdit, v.Min);
        set(c.MaxXYEdit, v.Max);
        set(c.StepsNumEditXY, v.Steps);
        set(c.MaxGapEditXY, v.MaxGap);
        break;
    case kOtherAT:
        c.BuildCheckBoxAT->setChecked(v.OwnBuild);
        set(c.MinATEdit, v.Min);
        set(c.MaxATEdit, v.Max);
        set(c.StepsNumEditAT, v.Steps);
        set(c.MaxGapEditAT, v.MaxGap);
        break;
    case kOtherEq:
        c.IntervalsCheckBoxEq->setChecked(v.OwnInterval);
        set(c.MinXEditEq, v.MinX);
        set(c.MaxXEditEq, v.MaxX);
        set(c.MinYEditEq, v.MinY);
        set(c.MaxYEditEq, v.MaxY);
        set(c.StepsNumXEditEq, v.StepsX);
        set(c.StepsNumYEditEq, v.StepsY);
        set(c.MaxGapEditEq, v.MaxGap);
        break;
    case kOtherDF: {
        c.IntervalsCheckBoxDF->setChecked(v.OwnInterval);
        set(c.MinXEditDF, v.MinX);
        set(c.MaxXEditDF, v.MaxX);
        set(c.MinYEditDF, v.MinY);
        set(c.MaxYEditDF, v.MaxY);
        set(c.StepsNumXEditDF, v.StepsX);
        set(c.StepsNumYEditDF, v.StepsY);
        // The record's own length is shown, even one outside the field's
        // range (the check refuses it then).
        int32_t length = 5;
        ParseIntegerField(v.LineLength, length);
        c.LinesLengthEditDF->setValue(length);
        break;
    }
    case kOtherInt:
        c.IntervalsCheckBoxInt->setChecked(v.OwnInterval);
        c.BuildCheckBoxInt->setChecked(v.OwnBuild);
        set(c.MinXYEditInt, v.Min);
        set(c.MaxXYEditInt, v.Max);
        set(c.FirstXEditInt, v.FirstX);
        set(c.FirstYEditInt, v.FirstY);
        set(c.StepsNumEditInt, v.Steps);
        set(c.MaxGapEditInt, v.MaxGap);
        break;
    case kOtherTable:
        (v.SortIndex == 0 ? c.NoRadioButton : v.SortIndex == 2 ? c.YRadioButton : c.XRadioButton)->setChecked(true);
        c.SmoothingCheckBox->setChecked(v.Smoothing);
        c.SmoothingComboBox->setCurrentIndex(v.QualityIndex);
        if (v.Cells.size() == 2u * kTableSlots) c.NumTableGrid->SetCellTexts(v.Cells);
        break;
    }
    filling_ = false;
}

// ---------------------------------------------------------------------------
// OK

void TGraphPropsForm::OKButtonClick()
{
    if (!model_) return;
    const GraphPropsValues values = ReadValues();
    if (auto failure = model_->Accept(values)) {
        ShowFailure(*failure);
        return;
    }
    accept();
}

void TGraphPropsForm::ShowFailure(const GraphPropsFailure& failure)
{
    ShowMessageDialog(GraphPropsFailureText(failure), mtError, mbOK, 0);
    PropsPageControl->setCurrentIndex(static_cast<int>(failure.Page));
    if (failure.Field == GraphPropsField::TableCell) {
        c_->NumTableGrid->SetCurrentCell(failure.Row, failure.Column);
        return;
    }
    const QString name = Q(GraphPropsControlName(model_->Kind(), failure.Field));
    if (QWidget* control = findChild<QWidget*>(name)) {
        // An edit that is switched off cannot take the focus: its switch does.
        if (!control->isEnabled() && c_->Switches.contains(control)) control = c_->Switches.value(control);
        control->setFocus();
        if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->selectAll();
        if (auto* spin = qobject_cast<QSpinBox*>(control)) spin->selectAll();
    }
}

bool EditGraphRecord(QWidget* parent, GraphRecord& record, TGraphPropsForm::Mode mode, GraphPropsPage page)
{
    TGraphPropsForm form(parent);
    form.SetPropsInForm(record, mode, page);
    if (form.exec() != QDialog::Accepted) return false;
    record = form.Record();
    return true;
}

}  // namespace vg
