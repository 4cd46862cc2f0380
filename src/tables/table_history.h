#pragma once

// The edit history of the table grid: up to 15 snapshots of the cell texts
// as a stack with a position. The position marks the snapshot the grid
// shows; a new snapshot drops those above it, and a full stack drops its
// oldest.

#include <deque>

#include "tables/table_grid.h"

namespace vg {

class TTableHistory {
public:
    static constexpr int kCapacity = 15;

    void Clear();
    // Stores cells as a new snapshot when they differ from the snapshot at
    // the position (or there is none yet); true when it stored one.
    bool Check(const TableCells& cells);

    bool CanUndo() const { return position_ > 0; }
    bool CanRedo() const { return position_ + 1 < Count(); }
    // The snapshot before (after) the position, which becomes the position.
    const TableCells& Undo();
    const TableCells& Redo();

    int Count() const { return static_cast<int>(snapshots_.size()); }
    int Position() const { return position_; }

private:
    std::deque<TableCells> snapshots_;
    int position_ = -1;
};

}  // namespace vg
