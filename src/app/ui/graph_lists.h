#pragma once

// The two lists of the active document's graphs: the Graph toolbar's graph
// box (FuncComboBox) and the graph list window, which shows the same items.
// Positions are graph indices; the selected position is the selected graph.

class QComboBox;

namespace vg {

class TMainForm;
struct GraphRecord;

QComboBox* GraphListBox(TMainForm& form);
// The selected graph of the active document; -1 when there is none.
int SelectedGraph(TMainForm& form);
void AddGraphsListItem(TMainForm& form, const GraphRecord& record);
void InsertGraphsListItem(TMainForm& form, int index, const GraphRecord& record);
void SetGraphsListItem(TMainForm& form, int index, const GraphRecord& record);
void DeleteGraphsListItem(TMainForm& form, int index);
void SetGraphsListItemIndex(TMainForm& form, int index);

}  // namespace vg
