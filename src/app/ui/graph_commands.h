#pragma once

// The graph commands that other windows call: adding a graph that starts
// from a prepared record (Double Graph, the derivative, tangent, integral and
// regression tools, Open Table).

namespace vg {

class TMainForm;
struct GraphRecord;

// Add Graph starting from a copy of record: the new-colour rule applies, the
// graph properties dialog opens as "Add Graph", and on OK the graph is
// appended to the active document with its undo step, listed, selected,
// computed and drawn. True when a graph was added; false for Cancel, for a
// full document (after its message) or without an active document.
bool AddGraphFromRecord(TMainForm& form, const GraphRecord& record);

}  // namespace vg
