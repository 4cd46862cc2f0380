#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/undo_manager.h"
#include "document/graph_model.h"

namespace vg::undo_test {

// A Y(x) graph with the given formula and the document's default style.
GraphRecord FunctionRecord(const std::string& formula);
// A polar graph on its own interval, which document intervals never touch.
GraphRecord PolarRecord(const std::string& formula);

// Everything undo restores: both option records and every graph record, in
// order, as bytes.
std::vector<uint8_t> DocumentBytes(const TGraphicsManager& document);
std::vector<std::string> Formulas(const TGraphicsManager& document);

// The two graph lists of the window, kept as the text lines a window would
// show, with the selected position.
class FakeGraphLists : public TUndoListener {
public:
    explicit FakeGraphLists(const TGraphicsManager& document);

    int SelectedGraph() const override { return selected; }
    void InsertGraphsListItem(int index) override;
    void DeleteGraphsListItem(int index) override;
    void SetGraphsListItem(int index) override;
    void SetGraphsListItemIndex(int index) override { selected = index; }
    void GraphsChanged() override { ++graphsChanged; }
    void UndoStateChanged(const TUndoManager& manager) override;

    std::vector<std::string> lines;
    int selected = -1;
    int graphsChanged = 0;
    std::string undoCaption, redoCaption;

private:
    const TGraphicsManager& document_;
};

// A document with its history and window lists, as a document window holds
// them.
struct DocumentWithHistory {
    DocumentWithHistory();
    explicit DocumentWithHistory(const std::vector<GraphRecord>& graphs);

    std::unique_ptr<TGraphicsManager> document;
    std::unique_ptr<TUndoManager> undo;
    std::unique_ptr<FakeGraphLists> lists;
};

}  // namespace vg::undo_test
