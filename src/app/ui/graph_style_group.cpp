#include "app/ui/graph_style_group.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>

#include "app/ui/named_widget.h"
#include "app/ui/style_combo_boxes.h"

namespace vg {

TGraphStyleGroup::TGraphStyleGroup(QWidget* parent) : QGroupBox(parent)
{
    setObjectName("GraphGroupBox");
    auto* grid = new QGridLayout(this);
    LinesCheckBox = Named(new QCheckBox("Lines", this), "LinesCheckBox");
    PointsCheckBox = Named(new QCheckBox("Points", this), "PointsCheckBox");
    ColorComboBox = Named(new TColorComboBox(this), "ColorComboBox");
    LineWidthComboBox = Named(new TLineWidthComboBox(this), "LineWidthComboBox");
    LineStyleComboBox = Named(new TLineComboBox(this), "LineStyleComboBox");
    PointWidthComboBox = Named(new TPointWidthComboBox(this), "PointWidthComboBox");
    PointStyleComboBox = Named(new TPointStyleComboBox(this), "PointStyleComboBox");
    BrushComboBox = Named(new TBrushComboBox(this), "BrushComboBox");
    auto label = [this](const char* text, const char* name, QWidget* buddy) {
        auto* l = Named(new QLabel(text, this), name);
        l->setBuddy(buddy);
        return l;
    };
    QLabel* color = label("Color", "ColorLabel", ColorComboBox);
    QLabel* width = label("Thickness", "LineWidthLabel", LineWidthComboBox);
    QLabel* style = label("Line Style", "LineStyleLabel", LineStyleComboBox);
    QLabel* size = label("Point Size", "PointWidthLabel", PointWidthComboBox);
    QLabel* pointStyle = label("Point Style", "PointStyleLabel", PointStyleComboBox);
    QLabel* brush = label("Style of Shading", "BrushLabel", BrushComboBox);
    grid->addWidget(color, 0, 0);
    grid->addWidget(ColorComboBox, 0, 1);
    grid->addWidget(LinesCheckBox, 1, 0, 1, 2);
    grid->addWidget(width, 2, 0);
    grid->addWidget(LineWidthComboBox, 2, 1);
    grid->addWidget(style, 3, 0);
    grid->addWidget(LineStyleComboBox, 3, 1);
    grid->addWidget(PointsCheckBox, 1, 2, 1, 2);
    grid->addWidget(size, 2, 2);
    grid->addWidget(PointWidthComboBox, 2, 3);
    grid->addWidget(pointStyle, 3, 2);
    grid->addWidget(PointStyleComboBox, 3, 3);
    grid->addWidget(brush, 4, 0);
    grid->addWidget(BrushComboBox, 4, 1);
    grid->setColumnStretch(4, 1);
    lineAndPointControls_ = {LinesCheckBox, PointsCheckBox, width,      LineWidthComboBox,  style,
                             LineStyleComboBox, size,        PointWidthComboBox, pointStyle, PointStyleComboBox};
    brushControls_ = {brush, BrushComboBox};
    ShowRegionControls(false);
}

void TGraphStyleGroup::SetAppearance(const GraphPropsValues& v)
{
    LinesCheckBox->setChecked(v.Lines);
    PointsCheckBox->setChecked(v.Points);
    ColorComboBox->setCurrentIndex(v.ColorIndex);
    LineWidthComboBox->setCurrentIndex(v.LineWidthIndex);
    LineStyleComboBox->setCurrentIndex(v.LineStyleIndex);
    PointWidthComboBox->setCurrentIndex(v.PointSizeIndex);
    PointStyleComboBox->setCurrentIndex(v.PointStyleIndex);
    BrushComboBox->setCurrentIndex(v.BrushIndex);
}

void TGraphStyleGroup::ReadAppearance(GraphPropsValues& v) const
{
    v.Lines = LinesCheckBox->isChecked();
    v.Points = PointsCheckBox->isChecked();
    v.ColorIndex = ColorComboBox->currentIndex();
    v.LineWidthIndex = LineWidthComboBox->currentIndex();
    v.LineStyleIndex = LineStyleComboBox->currentIndex();
    v.PointSizeIndex = PointWidthComboBox->currentIndex();
    v.PointStyleIndex = PointStyleComboBox->currentIndex();
    v.BrushIndex = BrushComboBox->currentIndex();
}

void TGraphStyleGroup::ShowRegionControls(bool region)
{
    for (QWidget* w : lineAndPointControls_) w->setVisible(!region);
    for (QWidget* w : brushControls_) w->setVisible(region);
}

}  // namespace vg
