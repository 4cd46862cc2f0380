#include "tables/table_grid.h"

#include <algorithm>
#include <array>
#include <utility>

#include "engine/number_text.h"
#include "tables/table_text.h"

namespace vg {

namespace {

constexpr std::size_t kCellCount = static_cast<std::size_t>(kGridRows * kGridColumns);

std::size_t IndexOf(int row, int column) { return static_cast<std::size_t>(row * kGridColumns + column); }

using Row = std::array<std::string, kGridColumns>;

}  // namespace

TTableGrid::TTableGrid() : cells_(kCellCount) {}

TTableGrid::TTableGrid(TableCells cells) { SetCells(std::move(cells)); }

void TTableGrid::SetCells(TableCells cells)
{
    cells.resize(kCellCount);
    cells_ = std::move(cells);
}

std::string& TTableGrid::Cell(int row, int column) { return cells_.at(IndexOf(row, column)); }

const std::string& TTableGrid::Cell(int row, int column) const { return cells_.at(IndexOf(row, column)); }

void TTableGrid::SetCurrentCell(int row, int column)
{
    if (row < 0 || row >= kGridRows || column < 0 || column >= kGridColumns) {
        ClearCurrentCell();
        return;
    }
    currentRow_ = row;
    currentColumn_ = column;
}

void TTableGrid::ClearCurrentCell()
{
    currentRow_ = -1;
    currentColumn_ = -1;
}

void TTableGrid::EmptyRow(int row)
{
    for (int column = 0; column < kGridColumns; ++column) Cell(row, column).clear();
}

void TTableGrid::DeleteRow()
{
    if (!HasCurrentCell()) return;
    for (int row = currentRow_; row + 1 < kGridRows; ++row)
        for (int column = 0; column < kGridColumns; ++column) Cell(row, column) = std::move(Cell(row + 1, column));
    EmptyRow(kGridRows - 1);
}

void TTableGrid::InsertRow()
{
    if (!HasCurrentCell()) return;
    for (int row = kGridRows - 1; row > currentRow_; --row)
        for (int column = 0; column < kGridColumns; ++column) Cell(row, column) = std::move(Cell(row - 1, column));
    EmptyRow(currentRow_);
}

void TTableGrid::Swap()
{
    for (int row = 0; row < kGridRows; ++row) std::swap(Cell(row, 0), Cell(row, 1));
}

void TTableGrid::Purge()
{
    int kept = 0;
    for (int row = 0; row < kGridRows; ++row) {
        if (!IsGridNumber(Cell(row, 0)) || !IsGridNumber(Cell(row, 1))) continue;
        if (kept != row)
            for (int column = 0; column < kGridColumns; ++column) Cell(kept, column) = std::move(Cell(row, column));
        ++kept;
    }
    for (int row = kept; row < kGridRows; ++row) EmptyRow(row);
}

void TTableGrid::Sort(TableSortOrder order)
{
    Purge();
    int count = 0;
    while (count < kGridRows && !Cell(count, 0).empty()) ++count;
    const int column = order == TableSortOrder::XAscending || order == TableSortOrder::XDescending ? 0 : 1;
    const bool ascending = order == TableSortOrder::XAscending || order == TableSortOrder::YAscending;
    std::vector<std::pair<long double, Row>> rows;
    rows.reserve(static_cast<std::size_t>(count));
    for (int row = 0; row < count; ++row)
        rows.push_back({ParseNumberText(Cell(row, column)), Row{Cell(row, 0), Cell(row, 1)}});
    // Equal keys keep their order.
    std::stable_sort(rows.begin(), rows.end(), [ascending](const auto& a, const auto& b) {
        return ascending ? a.first < b.first : b.first < a.first;
    });
    for (int row = 0; row < count; ++row)
        for (int c = 0; c < kGridColumns; ++c) Cell(row, c) = std::move(rows[static_cast<std::size_t>(row)].second[c]);
}

}  // namespace vg
