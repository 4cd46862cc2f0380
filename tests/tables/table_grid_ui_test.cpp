// The table grid on the offscreen platform: its keys, the bold headers of
// the current cell, typing as an undoable step, the toolbar's Undo and
// Redo, and the grid inside the graph properties dialog.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

#include <string>

#include "app/ui/graph_props_form.h"
#include "document/document_options.h"
#include "support/ui_robots.h"
#include "tables/ui/table_editor_widget.h"
#include "tables/ui/table_grid_widget.h"

namespace vg {
namespace {

using test::Messages;
using test::PressKey;
using test::Settle;

std::vector<std::string> CellsOf(std::initializer_list<std::pair<const char*, const char*>> rows)
{
    std::vector<std::string> cells(2 * kGridRows);
    std::size_t k = 0;
    for (const auto& [x, y] : rows) cells[k++] = x, cells[k++] = y;
    return cells;
}

std::string CellText(TSGrid& grid, int row, int column) { return grid.item(row, column)->text().toStdString(); }

std::pair<int, int> Current(const TSGrid& grid) { return {grid.currentRow(), grid.currentColumn()}; }

// Keys go where the user's would: to the open cell editor, else the grid.
QWidget* KeyTarget(TSGrid* grid)
{
    for (auto* editor : grid->findChildren<QLineEdit*>())
        if (editor->isVisible()) return editor;
    return grid;
}

class TableGridUi : public ::testing::Test {
protected:
    void SetUp() override
    {
        editor_.resize(500, 400);
        editor_.show();
        editor_.activateWindow();
        grid_ = editor_.Grid();
        grid_->SetCellTexts(CellsOf({{"1", "2"}, {"3", "4"}, {"5", "6"}}));
        grid_->setFocus();
        Settle();
    }
    TTableEditorWidget editor_;
    TSGrid* grid_ = nullptr;
};

TEST_F(TableGridUi, enterMovesFromXToYAndOnToTheNextRow)
{
    EXPECT_EQ(Current(*grid_), std::make_pair(0, 0));
    PressKey(KeyTarget(grid_), Qt::Key_Return);
    EXPECT_EQ(Current(*grid_), std::make_pair(0, 1));
    PressKey(KeyTarget(grid_), Qt::Key_Enter);
    EXPECT_EQ(Current(*grid_), std::make_pair(1, 0));
    grid_->SetCurrentCell(99, 1);
    PressKey(KeyTarget(grid_), Qt::Key_Return);
    EXPECT_EQ(Current(*grid_), std::make_pair(99, 1)) << "not beyond row 100";
}

TEST_F(TableGridUi, enterWhileTypingKeepsTheTextAndMovesOn)
{
    grid_->SetCurrentCell(2, 1);
    grid_->editItem(grid_->item(2, 1));
    auto* cellEditor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(cellEditor, nullptr);
    cellEditor->setText("7.5");
    PressKey(cellEditor, Qt::Key_Return);
    Settle();
    EXPECT_EQ(CellText(*grid_, 2, 1), "7.5");
    EXPECT_EQ(Current(*grid_), std::make_pair(3, 0));
    // Leaving the cell made the typing one step of the history.
    ASSERT_TRUE(grid_->CanUndo());
    grid_->Undo();
    EXPECT_EQ(CellText(*grid_, 2, 1), "6");
    grid_->Redo();
    EXPECT_EQ(CellText(*grid_, 2, 1), "7.5");
}

TEST_F(TableGridUi, ctrlIInsertsAndCtrlYDeletesTheCurrentRow)
{
    grid_->SetCurrentCell(1, 1);
    PressKey(KeyTarget(grid_), Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(CellText(*grid_, 1, 0), "");
    EXPECT_EQ(CellText(*grid_, 2, 0), "3");
    PressKey(KeyTarget(grid_), Qt::Key_Y, Qt::ControlModifier);
    PressKey(KeyTarget(grid_), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(CellText(*grid_, 1, 0), "5");
    EXPECT_EQ(CellText(*grid_, 2, 0), "");
    grid_->Undo();
    grid_->Undo();
    grid_->Undo();
    EXPECT_EQ(CellText(*grid_, 1, 0), "3");
    EXPECT_FALSE(grid_->CanUndo());
}

TEST_F(TableGridUi, headersOfTheCurrentCellAreBold)
{
    auto bold = [this](Qt::Orientation orientation, int section) {
        QTableWidgetItem* header =
            orientation == Qt::Horizontal ? grid_->horizontalHeaderItem(section) : grid_->verticalHeaderItem(section);
        return header->font().bold();
    };
    EXPECT_TRUE(bold(Qt::Horizontal, 0));
    EXPECT_TRUE(bold(Qt::Vertical, 0));
    grid_->SetCurrentCell(41, 1);
    EXPECT_FALSE(bold(Qt::Horizontal, 0));
    EXPECT_FALSE(bold(Qt::Vertical, 0));
    EXPECT_TRUE(bold(Qt::Horizontal, 1));
    EXPECT_TRUE(bold(Qt::Vertical, 41));
    EXPECT_EQ(grid_->verticalHeaderItem(41)->text(), "42");
}

TEST_F(TableGridUi, toolbarUndoAndRedoFollowTheHistory)
{
    QToolButton* undo = editor_.Button("Undo");
    QToolButton* redo = editor_.Button("Redo");
    ASSERT_TRUE(undo && redo);
    EXPECT_FALSE(undo->isEnabled());
    editor_.Button("Swap")->click();
    EXPECT_EQ(CellText(*grid_, 0, 0), "2");
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());
    undo->click();
    EXPECT_EQ(CellText(*grid_, 0, 0), "1");
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_TRUE(redo->isEnabled());
    // Typing after Undo is a new step: Redo goes.
    grid_->item(0, 1)->setText("9");
    grid_->SetCurrentCell(5, 0);
    EXPECT_FALSE(redo->isEnabled());
    EXPECT_TRUE(undo->isEnabled());
}

TEST_F(TableGridUi, sortDropDownOffersTheFourOrders)
{
    QToolButton* sort = editor_.Button("Sort");
    ASSERT_NE(sort, nullptr);
    EXPECT_EQ(sort->popupMode(), QToolButton::InstantPopup);
    auto* menu = editor_.findChild<QMenu*>("SortMenu");
    ASSERT_NE(menu, nullptr);
    QStringList captions;
    for (QAction* item : menu->actions()) captions << item->text();
    EXPECT_EQ(captions, QStringList({"By X - Ascending", "By X - Descending", "By Y - Ascending", "By Y - Descending"}));
    menu->actions()[3]->trigger();
    EXPECT_EQ(CellText(*grid_, 0, 1), "6");
    EXPECT_EQ(CellText(*grid_, 2, 1), "2");
}

GraphRecord TableRecord()
{
    GraphRecord record = NewGraphRecord(DefaultDocumentOptions());
    ApplyKindDefaults(record, GraphKind::Table, DefaultDocumentOptions());
    record.SetTablePoint(0, 1, 10);
    record.SetTablePoint(1, 2, 20);
    return record;
}

class TablePropsDialogUi : public ::testing::Test {
protected:
    void SetUp() override { InstallTableEditor(); }
    void TearDown() override { SetTablePointsEditorFactory({}); }
};

TEST_F(TablePropsDialogUi, gridCommandsReachTheRecordOnOK)
{
    TGraphPropsForm form;
    form.SetPropsInForm(TableRecord(), TGraphPropsForm::Mode::GraphProperties);
    form.show();
    Settle();
    auto* editor = form.findChild<TTableEditorWidget*>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(form.findChild<TTablePointsGrid*>("NumTableGrid"), editor->Grid());
    EXPECT_FALSE(editor->Button("Undo")->isEnabled()) << "a fresh history for the record";
    editor->Button("Swap")->click();
    form.OKButton->click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    const TablePoint first = form.Record().GetTablePoint(0);
    EXPECT_EQ(first.X.Get(), 10);
    EXPECT_EQ(first.Y.Get(), 1);
}

TEST_F(TablePropsDialogUi, aCellThatIsNoNumberIsRefusedAndBecomesCurrent)
{
    TGraphPropsForm form;
    form.SetPropsInForm(TableRecord(), TGraphPropsForm::Mode::GraphProperties);
    form.show();
    Settle();
    auto* grid = form.findChild<TSGrid*>();
    grid->item(2, 1)->setText("abc");
    grid->SetCurrentCell(0, 0);
    Messages messages;
    form.OKButton->click();
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], "This value must be a number\rfrom -1*10^100 up to 1*10^100");
    EXPECT_EQ(Current(*grid), std::make_pair(2, 1));
    EXPECT_TRUE(form.isVisible());
}

TEST_F(TablePropsDialogUi, escapeInTheGridClosesTheDialogAsCancelled)
{
    TGraphPropsForm form;
    const GraphRecord record = TableRecord();
    form.SetPropsInForm(record, TGraphPropsForm::Mode::GraphProperties);
    form.show();
    Settle();
    auto* grid = form.findChild<TSGrid*>();
    grid->setFocus();
    grid->item(0, 0)->setText("5");
    PressKey(KeyTarget(grid), Qt::Key_Escape);
    Settle();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_EQ(form.Record().GetTablePoint(0).X.Get(), 1);
}

}  // namespace
}  // namespace vg
