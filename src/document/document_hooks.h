#pragma once

#include "document/document_options.h"
#include "document/graph_record.h"

namespace vg {

// Records undo entries for changes of a document. The undo history plugs in
// here; each call answers whether it recorded an entry. The default records
// nothing.
class DocumentUndoHook {
public:
    virtual ~DocumentUndoHook() = default;
    virtual bool RecordDocumentOptions(const DocumentOptions& /*old*/) { return false; }
    virtual bool RecordViewSettings(const ViewSettings& /*old*/) { return false; }
    virtual bool RecordGraphChange(int /*index*/, const GraphRecord& /*old*/) { return false; }
    // The graph at index is about to be removed.
    virtual bool RecordGraphDeleted(int /*index*/, const GraphRecord& /*record*/) { return false; }
    // A graph was appended as the last one.
    virtual bool RecordGraphAdded() { return false; }
    // The graph at source is moved before the graph at target.
    virtual bool RecordGraphMoved(int /*source*/, int /*target*/) { return false; }
};

// The window side of a document: what it draws after a change. The default
// draws nothing.
class DocumentView {
public:
    virtual ~DocumentView() = default;
    // The frame, grid and axes, without any graph (before a recompute pass).
    virtual void DrawWithoutGraphs() {}
    // One graph over the picture already drawn.
    virtual void DrawGraphOver(int /*index*/) {}
    // Invalidate and repaint everything.
    virtual void Repaint() {}
};

DocumentUndoHook& NoUndoHook();
DocumentView& NoDocumentView();

}  // namespace vg
