#pragma once

// The grid with its edit history: every command is wrapped by the snapshot
// check before and after it, so that a command, and typing in a cell that
// the user leaves, each become one step of Undo and Redo.

#include <utility>

#include "tables/table_grid.h"
#include "tables/table_history.h"

namespace vg {

class TTableEditor {
public:
    TTableGrid& Grid() { return grid_; }
    const TTableGrid& Grid() const { return grid_; }
    const TTableHistory& History() const { return history_; }

    // New texts with a fresh history that starts with them; the current
    // cell goes to X of row 1.
    void Load(const TableCells& cells);

    // The snapshot check (while not suspended).
    void CheckSnapshot();

    // Runs one command with the check before and after it; the check is
    // suspended while it runs (Replace asks questions meanwhile).
    template <class Command>
    void Run(Command&& command)
    {
        CheckSnapshot();
        ++suspended_;
        std::forward<Command>(command)(grid_);
        --suspended_;
        CheckSnapshot();
    }

    bool CanUndo() const { return history_.CanUndo(); }
    bool CanRedo() const { return history_.CanRedo(); }
    // A change not yet recorded (typing) is recorded first, so that Undo
    // goes back over it. False when there was nothing to undo.
    bool Undo();
    bool Redo();

private:
    TTableGrid grid_;
    TTableHistory history_;
    int suspended_ = 0;
};

}  // namespace vg
