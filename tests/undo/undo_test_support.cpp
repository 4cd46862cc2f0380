#include "undo/undo_test_support.h"

#include <cstring>

#include "document/document_options.h"

namespace vg::undo_test {

GraphRecord FunctionRecord(const std::string& formula)
{
    const DocumentOptions d = DefaultDocumentOptions();
    GraphRecord r = NewGraphRecord(d);
    ApplyKindDefaults(r, GraphKind::YFromX, d);
    r.Formula.Assign(formula);
    return r;
}

GraphRecord PolarRecord(const std::string& formula)
{
    const DocumentOptions d = DefaultDocumentOptions();
    GraphRecord r = NewGraphRecord(d);
    ApplyKindDefaults(r, GraphKind::Polar, d);
    r.Line.CommonBuild = 0;
    r.Formula.Assign(formula);
    return r;
}

namespace {
template <class Record>
void Append(std::vector<uint8_t>& bytes, const Record& record)
{
    const auto* p = reinterpret_cast<const uint8_t*>(&record);
    bytes.insert(bytes.end(), p, p + sizeof(Record));
}
}  // namespace

std::vector<uint8_t> DocumentBytes(const TGraphicsManager& document)
{
    std::vector<uint8_t> bytes;
    Append(bytes, document.Options);
    Append(bytes, document.View);
    for (const auto& graph : document.Graphs) Append(bytes, graph->Record);
    return bytes;
}

std::vector<std::string> Formulas(const TGraphicsManager& document)
{
    std::vector<std::string> formulas;
    for (const auto& graph : document.Graphs) formulas.emplace_back(graph->Record.Formula.View());
    return formulas;
}

FakeGraphLists::FakeGraphLists(const TGraphicsManager& document) : document_(document)
{
    for (const auto& graph : document.Graphs) lines.push_back(GraphDescription(graph->Record));
    if (!lines.empty()) selected = 0;
}

void FakeGraphLists::InsertGraphsListItem(int index)
{
    lines.insert(lines.begin() + index, GraphDescription(document_.Graph(index).Record));
}

void FakeGraphLists::DeleteGraphsListItem(int index) { lines.erase(lines.begin() + index); }

void FakeGraphLists::SetGraphsListItem(int index)
{
    lines.at(static_cast<std::size_t>(index)) = GraphDescription(document_.Graph(index).Record);
}

void FakeGraphLists::UndoStateChanged(const TUndoManager& manager)
{
    undoCaption = manager.CanUndo() ? manager.UndoCaption() : "";
    redoCaption = manager.CanRedo() ? manager.RedoCaption() : "";
}

DocumentWithHistory::DocumentWithHistory() : DocumentWithHistory(std::vector<GraphRecord>{}) {}

DocumentWithHistory::DocumentWithHistory(const std::vector<GraphRecord>& graphs)
    : document(std::make_unique<TGraphicsManager>(DefaultViewSettings(), DefaultDocumentOptions()))
{
    for (const GraphRecord& r : graphs) document->AddGraph(r);
    document->ComputeAllGraphs();
    undo = std::make_unique<TUndoManager>(*document);
    lists = std::make_unique<FakeGraphLists>(*document);
    undo->SetListener(lists.get());
}

}  // namespace vg::undo_test
