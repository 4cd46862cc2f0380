#pragma once

// TSGrid: the table grid of the graph properties dialog with its editing
// commands. The cell texts live in the widget while the user types; each
// command takes them into the core editor, runs there with the snapshot
// check before and after it, and shows the result.

#include <functional>
#include <string>
#include <vector>

#include "app/ui/table_points_grid.h"
#include "tables/table_editor.h"

namespace vg {

class TSGrid : public TTablePointsGrid {
    Q_OBJECT
public:
    explicit TSGrid(QWidget* parent = nullptr);

    std::vector<std::string> CellTexts() override;
    // New texts with a fresh edit history.
    void SetCellTexts(const std::vector<std::string>& texts) override;
    void SetCurrentCell(int row, int column) override;

    // Runs one command on the grid's texts as one undoable step.
    void RunCommand(const std::function<void(TTableGrid&)>& command);
    // The grid's texts and current cell, for commands that only read them.
    const TTableGrid& Grid();

    bool CanUndo() const { return editor_.CanUndo(); }
    bool CanRedo() const { return editor_.CanRedo(); }
    void Undo();
    void Redo();

    // Shows the editor's texts and current cell (Replace shows each match
    // before it asks).
    void ShowGrid();

    // The grid's own keys, also while a cell is being edited: Ctrl+I and
    // Ctrl+Y run Insert and Delete; true when key was one of them.
    bool RowKey(QKeyEvent* event);
    // Enter's move (X to Y, Y to X of the next row); false in the last cell.
    bool EnterMoves();

signals:
    // The history changed: Undo and Redo may have become (un)available.
    void HistoryChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void TakeTexts();
    void CurrentCellMoved(int row, int column, int previousRow, int previousColumn);
    void MarkCurrentHeaders(int row, int column, int previousRow, int previousColumn);

    TTableEditor editor_;
    bool showing_ = false;
};

}  // namespace vg
