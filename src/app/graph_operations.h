#pragma once

// The document operations that add, delete and reorder graphs. Each marks
// the document modified and records its undo step through the document's
// undo hook before it changes anything; the windows call these and then
// bring their lists up to date. Changing a graph's record is the document's
// own ChangeGraphRecord.

#include "document/graph_model.h"

namespace vg {

// Appends a graph made from record. Returns its index, or -1 when the
// document already holds the largest number of graphs (nothing changes).
int AddGraphToDocument(TGraphicsManager& document, const GraphRecord& record);

// Removes the graph at index; false (nothing changes) when there is none.
bool DeleteGraphFromDocument(TGraphicsManager& document, int index);

// Takes the graph at source out and inserts it before the graph that stood
// at target (so moving down lands it just above target). Returns the moved
// graph's new position, or -1 when nothing changes: target equals source or
// source + 1, or a position lies outside the list (target may be the count).
int MoveGraphInDocument(TGraphicsManager& document, int source, int target);

// Where a graph moved from source before target ends up.
int MovedGraphPosition(int source, int target);

// Computes one graph that holds no data with the document's options, the
// picture drawn without graphs meanwhile and repainted afterwards.
void ComputeGraphWithRedraw(TGraphicsManager& document, int index);

}  // namespace vg
