#include "tables/ui/table_grid_widget.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QStyledItemDelegate>

namespace vg {

namespace {

void SetHeaderBold(QTableWidgetItem* header, bool bold)
{
    if (!header) return;
    QFont font = header->font();
    font.setBold(bold);
    header->setFont(font);
}

bool IsEnter(const QKeyEvent* event) { return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter; }

bool IsRowKey(const QKeyEvent* event)
{
    return event->modifiers() == Qt::ControlModifier && (event->key() == Qt::Key_I || event->key() == Qt::Key_Y);
}

// The cell editor's keys. Enter keeps the text and moves on (through
// closeEditor) without reaching the dialog's default button; Escape goes
// to the dialog, which closes as cancelled; Ctrl+I and Ctrl+Y are the
// grid's, not the line editor's.
class TSGridDelegate : public QStyledItemDelegate {
public:
    explicit TSGridDelegate(TSGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

protected:
    bool eventFilter(QObject* editor, QEvent* event) override
    {
        if (event->type() == QEvent::ShortcutOverride && IsRowKey(static_cast<QKeyEvent*>(event))) {
            event->accept();
            return true;
        }
        if (event->type() != QEvent::KeyPress) return QStyledItemDelegate::eventFilter(editor, event);
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) return false;
        if (IsRowKey(key)) return grid_->RowKey(key);
        if (IsEnter(key)) {
            // Moving the current cell hands the text to its cell; in the last
            // cell, which Enter does not leave, the text is handed over here.
            if (!grid_->EnterMoves()) emit commitData(static_cast<QWidget*>(editor));
            return true;
        }
        return QStyledItemDelegate::eventFilter(editor, event);
    }

private:
    TSGrid* grid_;
};

}  // namespace

TSGrid::TSGrid(QWidget* parent) : TTablePointsGrid(parent)
{
    setItemDelegate(new TSGridDelegate(this));
    connect(this, &QTableWidget::currentCellChanged, this, &TSGrid::CurrentCellMoved);
    editor_.Load(TTablePointsGrid::CellTexts());
    MarkCurrentHeaders(0, 0, -1, -1);
}

std::vector<std::string> TSGrid::CellTexts()
{
    TakeTexts();
    return editor_.Grid().Cells();
}

void TSGrid::SetCellTexts(const std::vector<std::string>& texts)
{
    editor_.Load(texts);
    ShowGrid();
    emit HistoryChanged();
}

void TSGrid::SetCurrentCell(int row, int column)
{
    TTablePointsGrid::SetCurrentCell(row, column);
}

const TTableGrid& TSGrid::Grid()
{
    TakeTexts();
    return editor_.Grid();
}

void TSGrid::TakeTexts()
{
    // TTablePointsGrid::CellTexts hands an open editor's text to its cell by
    // moving the current cell away and back: no check meanwhile.
    const bool wasShowing = showing_;
    showing_ = true;
    const std::vector<std::string> texts = TTablePointsGrid::CellTexts();
    showing_ = wasShowing;
    TTableGrid& grid = editor_.Grid();
    grid.SetCells(texts);
    if (currentRow() >= 0 && currentColumn() >= 0) grid.SetCurrentCell(currentRow(), currentColumn());
    else grid.ClearCurrentCell();
}

void TSGrid::ShowGrid()
{
    showing_ = true;
    // An open cell editor would keep the old text: it closes here and the
    // current cell opens a fresh one below.
    if (state() == EditingState) setCurrentIndex(QModelIndex());
    const TTableGrid& grid = editor_.Grid();
    for (int row = 0; row < kGridRows; ++row)
        for (int column = 0; column < kGridColumns; ++column) {
            const QString text = QString::fromStdString(grid.Cell(row, column));
            if (item(row, column)->text() != text) item(row, column)->setText(text);
        }
    if (grid.HasCurrentCell()) {
        setCurrentCell(grid.CurrentRow(), grid.CurrentColumn());
        scrollToItem(item(grid.CurrentRow(), grid.CurrentColumn()));
    }
    showing_ = false;
}

void TSGrid::RunCommand(const std::function<void(TTableGrid&)>& command)
{
    TakeTexts();
    editor_.Run(command);
    ShowGrid();
    emit HistoryChanged();
}

void TSGrid::Undo()
{
    TakeTexts();
    if (editor_.Undo()) ShowGrid();
    emit HistoryChanged();
}

void TSGrid::Redo()
{
    TakeTexts();
    if (editor_.Redo()) ShowGrid();
    emit HistoryChanged();
}

void TSGrid::CurrentCellMoved(int row, int column, int previousRow, int previousColumn)
{
    MarkCurrentHeaders(row, column, previousRow, previousColumn);
    if (showing_) return;
    // Typing becomes an undoable step when the user leaves the cell.
    TakeTexts();
    editor_.CheckSnapshot();
    emit HistoryChanged();
}

void TSGrid::MarkCurrentHeaders(int row, int column, int previousRow, int previousColumn)
{
    if (previousRow >= 0) SetHeaderBold(verticalHeaderItem(previousRow), false);
    if (previousColumn >= 0) SetHeaderBold(horizontalHeaderItem(previousColumn), false);
    if (row >= 0) SetHeaderBold(verticalHeaderItem(row), true);
    if (column >= 0) SetHeaderBold(horizontalHeaderItem(column), true);
}

bool TSGrid::EnterMoves()
{
    const int row = currentRow(), column = currentColumn();
    MoveAfterEnter();
    return row != currentRow() || column != currentColumn();
}

bool TSGrid::RowKey(QKeyEvent* event)
{
    if (!IsRowKey(event)) return false;
    if (event->key() == Qt::Key_I) RunCommand([](TTableGrid& grid) { grid.InsertRow(); });
    else RunCommand([](TTableGrid& grid) { grid.DeleteRow(); });
    return true;
}

void TSGrid::keyPressEvent(QKeyEvent* event)
{
    if (RowKey(event)) return;
    TTablePointsGrid::keyPressEvent(event);
}

}  // namespace vg
