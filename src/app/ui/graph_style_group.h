#pragma once

// The appearance controls of a graph (lines, points, colour, thickness, line
// style, point size and style, shading) as one group, shared by the graph
// properties dialog and the Default Graph Properties dialog.

#include <QGroupBox>

#include "app/graph_props_model.h"

class QCheckBox;

namespace vg {

class TScaledComboBox;

class TGraphStyleGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit TGraphStyleGroup(QWidget* parent = nullptr);

    // The appearance part of the values (Visible excluded: the "Graph" box
    // stands outside the group).
    void SetAppearance(const GraphPropsValues& values);
    void ReadAppearance(GraphPropsValues& values) const;
    // An inequality is drawn as a shaded region: the line and point
    // controls give way to the shading style.
    void ShowRegionControls(bool region);

    QCheckBox* LinesCheckBox;
    QCheckBox* PointsCheckBox;
    TScaledComboBox* ColorComboBox;
    TScaledComboBox* LineWidthComboBox;
    TScaledComboBox* LineStyleComboBox;
    TScaledComboBox* PointWidthComboBox;
    TScaledComboBox* PointStyleComboBox;
    TScaledComboBox* BrushComboBox;

private:
    QList<QWidget*> lineAndPointControls_;
    QList<QWidget*> brushControls_;
};

}  // namespace vg
