#include "app/graph_operations.h"

#include <utility>

namespace vg {

namespace {

bool IsGraphIndex(const TGraphicsManager& document, int index)
{
    return index >= 0 && index < document.GraphCount();
}

// Moves the graph object itself, so its computed data travels with it.
void RelocateGraph(TGraphicsManager& document, int from, int to)
{
    auto& graphs = document.Graphs;
    std::unique_ptr<TFunction> graph = std::move(graphs[static_cast<std::size_t>(from)]);
    graphs.erase(graphs.begin() + from);
    graphs.insert(graphs.begin() + to, std::move(graph));
}

}  // namespace

int AddGraphToDocument(TGraphicsManager& document, const GraphRecord& record)
{
    if (document.GraphCount() >= kMaxGraphs) return -1;
    document.AddGraph(record);
    document.Modified = true;
    document.UndoHook().RecordGraphAdded();
    return document.GraphCount() - 1;
}

bool DeleteGraphFromDocument(TGraphicsManager& document, int index)
{
    if (!IsGraphIndex(document, index)) return false;
    document.Modified = true;
    document.UndoHook().RecordGraphDeleted(index, document.Graph(index).Record);
    document.Graphs.erase(document.Graphs.begin() + index);
    return true;
}

int MovedGraphPosition(int source, int target)
{
    return target > source ? target - 1 : target;
}

int MoveGraphInDocument(TGraphicsManager& document, int source, int target)
{
    if (!IsGraphIndex(document, source) || target < 0 || target > document.GraphCount()) return -1;
    if (target == source || target == source + 1) return -1;
    document.Modified = true;
    document.UndoHook().RecordGraphMoved(source, target);
    const int position = MovedGraphPosition(source, target);
    RelocateGraph(document, source, position);
    return position;
}

void ComputeGraphWithRedraw(TGraphicsManager& document, int index)
{
    if (!IsGraphIndex(document, index)) return;
    TFunction& graph = document.Graph(index);
    document.Calculating = true;
    document.Window().DrawWithoutGraphs();
    document.ContinueCalculation = true;
    document.ContinueCalculation = document.ComputeGraph(graph, document.Options, index);
    document.Calculating = false;
    document.Window().Repaint();
}

}  // namespace vg
