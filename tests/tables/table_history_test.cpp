// The grid's edit history: a stack of 15 snapshots with a position, as the
// editor runs commands, records typing, undoes and redoes.

#include <gtest/gtest.h>

#include <string>

#include "tables/table_editor.h"
#include "tables/table_history.h"

namespace vg {
namespace {

TableCells CellsWith(const std::string& first)
{
    TableCells cells(kGridRows * kGridColumns);
    cells[0] = first;
    return cells;
}

TEST(TableHistory, checkStoresOnlyChangedStates)
{
    TTableHistory history;
    EXPECT_FALSE(history.CanUndo());
    EXPECT_TRUE(history.Check(CellsWith("a")));
    EXPECT_FALSE(history.Check(CellsWith("a")));
    EXPECT_TRUE(history.Check(CellsWith("b")));
    EXPECT_EQ(history.Count(), 2);
    EXPECT_TRUE(history.CanUndo());
    EXPECT_FALSE(history.CanRedo());
}

TEST(TableHistory, undoRedoMoveThePositionAndANewStateDropsTheRedoStates)
{
    TTableHistory history;
    for (const char* s : {"a", "b", "c"}) history.Check(CellsWith(s));
    EXPECT_EQ(history.Undo()[0], "b");
    EXPECT_EQ(history.Undo()[0], "a");
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(history.Redo()[0], "b");
    // The state shown equals the position's snapshot: nothing is stored.
    EXPECT_FALSE(history.Check(CellsWith("b")));
    EXPECT_TRUE(history.CanRedo());
    EXPECT_TRUE(history.Check(CellsWith("d")));
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.Count(), 3);
    EXPECT_EQ(history.Undo()[0], "b");
}

TEST(TableHistory, ringKeepsTheFifteenNewest)
{
    TTableHistory history;
    for (int k = 0; k < 20; ++k) history.Check(CellsWith(std::to_string(k)));
    EXPECT_EQ(history.Count(), TTableHistory::kCapacity);
    std::string oldest;
    while (history.CanUndo()) oldest = history.Undo()[0];
    EXPECT_EQ(oldest, "5");
    for (int k = 0; k < 14; ++k) history.Redo();
    EXPECT_EQ(history.Redo()[0], "19");
}

TEST(TableEditor, commandsAreStepsThatUndoAndRedo)
{
    TTableEditor editor;
    editor.Load(CellsWith("1"));
    EXPECT_FALSE(editor.CanUndo());
    editor.Run([](TTableGrid& g) { g.Cell(0, 1) = "2"; });
    editor.Run([](TTableGrid& g) { g.Swap(); });
    EXPECT_EQ(editor.Grid().Cell(0, 0), "2");
    ASSERT_TRUE(editor.Undo());
    EXPECT_EQ(editor.Grid().Cell(0, 0), "1");
    ASSERT_TRUE(editor.Undo());
    EXPECT_EQ(editor.Grid().Cell(0, 1), "");
    EXPECT_FALSE(editor.Undo());
    ASSERT_TRUE(editor.Redo());
    ASSERT_TRUE(editor.Redo());
    EXPECT_EQ(editor.Grid().Cell(0, 0), "2");
    EXPECT_FALSE(editor.Redo());
}

TEST(TableEditor, typingIsRecordedBeforeUndoAndDropsTheRedoStates)
{
    TTableEditor editor;
    editor.Load(CellsWith("1"));
    editor.Run([](TTableGrid& g) { g.Cell(0, 0) = "2"; });
    ASSERT_TRUE(editor.Undo());
    // Typed after the undo, not yet checked (the cell was not left).
    editor.Grid().Cell(5, 1) = "typed";
    EXPECT_FALSE(editor.Redo()) << "the typing is a new edit";
    EXPECT_EQ(editor.Grid().Cell(5, 1), "typed");
    ASSERT_TRUE(editor.Undo());
    EXPECT_EQ(editor.Grid().Cell(5, 1), "");
    EXPECT_EQ(editor.Grid().Cell(0, 0), "1");
}

TEST(TableEditor, aCommandThatChangesNothingAddsNoStep)
{
    TTableEditor editor;
    editor.Load(CellsWith("1"));
    editor.Run([](TTableGrid& g) { g.Purge(); });
    EXPECT_TRUE(editor.CanUndo()) << "purge emptied the row without a Y";
    editor.Run([](TTableGrid& g) { g.Purge(); });
    ASSERT_TRUE(editor.Undo());
    EXPECT_FALSE(editor.CanUndo());
    EXPECT_EQ(editor.Grid().Cell(0, 0), "1");
}

TEST(TableEditor, loadStartsAFreshHistory)
{
    TTableEditor editor;
    editor.Load(CellsWith("1"));
    editor.Run([](TTableGrid& g) { g.Swap(); });
    editor.Load(CellsWith("9"));
    EXPECT_FALSE(editor.CanUndo());
    EXPECT_FALSE(editor.CanRedo());
    EXPECT_EQ(editor.Grid().CurrentRow(), 0);
}

}  // namespace
}  // namespace vg
