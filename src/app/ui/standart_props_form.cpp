#include "app/ui/standart_props_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/app_globals.h"
#include "app/graph_props_model.h"
#include "app/ui/graph_props_form.h"
#include "app/ui/graph_style_group.h"
#include "app/ui/help_form.h"
#include "app/ui/style_combo_boxes.h"
#include "app/ui/translate_component.h"

namespace vg {

namespace {

QString Tx(std::string_view english) { return TranslateText(english); }
struct KindButton {
    const char* name;
    const char* caption;
    GraphKind kind;
};
constexpr KindButton kKindButtons[] = {
    {"YFromXButton", "Y(x)", GraphKind::YFromX},
    {"XFromYButton", "X(y)", GraphKind::XFromY},
    {"PolarButton", "R(a)", GraphKind::Polar},
    {"ParamButton", "X(t) and Y(t)", GraphKind::Param},
    {"TableButton", "Table", GraphKind::Table},
    {"EquationButton", "Equation or Inequality", GraphKind::Equation},
    {"DifFieldButton", "Slope Field", GraphKind::DifField},
};

}  // namespace

TStandartPropsForm::TStandartPropsForm(QWidget* parent) : QDialog(parent)
{
    setObjectName("StandartPropsForm");
    setWindowTitle("Default Graph Properties");
    auto* layout = new QVBoxLayout(this);
    FuncStyleComboBox = new QComboBox(this);
    FuncStyleComboBox->setObjectName("FuncStyleComboBox");
    layout->addWidget(FuncStyleComboBox);
    GraphGroupBox = new TGraphStyleGroup(this);
    // Every default is shown here, the shading style too.
    GraphGroupBox->ShowRegionControls(false);
    GraphGroupBox->BrushComboBox->setVisible(true);
    if (QWidget* label = GraphGroupBox->findChild<QWidget*>("BrushLabel")) label->setVisible(true);
    layout->addWidget(GraphGroupBox);
    DrawGraphicCheckBox = new QCheckBox("Graph", this);
    DrawGraphicCheckBox->setObjectName("DrawGraphicCheckBox");
    layout->addWidget(DrawGraphicCheckBox);

    auto* kinds = new QGroupBox("Add'l Properties", this);
    kinds->setObjectName("OtherPropsGroupBox");
    auto* grid = new QGridLayout(kinds);
    int n = 0;
    for (const KindButton& k : kKindButtons) {
        auto* button = new QPushButton(k.caption, kinds);
        button->setObjectName(k.name);
        button->setAutoDefault(false);
        grid->addWidget(button, n / 2, n % 2);
        const GraphKind kind = k.kind;
        connect(button, &QPushButton::clicked, this, [this, kind] { KindButtonClick(kind); });
        ++n;
    }
    layout->addWidget(kinds);

    auto* row = new QHBoxLayout;
    row->addStretch(1);
    OKButton = new QPushButton("OK", this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    CancelButton = new QPushButton("Cancel", this);
    CancelButton->setObjectName("CancelButton");
    auto* help = new QPushButton("Help", this);
    help->setObjectName("HelpButton");
    help->setAutoDefault(false);
    row->addWidget(OKButton);
    row->addWidget(CancelButton);
    row->addWidget(help);
    layout->addLayout(row);
    connect(OKButton, &QPushButton::clicked, this, &TStandartPropsForm::OKButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { THelpForm::ShowContext(this, kHelpContext); });

    TranslateComponent(this);
    for (int kind = 0; kind < kOfferedKindCount; ++kind) {
        const auto k = static_cast<GraphKind>(kind);
        FuncStyleComboBox->addItem(k == GraphKind::Polar ? "R(a) - " + Tx("polar coordinate system")
                                                         : Tx(GraphKindText(k)));
    }
}

void TStandartPropsForm::SetOptions(const DocumentOptions& options)
{
    options_ = options;
    const uint8_t kind = static_cast<uint8_t>(options.DefaultKind);
    shownKind_ = kind < kOfferedKindCount ? kind : 0;
    FuncStyleComboBox->setCurrentIndex(shownKind_);
    const GraphPropsValues look = AppearanceValues(options.DefaultStyle);
    GraphGroupBox->SetAppearance(look);
    DrawGraphicCheckBox->setChecked(look.Visible);
}

void TStandartPropsForm::OKButtonClick()
{
    GraphPropsValues look;
    GraphGroupBox->ReadAppearance(look);
    look.Visible = DrawGraphicCheckBox->isChecked();
    ApplyAppearance(options_.DefaultStyle, look);
    const int kind = FuncStyleComboBox->currentIndex();
    if (kind >= 0 && kind != shownKind_) options_.DefaultKind = static_cast<GraphKind>(kind);
    accept();
}

void TStandartPropsForm::KindButtonClick(GraphKind kind)
{
    GraphRecord record = KindDefaultsRecord(options_, kind);
    // The parameters alone are edited: an enlarged table grid has no place here.
    bool& zoom = ProgramOptions().Common.ZoomTableWindow;
    const bool zoomed = zoom;
    zoom = false;
    const bool accepted =
        EditGraphRecord(this, record, TGraphPropsForm::Mode::KindDefaults, GraphPropsPage::OtherProperties);
    zoom = zoomed;
    if (accepted) StoreKindDefaults(options_, record);
}

}  // namespace vg
