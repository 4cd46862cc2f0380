#pragma once

// The graph commands of the main window: Add Graph, Double Graph, Delete
// Graph, Graph Properties (on either page) and Default Graph Properties, and
// adding a graph that starts from a prepared record (Double Graph, the
// derivative, tangent, integral and regression tools, Open Table).

#include "app/graph_props_model.h"

namespace vg {

class TMainForm;
struct GraphRecord;

// Add Graph starting from a copy of record: the new-colour rule applies, the
// graph properties dialog opens as "Add Graph", and on OK the graph is
// appended to the active document with its undo step, listed, selected,
// computed and drawn. True when a graph was added; false for Cancel, for a
// full document (after its message) or without an active document.
bool AddGraphFromRecord(TMainForm& form, const GraphRecord& record);

// The commands on the active document and its selected graph; each does
// nothing while a computation runs.
bool AddGraphCommand(TMainForm& form);
bool DoubleGraphCommand(TMainForm& form);
void DeleteGraphCommand(TMainForm& form);
void GraphPropertiesCommand(TMainForm& form, GraphPropsPage page);
void DefaultGraphPropertiesCommand(TMainForm& form);

// Attaches the graph commands, the Graph toolbar's controls and the graph
// list window to the main window.
void InstallGraphCommands(TMainForm& form);

}  // namespace vg
