#include "tables/table_history.h"

namespace vg {

void TTableHistory::Clear()
{
    snapshots_.clear();
    position_ = -1;
}

bool TTableHistory::Check(const TableCells& cells)
{
    if (position_ >= 0 && snapshots_[static_cast<std::size_t>(position_)] == cells) return false;
    snapshots_.resize(static_cast<std::size_t>(position_ + 1));
    snapshots_.push_back(cells);
    if (Count() > kCapacity) snapshots_.pop_front();
    position_ = Count() - 1;
    return true;
}

const TableCells& TTableHistory::Undo()
{
    if (CanUndo()) --position_;
    return snapshots_.at(static_cast<std::size_t>(position_));
}

const TableCells& TTableHistory::Redo()
{
    if (CanRedo()) ++position_;
    return snapshots_.at(static_cast<std::size_t>(position_));
}

}  // namespace vg
