#include "table_test_support.h"

namespace vg::table_test {

TTableGrid GridOf(const Rows& rows)
{
    TTableGrid grid;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        grid.Cell(static_cast<int>(k), 0) = rows[k].first;
        grid.Cell(static_cast<int>(k), 1) = rows[k].second;
    }
    return grid;
}

Rows RowsOf(const TTableGrid& grid, int count)
{
    Rows rows;
    for (int row = 0; row < count; ++row) rows.push_back({grid.Cell(row, 0), grid.Cell(row, 1)});
    return rows;
}

}  // namespace vg::table_test
