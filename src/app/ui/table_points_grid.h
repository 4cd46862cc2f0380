#pragma once

// The table grid of the graph properties dialog: the 100 point slots of a
// table graph as X and Y cell texts. The dialog only reads and writes the
// texts and moves the current cell, so a richer editing grid can take this
// one's place behind the same functions.

#include <QTableWidget>

#include <functional>
#include <string>
#include <vector>

namespace vg {

class TTablePointsGrid : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int kRows = 100;

    explicit TTablePointsGrid(QWidget* parent = nullptr);

    // The 200 cell texts row by row (X of row 1, Y of row 1, X of row 2, ...),
    // including a cell being edited.
    virtual std::vector<std::string> CellTexts();
    // Fills the cells and starts a fresh editing history.
    virtual void SetCellTexts(const std::vector<std::string>& texts);
    // Makes a cell (0-based row, column 0 for X and 1 for Y) current and
    // gives the grid the focus.
    virtual void SetCurrentCell(int row, int column);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // Enter moves from X to Y of the row, and from Y to X of the next row.
    void MoveAfterEnter();
};

// What the dialog puts into its "Data Manipulation" group: a widget and the
// grid inside it that the dialog reads and fills.
struct TablePointsEditor {
    QWidget* Widget = nullptr;
    TTablePointsGrid* Grid = nullptr;
};
using TablePointsEditorFactory = std::function<TablePointsEditor(QWidget* parent)>;

// The table editing module installs its grid with its commands here; without
// one the dialog gets the plain grid.
void SetTablePointsEditorFactory(TablePointsEditorFactory factory);
TablePointsEditor MakeTablePointsEditor(QWidget* parent);

}  // namespace vg
