#pragma once

// The Graph toolbar's graph controls: the style boxes (drawn through the
// Canvas) and the Draw graph, Draw with lines and Draw with points buttons
// show the selected graph of the active document and edit it, each edit an
// undo step. The toolbar's graph box (FuncComboBox) selects the graph.

#include <QObject>

#include "app/graph_toolbar_model.h"

class QAction;

namespace vg {

class TMainForm;
class TScaledComboBox;

class TGraphToolbar : public QObject {
    Q_OBJECT
public:
    // Takes the place of the toolbar's plain style boxes.
    explicit TGraphToolbar(TMainForm& form);

    // Loads the selected graph into the controls, or their empty state.
    void ShowGraphInToolbar();
    // One edit of the selected graph from a control.
    void Edit(ToolbarControl control, int value = 0);

    TScaledComboBox* Box(ToolbarControl control) const;

private:
    struct Slot {
        ToolbarControl control;
        TScaledComboBox* box;
        QAction* action;  // the box's place in the toolbar
    };
    void TakeOverBox(const char* name, ToolbarControl control);
    const Slot* SlotOf(ToolbarControl control) const;

    TMainForm& form_;
    std::vector<Slot> slots_;
};

}  // namespace vg
