#include "app/ui/table_points_grid.h"

#include <QHeaderView>
#include <QKeyEvent>

#include <utility>

namespace vg {

namespace {

TablePointsEditorFactory& EditorFactory()
{
    static TablePointsEditorFactory factory;
    return factory;
}

}  // namespace

void SetTablePointsEditorFactory(TablePointsEditorFactory factory) { EditorFactory() = std::move(factory); }

TablePointsEditor MakeTablePointsEditor(QWidget* parent)
{
    if (EditorFactory()) return EditorFactory()(parent);
    auto* grid = new TTablePointsGrid(parent);
    return {grid, grid};
}

TTablePointsGrid::TTablePointsGrid(QWidget* parent) : QTableWidget(kRows, 2, parent)
{
    setObjectName("NumTableGrid");
    setHorizontalHeaderLabels({"X", "Y"});
    QStringList rows;
    for (int row = 1; row <= kRows; ++row) rows << QString::number(row);
    setVerticalHeaderLabels(rows);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::AllEditTriggers);
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < 2; ++column) setItem(row, column, new QTableWidgetItem);
    setCurrentCell(0, 0);
}

std::vector<std::string> TTablePointsGrid::CellTexts()
{
    // Moving the current cell away and back hands an open editor's text to
    // its cell.
    if (state() == QAbstractItemView::EditingState) {
        const QModelIndex current = currentIndex();
        setCurrentIndex(QModelIndex());
        setCurrentIndex(current);
    }
    std::vector<std::string> texts;
    texts.reserve(2 * kRows);
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < 2; ++column) texts.push_back(item(row, column)->text().toStdString());
    return texts;
}

void TTablePointsGrid::SetCellTexts(const std::vector<std::string>& texts)
{
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < 2; ++column) {
            const std::size_t k = static_cast<std::size_t>(row * 2 + column);
            item(row, column)->setText(k < texts.size() ? QString::fromStdString(texts[k]) : QString());
        }
    }
    setCurrentCell(0, 0);
}

void TTablePointsGrid::SetCurrentCell(int row, int column)
{
    setCurrentCell(row, column);
    scrollToItem(item(row, column));
    setFocus();
}

void TTablePointsGrid::keyPressEvent(QKeyEvent* event)
{
    // Enter moves from X to Y of the row, and from Y to X of the next row.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && state() != EditingState) {
        MoveAfterEnter();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void TTablePointsGrid::MoveAfterEnter()
{
    const int row = currentRow(), column = currentColumn();
    if (column == 0) setCurrentCell(row, 1);
    else if (row + 1 < kRows) setCurrentCell(row + 1, 0);
}

}  // namespace vg
