#include "tables/table_editor.h"

namespace vg {

void TTableEditor::Load(const TableCells& cells)
{
    grid_.SetCells(cells);
    grid_.SetCurrentCell(0, 0);
    history_.Clear();
    CheckSnapshot();
}

void TTableEditor::CheckSnapshot()
{
    if (suspended_ == 0) history_.Check(grid_.Cells());
}

bool TTableEditor::Undo()
{
    CheckSnapshot();
    if (!history_.CanUndo()) return false;
    grid_.SetCells(history_.Undo());
    return true;
}

bool TTableEditor::Redo()
{
    // Typing after an Undo is a new edit: its check drops the redo states.
    CheckSnapshot();
    if (!history_.CanRedo()) return false;
    grid_.SetCells(history_.Redo());
    return true;
}

}  // namespace vg
