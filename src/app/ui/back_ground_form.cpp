#include "app/ui/back_ground_form.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/ui/named_widget.h"
#include "app/ui/style_combo_boxes.h"

namespace vg {

namespace {

int g_page = 0;

}  // namespace

TBackGroundForm::TBackGroundForm(QWidget* parent)
    : TOptionsDialog(parent, "BackGroundForm", "Background Options", kHelpContext, g_page)
{
    QWidget* grid = AddPage("GridSheet", "Grid");
    auto* gridLayout = new QGridLayout(grid);
    horizontal_ = AddLines(grid, 0, "Hor", "DrawHorLinesBox", "Horizontal Lines", "StepHorEdit", true);
    vertical_ = AddLines(grid, 2, "Vert", "DrawVertLinesBox", "Vertical Lines", "StepVertEdit", true);
    gridLayout->setRowStretch(4, 1);

    QWidget* polar = AddPage("PolarGridSheet", "Polar Grid");
    auto* polarLayout = new QGridLayout(polar);
    angular_ = AddLines(polar, 0, "Angle", "AngleCheckBox", "Angular Grid", "AngleStepEdit", false, "Pi");
    radial_ = AddLines(polar, 2, "Radius", "RadiusCheckBox", "Radial Grid", "RadiusStepEdit", false);
    polarLayout->setRowStretch(4, 1);

    auto* below = new QWidget(this);
    below->setObjectName("BackColorPanel");
    auto* row = new QHBoxLayout(below);
    row->setContentsMargins(0, 0, 0, 0);
    backColor_ = Named(new TColorComboBox(below), "BackColorComboBox");
    auto* label = Named(new QLabel("Background Color", below), "BackColorLabel");
    label->setBuddy(backColor_);
    row->addWidget(label);
    row->addWidget(backColor_);
    row->addStretch(1);
    Finish(below);
}

TBackGroundForm::LineControls TBackGroundForm::AddLines(QWidget* page, int row, const char* prefix,
                                                        const char* showName, const char* caption,
                                                        const char* stepName, bool withStyle, const char* unit)
{
    auto* grid = static_cast<QGridLayout*>(page->layout());
    const QString p = QString::fromLatin1(prefix);
    LineControls c;
    c.Show = Named(new QCheckBox(caption, page), showName);
    grid->addWidget(c.Show, row, 0, 1, 8);
    c.Step = Named(new QLineEdit(page), stepName);
    c.Step->setMinimumWidth(90);
    auto label = [&](const char* text, const QString& name, QWidget* buddy, int column) {
        auto* l = Named(new QLabel(text, page), name);
        l->setBuddy(buddy);
        grid->addWidget(l, row + 1, column);
    };
    label("Step", p + "StepLabel", c.Step, 0);
    if (unit) {
        auto* step = new QWidget(page);
        auto* stepRow = new QHBoxLayout(step);
        stepRow->setContentsMargins(0, 0, 0, 0);
        stepRow->addWidget(c.Step);
        stepRow->addWidget(Named(new QLabel(unit, step), p + "PiLabel"));
        grid->addWidget(step, row + 1, 1);
    } else {
        grid->addWidget(c.Step, row + 1, 1);
    }
    int column = 2;
    if (withStyle) {
        c.Style = Named(new TLineComboBox(page), p + "StyleComboBox");
        label("Style", p + "StyleLabel", c.Style, column++);
        grid->addWidget(c.Style, row + 1, column++);
    }
    c.Color = Named(new TColorComboBox(page), p + "ColorComboBox");
    label("Color", p + "ColorLabel", c.Color, column++);
    grid->addWidget(c.Color, row + 1, column++);
    c.Width = Named(new TLineWidthComboBox(page), p + "WidthComboBox");
    label("Thickness", p + "WidthLabel", c.Width, column++);
    grid->addWidget(c.Width, row + 1, column++);
    return c;
}

void TBackGroundForm::Fill(const LineControls& c, const GridLinesValues& v)
{
    c.Show->setChecked(v.Show);
    c.Step->setText(FieldText(v.Step));
    if (c.Style) c.Style->setCurrentIndex(v.StyleIndex);
    c.Color->setCurrentIndex(v.ColorIndex);
    c.Width->setCurrentIndex(v.WidthIndex);
}

GridLinesValues TBackGroundForm::Read(const LineControls& c)
{
    return {c.Show->isChecked(), FieldString(c.Step->text()), c.Style ? c.Style->currentIndex() : 0,
            c.Color->currentIndex(), c.Width->currentIndex()};
}

void TBackGroundForm::SetOptions(const DocumentOptions& document)
{
    record_ = document;
    const BackgroundOptionsValues v = BackgroundOptionsFromRecord(document);
    Fill(horizontal_, v.Horizontal);
    Fill(vertical_, v.Vertical);
    Fill(angular_, v.Angular);
    Fill(radial_, v.Radial);
    backColor_->setCurrentIndex(v.BackColorIndex);
}

bool TBackGroundForm::Accept()
{
    BackgroundOptionsValues v;
    v.Horizontal = Read(horizontal_);
    v.Vertical = Read(vertical_);
    v.Angular = Read(angular_);
    v.Radial = Read(radial_);
    v.BackColorIndex = backColor_->currentIndex();
    DocumentOptions edited = record_;
    if (std::optional<OptionsFailure> failure = AcceptBackgroundOptions(v, edited)) {
        ShowFailure(*failure);
        return false;
    }
    record_ = edited;
    return true;
}

}  // namespace vg
