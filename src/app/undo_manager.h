#pragma once

// The undo history of one document: the changes of its graphs, their order
// and its option records, kept as full snapshots of the records concerned so
// that undoing writes the snapshot back.

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "document/document_hooks.h"
#include "document/graph_model.h"

namespace vg {

class TUndoManager;

// The kind byte of an entry.
enum class TUndoKind : uint8_t {
    OptionsChanged = 0,
    GraphDeleted = 1,
    GraphChanged = 2,
    GraphAdded = 3,
    GraphsOrderChanged = 4,
    ViewSettingsChanged = 5,
    // Both option records changed by one command (Axis Options).
    OptionsAndViewChanged = 6,
};

// One recorded change.
struct TUndoEntry {
    TUndoKind Kind = TUndoKind::OptionsChanged;
    // The bytes of the record by kind: DocumentOptions (0), the graph's
    // GraphRecord (1, 2; 3 once redoable), ViewSettings (5), DocumentOptions
    // followed by ViewSettings (6); empty otherwise.
    std::vector<uint8_t> Snapshot;
    uint8_t Source = 0;      // kind 4: the position the graph was taken from
    uint8_t Target = 0;      // kind 4: the position it was dropped on
    uint8_t GraphIndex = 0;  // kinds 1 and 2: the graph's position
};

// Number of undo steps a document keeps.
inline constexpr int kUndoDepth = 15;

// The window side of undo and redo: the Undo/Redo commands and the two graph
// lists (the Graph toolbar's list and the graph list window) that must stay
// in step with the document's graphs. The defaults do nothing.
class TUndoListener {
public:
    virtual ~TUndoListener() = default;
    // The captions or the enabled state of Undo and Redo changed.
    virtual void UndoStateChanged(const TUndoManager& /*manager*/) {}
    // The position selected in the graph lists; -1 when none.
    virtual int SelectedGraph() const { return -1; }
    virtual void InsertGraphsListItem(int /*index*/) {}
    virtual void DeleteGraphsListItem(int /*index*/) {}
    virtual void SetGraphsListItem(int /*index*/) {}
    // Selects a position in both lists; -1 selects nothing.
    virtual void SetGraphsListItemIndex(int /*index*/) {}
    // The graphs changed: refresh the graph list window and the main window,
    // enable the graph commands when there are graphs (else reset the Graph
    // toolbar and disable them) and show the selected graph in the toolbar.
    virtual void GraphsChanged() {}
};

// The undo history of one document. It plugs itself into the document as
// its undo hook, so every recording operation of the document reaches it.
class TUndoManager : public DocumentUndoHook {
public:
    explicit TUndoManager(TGraphicsManager& document);
    ~TUndoManager() override;
    TUndoManager(const TUndoManager&) = delete;
    TUndoManager& operator=(const TUndoManager&) = delete;

    TGraphicsManager& Document;

    void SetListener(TUndoListener* listener) { listener_ = listener; }

    // Recording (snapshots are taken before the change). Each adds an entry
    // to the undo list under the depth rule and, outside undo and redo,
    // clears the redo list.
    bool RecordDocumentOptions(const DocumentOptions& old) override;
    bool RecordViewSettings(const ViewSettings& old) override;
    bool RecordGraphChange(int index, const GraphRecord& old) override;
    bool RecordGraphDeleted(int index, const GraphRecord& record) override;
    bool RecordGraphAdded() override;
    bool RecordGraphMoved(int source, int target) override;

    // One command that changes both option records: what it records between
    // BeginStep and EndStep makes a single step.
    void BeginStep();
    void EndStep();

    // Undoes the newest undo entry / redoes the newest redo entry. False when
    // the list is empty or the entry did not fit the document (it is then
    // dropped and both lists are cleared).
    bool Undo();
    bool Redo();

    bool CanUndo() const { return !undoList_.empty(); }
    bool CanRedo() const { return !redoList_.empty(); }
    // The menu captions naming the change that would be undone or redone,
    // translated.
    std::string UndoCaption() const;
    std::string RedoCaption() const;
    // Tells the listener that the captions may have changed.
    void RefreshCaptions();

    const std::deque<TUndoEntry>& UndoList() const { return undoList_; }
    const std::deque<TUndoEntry>& RedoList() const { return redoList_; }
    bool InUndoRedo() const { return inUndoRedo_; }

private:
    enum class Mode { Normal, Undoing, Redoing };

    bool Record(TUndoEntry entry);
    void PushUndo(TUndoEntry entry);
    int DepthLimit() const { return kUndoDepth + (extraDepth_ ? 1 : 0); }
    bool Replay(const TUndoEntry& entry, Mode mode);
    void DropInconsistentEntry();
    void Finish();

    bool ReplayOptions(const TUndoEntry& entry, Mode mode);
    bool ReplayView(const TUndoEntry& entry, Mode mode);
    bool ReplayOptionsAndView(const TUndoEntry& entry, Mode mode);
    bool MergeIntoStep(const TUndoEntry& entry);
    bool RestoreDeletedGraph(const TUndoEntry& entry);
    bool DeleteGraphAgain(const TUndoEntry& entry);
    bool ReplayGraphChange(const TUndoEntry& entry, Mode mode);
    bool RemoveAddedGraph();
    bool AddGraphAgain(const TUndoEntry& entry);
    bool ReplayMove(const TUndoEntry& entry, Mode mode);

    TUndoListener& Listener() const;
    void MoveListLine(int from, int to);

    std::deque<TUndoEntry> undoList_;
    std::deque<TUndoEntry> redoList_;
    TUndoListener* listener_ = nullptr;
    bool inUndoRedo_ = false;
    // Lets the undo list hold one entry more for the length of one call
    // (the redo of an option change records twice and removes one).
    bool extraDepth_ = false;
    // Set while a replay changes a graph through the document, whose own
    // recording must not add a second entry.
    bool muted_ = false;
    // Inside BeginStep/EndStep; whether the step has recorded its entry yet.
    bool stepOpen_ = false;
    bool stepRecorded_ = false;
};

}  // namespace vg
