#pragma once

// The table grid without its window: the X and Y texts of the 100 rows, the
// current cell, and the commands that move whole rows (Delete, Insert, Swap,
// Purge, Sort). Rows and columns are 0-based: column 0 holds X, column 1 Y.

#include <string>
#include <vector>

namespace vg {

inline constexpr int kGridRows = 100;
inline constexpr int kGridColumns = 2;

// The 200 cell texts row by row: X of row 1, Y of row 1, X of row 2, ...
using TableCells = std::vector<std::string>;

enum class TableSortOrder { XAscending, XDescending, YAscending, YDescending };

class TTableGrid {
public:
    TTableGrid();
    explicit TTableGrid(TableCells cells);

    const TableCells& Cells() const { return cells_; }
    // Takes the texts (missing ones empty, extra ones dropped).
    void SetCells(TableCells cells);
    std::string& Cell(int row, int column);
    const std::string& Cell(int row, int column) const;

    bool HasCurrentCell() const { return currentRow_ >= 0; }
    int CurrentRow() const { return currentRow_; }
    int CurrentColumn() const { return currentColumn_; }
    void SetCurrentCell(int row, int column);
    void ClearCurrentCell();

    // Rows below the current row move up; the last row becomes empty.
    void DeleteRow();
    // Rows from the current row down move one row down (the last row's texts
    // are lost); the current row becomes empty.
    void InsertRow();
    // X and Y of every row change places.
    void Swap();
    // Rows whose X and Y are both numbers move up in their order to close
    // the gaps; every other row is emptied.
    void Purge();
    // Purge, then a stable sort of the rows by the column's value.
    void Sort(TableSortOrder order);

    void EmptyRow(int row);

private:
    TableCells cells_;
    int currentRow_ = 0;
    int currentColumn_ = 0;
};

}  // namespace vg
