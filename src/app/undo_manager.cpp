#include "app/undo_manager.h"

#include <cstring>
#include <type_traits>
#include <utility>

#include "app/app_globals.h"
#include "app/graph_operations.h"
#include "app/translator.h"
#include "document/apply_options.h"

namespace vg {

namespace {

template <class Record>
std::vector<uint8_t> SnapshotOf(const Record& record)
{
    static_assert(std::is_trivially_copyable_v<Record>);
    const auto* bytes = reinterpret_cast<const uint8_t*>(&record);
    return std::vector<uint8_t>(bytes, bytes + sizeof(Record));
}

// False when the entry holds no record of this type.
template <class Record>
bool FromSnapshot(const std::vector<uint8_t>& snapshot, Record& record)
{
    static_assert(std::is_trivially_copyable_v<Record>);
    if (snapshot.size() != sizeof(Record)) return false;
    std::memcpy(&record, snapshot.data(), sizeof(Record));
    return true;
}

bool FitsByte(int value) { return value >= 0 && value <= 255; }

TUndoEntry MakeEntry(TUndoKind kind, std::vector<uint8_t> snapshot = {}, int graphIndex = 0)
{
    TUndoEntry entry;
    entry.Kind = kind;
    entry.Snapshot = std::move(snapshot);
    entry.GraphIndex = static_cast<uint8_t>(graphIndex);
    return entry;
}

const char* UndoCaptionText(TUndoKind kind)
{
    switch (kind) {
    case TUndoKind::OptionsChanged:
    case TUndoKind::ViewSettingsChanged:
    case TUndoKind::OptionsAndViewChanged: return "&Undo Change options";
    case TUndoKind::GraphDeleted: return "&Undo Delete graph";
    case TUndoKind::GraphChanged: return "&Undo Change graph properties";
    case TUndoKind::GraphAdded: return "&Undo Add graph";
    case TUndoKind::GraphsOrderChanged: return "&Undo Change graphs order";
    }
    return "&Undo";
}

const char* RedoCaptionText(TUndoKind kind)
{
    switch (kind) {
    case TUndoKind::OptionsChanged:
    case TUndoKind::ViewSettingsChanged:
    case TUndoKind::OptionsAndViewChanged: return "&Redo Change options";
    case TUndoKind::GraphDeleted: return "&Redo Delete graph";
    case TUndoKind::GraphChanged: return "&Redo Change graph properties";
    case TUndoKind::GraphAdded: return "&Redo Add graph";
    case TUndoKind::GraphsOrderChanged: return "&Redo Change graphs order";
    }
    return "&Redo";
}

// The selected position after the graph at from moved to position to, so
// that the selection stays on the graph that was selected.
int FollowMove(int selected, int from, int to)
{
    if (selected == from) return to;
    if (from < selected && selected <= to) return selected - 1;
    if (to <= selected && selected < from) return selected + 1;
    return selected;
}

// Sets a flag for the length of a scope, restoring the old value on every
// way out.
class FlagScope {
public:
    FlagScope(bool& flag, bool value) : flag_(flag), saved_(flag) { flag_ = value; }
    ~FlagScope() { flag_ = saved_; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
    bool saved_;
};

TUndoListener& NoUndoListener()
{
    static TUndoListener none;
    return none;
}

}  // namespace

TUndoManager::TUndoManager(TGraphicsManager& document) : Document(document)
{
    Document.SetUndoHook(this);
}

TUndoManager::~TUndoManager()
{
    if (&Document.UndoHook() == this) Document.SetUndoHook(nullptr);
}

TUndoListener& TUndoManager::Listener() const { return listener_ ? *listener_ : NoUndoListener(); }

// ---------------------------------------------------------------------------
// Recording

void TUndoManager::PushUndo(TUndoEntry entry)
{
    while (!undoList_.empty() && static_cast<int>(undoList_.size()) >= DepthLimit()) undoList_.pop_front();
    undoList_.push_back(std::move(entry));
}

bool TUndoManager::Record(TUndoEntry entry)
{
    if (muted_) return false;
    if (stepOpen_ && stepRecorded_ && MergeIntoStep(entry)) {
        RefreshCaptions();
        return true;
    }
    if (stepOpen_) stepRecorded_ = true;
    PushUndo(std::move(entry));
    if (!inUndoRedo_) redoList_.clear();
    RefreshCaptions();
    return true;
}

bool TUndoManager::RecordDocumentOptions(const DocumentOptions& old)
{
    return Record(MakeEntry(TUndoKind::OptionsChanged, SnapshotOf(old)));
}

bool TUndoManager::RecordViewSettings(const ViewSettings& old)
{
    return Record(MakeEntry(TUndoKind::ViewSettingsChanged, SnapshotOf(old)));
}

void TUndoManager::BeginStep()
{
    stepOpen_ = true;
    stepRecorded_ = false;
}

void TUndoManager::EndStep()
{
    stepOpen_ = false;
    stepRecorded_ = false;
}

// The second record of a step joins the first: the options' snapshot, then
// the view's. Anything else stays a step of its own.
bool TUndoManager::MergeIntoStep(const TUndoEntry& entry)
{
    if (undoList_.empty()) return false;
    TUndoEntry& first = undoList_.back();
    const bool optionsThenView =
        first.Kind == TUndoKind::OptionsChanged && entry.Kind == TUndoKind::ViewSettingsChanged;
    const bool viewThenOptions =
        first.Kind == TUndoKind::ViewSettingsChanged && entry.Kind == TUndoKind::OptionsChanged;
    if (!optionsThenView && !viewThenOptions) return false;
    std::vector<uint8_t> both = optionsThenView ? first.Snapshot : entry.Snapshot;
    const std::vector<uint8_t>& view = optionsThenView ? entry.Snapshot : first.Snapshot;
    both.insert(both.end(), view.begin(), view.end());
    first.Kind = TUndoKind::OptionsAndViewChanged;
    first.Snapshot = std::move(both);
    return true;
}

bool TUndoManager::RecordGraphChange(int index, const GraphRecord& old)
{
    if (!FitsByte(index)) return false;
    return Record(MakeEntry(TUndoKind::GraphChanged, SnapshotOf(old), index));
}

bool TUndoManager::RecordGraphDeleted(int index, const GraphRecord& record)
{
    if (!FitsByte(index)) return false;
    return Record(MakeEntry(TUndoKind::GraphDeleted, SnapshotOf(record), index));
}

bool TUndoManager::RecordGraphAdded()
{
    return Record(MakeEntry(TUndoKind::GraphAdded));
}

bool TUndoManager::RecordGraphMoved(int source, int target)
{
    if (!FitsByte(source) || !FitsByte(target)) return false;
    TUndoEntry entry = MakeEntry(TUndoKind::GraphsOrderChanged);
    entry.Source = static_cast<uint8_t>(source);
    entry.Target = static_cast<uint8_t>(target);
    return Record(std::move(entry));
}

// ---------------------------------------------------------------------------
// Captions

std::string TUndoManager::UndoCaption() const
{
    return Translate(undoList_.empty() ? "&Undo" : UndoCaptionText(undoList_.back().Kind));
}

std::string TUndoManager::RedoCaption() const
{
    return Translate(redoList_.empty() ? "&Redo" : RedoCaptionText(redoList_.back().Kind));
}

void TUndoManager::RefreshCaptions() { Listener().UndoStateChanged(*this); }

// ---------------------------------------------------------------------------
// Undo and redo

bool TUndoManager::Undo()
{
    if (undoList_.empty()) return false;
    TUndoEntry entry = std::move(undoList_.back());
    undoList_.pop_back();
    RefreshCaptions();
    if (!Replay(entry, Mode::Undoing)) {
        DropInconsistentEntry();
        return false;
    }
    Finish();
    return true;
}

bool TUndoManager::Redo()
{
    if (redoList_.empty()) return false;
    TUndoEntry entry = std::move(redoList_.back());
    redoList_.pop_back();
    bool replayed = false;
    {
        FlagScope inUndoRedo(inUndoRedo_, true);
        RefreshCaptions();
        replayed = Replay(entry, Mode::Redoing);
    }
    if (!replayed) {
        DropInconsistentEntry();
        return false;
    }
    Finish();
    return true;
}

void TUndoManager::Finish()
{
    Document.Modified = true;
    RefreshCaptions();
}

void TUndoManager::DropInconsistentEntry()
{
    // An entry that does not fit the document means the history no longer
    // describes it: nothing of it can be trusted.
    undoList_.clear();
    redoList_.clear();
    RefreshCaptions();
}

bool TUndoManager::Replay(const TUndoEntry& entry, Mode mode)
{
    switch (entry.Kind) {
    case TUndoKind::OptionsChanged: return ReplayOptions(entry, mode);
    case TUndoKind::ViewSettingsChanged: return ReplayView(entry, mode);
    case TUndoKind::OptionsAndViewChanged: return ReplayOptionsAndView(entry, mode);
    case TUndoKind::GraphDeleted: return mode == Mode::Undoing ? RestoreDeletedGraph(entry) : DeleteGraphAgain(entry);
    case TUndoKind::GraphChanged: return ReplayGraphChange(entry, mode);
    case TUndoKind::GraphAdded: return mode == Mode::Undoing ? RemoveAddedGraph() : AddGraphAgain(entry);
    case TUndoKind::GraphsOrderChanged: return ReplayMove(entry, mode);
    }
    return false;
}

// Options: the reverse step holds the document's own record; the apply
// records an entry of its own, which is taken off again when it did.
bool TUndoManager::ReplayOptions(const TUndoEntry& entry, Mode mode)
{
    DocumentOptions snapshot;
    if (!FromSnapshot(entry.Snapshot, snapshot)) return false;
    TUndoEntry reverse = MakeEntry(TUndoKind::OptionsChanged, SnapshotOf(Document.Options));
    if (mode == Mode::Undoing) redoList_.push_back(std::move(reverse));
    else Record(std::move(reverse));
    GlobalDocumentOptions() = snapshot;
    ApplyOutcome outcome;
    {
        FlagScope inUndoRedo(inUndoRedo_, true);
        FlagScope extraDepth(extraDepth_, mode == Mode::Redoing);
        outcome = ApplyDocumentOptions(Document, snapshot);
    }
    if (outcome.UndoRecorded && !undoList_.empty()) undoList_.pop_back();
    return true;
}

bool TUndoManager::ReplayView(const TUndoEntry& entry, Mode mode)
{
    ViewSettings snapshot;
    if (!FromSnapshot(entry.Snapshot, snapshot)) return false;
    TUndoEntry reverse = MakeEntry(TUndoKind::ViewSettingsChanged, SnapshotOf(Document.View));
    if (mode == Mode::Undoing) redoList_.push_back(std::move(reverse));
    else Record(std::move(reverse));
    GlobalViewSettings() = snapshot;
    ApplyOutcome outcome;
    {
        FlagScope inUndoRedo(inUndoRedo_, true);
        FlagScope extraDepth(extraDepth_, mode == Mode::Redoing);
        outcome = ApplyViewSettings(Document, snapshot);
    }
    if (outcome.UndoRecorded && !undoList_.empty()) undoList_.pop_back();
    return true;
}

// Both records, the view first as Axis Options applies them; each apply's
// own entry is taken off again.
bool TUndoManager::ReplayOptionsAndView(const TUndoEntry& entry, Mode mode)
{
    if (entry.Snapshot.size() != sizeof(DocumentOptions) + sizeof(ViewSettings)) return false;
    DocumentOptions options;
    ViewSettings view;
    std::memcpy(&options, entry.Snapshot.data(), sizeof options);
    std::memcpy(&view, entry.Snapshot.data() + sizeof options, sizeof view);
    std::vector<uint8_t> current = SnapshotOf(Document.Options);
    const std::vector<uint8_t> currentView = SnapshotOf(Document.View);
    current.insert(current.end(), currentView.begin(), currentView.end());
    TUndoEntry reverse = MakeEntry(TUndoKind::OptionsAndViewChanged, std::move(current));
    if (mode == Mode::Undoing) redoList_.push_back(std::move(reverse));
    else Record(std::move(reverse));
    GlobalViewSettings() = view;
    GlobalDocumentOptions() = options;
    FlagScope inUndoRedo(inUndoRedo_, true);
    FlagScope extraDepth(extraDepth_, mode == Mode::Redoing);
    if (ApplyViewSettings(Document, view).UndoRecorded && !undoList_.empty()) undoList_.pop_back();
    if (ApplyDocumentOptions(Document, options).UndoRecorded && !undoList_.empty()) undoList_.pop_back();
    return true;
}

bool TUndoManager::RestoreDeletedGraph(const TUndoEntry& entry)
{
    GraphRecord record;
    if (!FromSnapshot(entry.Snapshot, record)) return false;
    const int index = entry.GraphIndex;
    if (index > Document.GraphCount() || Document.GraphCount() >= kMaxGraphs) return false;

    int selected = Listener().SelectedGraph();
    redoList_.push_back(entry);
    Document.InsertGraph(record, index);
    Listener().InsertGraphsListItem(index);
    if (selected < 0) selected = 0;
    else if (selected >= index) ++selected;
    Listener().SetGraphsListItemIndex(selected);
    Listener().GraphsChanged();
    if (Document.Graph(index).ValuesSize == 0) ComputeGraphWithRedraw(Document, index);
    else Document.Window().Repaint();
    return true;
}

bool TUndoManager::DeleteGraphAgain(const TUndoEntry& entry)
{
    const int index = entry.GraphIndex;
    if (index >= Document.GraphCount()) return false;
    int selected = Listener().SelectedGraph();
    DeleteGraphFromDocument(Document, index);  // records the step again
    Listener().DeleteGraphsListItem(index);
    if (selected > index) --selected;
    if (selected > Document.GraphCount() - 1) selected = Document.GraphCount() - 1;
    Listener().SetGraphsListItemIndex(selected);
    Listener().GraphsChanged();
    Document.Window().Repaint();
    return true;
}

bool TUndoManager::ReplayGraphChange(const TUndoEntry& entry, Mode mode)
{
    GraphRecord record;
    if (!FromSnapshot(entry.Snapshot, record)) return false;
    const int index = entry.GraphIndex;
    if (index >= Document.GraphCount()) return false;

    TUndoEntry reverse = MakeEntry(TUndoKind::GraphChanged, SnapshotOf(Document.Graph(index).Record), index);
    if (mode == Mode::Undoing) redoList_.push_back(std::move(reverse));
    else Record(std::move(reverse));
    const int selected = Listener().SelectedGraph();
    {
        // The document's own change decides whether the data must be
        // recomputed; its recording is ours already.
        FlagScope muted(muted_, true);
        Document.ChangeGraphRecord(index, record);
    }
    Listener().SetGraphsListItem(index);
    Listener().SetGraphsListItemIndex(selected);
    Listener().GraphsChanged();
    Document.Window().Repaint();
    return true;
}

bool TUndoManager::RemoveAddedGraph()
{
    const int count = Document.GraphCount();
    if (count == 0) return false;
    redoList_.push_back(MakeEntry(TUndoKind::GraphAdded, SnapshotOf(Document.Graph(count - 1).Record)));
    int selected = Listener().SelectedGraph();
    Document.Graphs.pop_back();
    Listener().DeleteGraphsListItem(count - 1);
    if (selected > count - 2) selected = count - 2;
    Listener().SetGraphsListItemIndex(selected);
    Listener().GraphsChanged();
    Document.Window().Repaint();
    return true;
}

bool TUndoManager::AddGraphAgain(const TUndoEntry& entry)
{
    GraphRecord record;
    if (!FromSnapshot(entry.Snapshot, record)) return false;
    int selected = Listener().SelectedGraph();
    const int index = AddGraphToDocument(Document, record);  // records the step again
    if (index < 0) return false;
    Listener().InsertGraphsListItem(index);
    Listener().SetGraphsListItemIndex(selected < 0 ? 0 : selected);
    Listener().GraphsChanged();
    if (Document.Graph(index).ValuesSize == 0) ComputeGraphWithRedraw(Document, index);
    else Document.Window().Repaint();
    return true;
}

bool TUndoManager::ReplayMove(const TUndoEntry& entry, Mode mode)
{
    const int source = entry.Source;
    const int target = entry.Target;
    const int count = Document.GraphCount();
    if (source >= count || target > count || target == source || target == source + 1) return false;

    const int moved = MovedGraphPosition(source, target);
    int from = source;
    int to = moved;
    if (mode == Mode::Undoing) {
        redoList_.push_back(entry);
        from = moved;
        to = source;
        // Back to source: before the graph now at source, or after it when
        // the graph comes from above.
        FlagScope muted(muted_, true);
        MoveGraphInDocument(Document, from, to > from ? to + 1 : to);
    } else {
        MoveGraphInDocument(Document, source, target);  // records the step again
    }
    const int selected = Listener().SelectedGraph();
    MoveListLine(from, to);
    Listener().SetGraphsListItemIndex(FollowMove(selected, from, to));
    Listener().GraphsChanged();
    Document.Window().Repaint();
    return true;
}

void TUndoManager::MoveListLine(int from, int to)
{
    Listener().DeleteGraphsListItem(from);
    Listener().InsertGraphsListItem(to);
}

}  // namespace vg
