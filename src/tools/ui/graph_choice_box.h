#pragma once

// The graph box of the derivative and tangent windows: the document's graphs
// by their descriptions, the main window's selected graph chosen.

#include <QComboBox>

namespace vg {

class TGraphicsManager;

// The box ("FuncComboBox"), wide enough for a graph's description.
QComboBox* NewGraphChoiceBox(QWidget* parent);

// Fills box once per opening of a window. With no document (a busy one is
// passed as none) or no selected graph the box shows nothing chosen.
void FillGraphChoiceBox(QComboBox* box, const TGraphicsManager* document, int selectedGraph);

// The graph index of the chosen item; -1 for none.
int ChosenGraphIndex(const QComboBox* box, const TGraphicsManager* document);

}  // namespace vg
