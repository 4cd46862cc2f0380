#pragma once

#include <QPointer>

#include "app/undo_manager.h"

class QComboBox;

namespace vg {

class TMainForm;
class TMDIChild;

// The window side of one document's undo history: while its window is the
// active one, the main window's Undo/Redo commands and graph lists follow
// the history; an inactive window's lists are rebuilt when it is activated.
class TUndoBridge : public TUndoListener {
public:
    TUndoBridge(TMainForm* mainForm, TMDIChild* child);

    void UndoStateChanged(const TUndoManager& manager) override;
    int SelectedGraph() const override;
    void InsertGraphsListItem(int index) override;
    void DeleteGraphsListItem(int index) override;
    void SetGraphsListItem(int index) override;
    void SetGraphsListItemIndex(int index) override;
    void GraphsChanged() override;

private:
    bool Active() const;
    // The Graph toolbar's list of graphs, when this document is the active one.
    QComboBox* ActiveGraphList() const;

    QPointer<TMainForm> mainForm_;
    TMDIChild* child_;
};

}  // namespace vg
