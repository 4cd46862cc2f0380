#pragma once

// Grids built from rows of texts, and their rows read back, for the table
// suites.

#include <string>
#include <utility>
#include <vector>

#include "tables/table_grid.h"

namespace vg::table_test {

using Rows = std::vector<std::pair<std::string, std::string>>;

TTableGrid GridOf(const Rows& rows);
// The first count rows.
Rows RowsOf(const TTableGrid& grid, int count);

}  // namespace vg::table_test
