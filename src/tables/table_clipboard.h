#pragma once

// Copy, Cut and Paste of the table grid as clipboard text: copied rows are
// lines of tab-separated "mEp" numbers ended by CR LF; pasted text is split
// into rows at CR LF, LF or CR and into cells at tabs.

#include <string>
#include <string_view>

#include "tables/table_grid.h"
#include "tables/table_messages.h"

namespace vg {

struct TableCopyRequest {
    bool X = true;
    bool Y = true;
    bool All = true;
    std::string From = "1";
    std::string To = "100";
    bool DecimalPoint = true;  // false: "," for every "."
};

// OK's checks: at least one column, then the two limits and their order.
TableInputCheck CheckTableCopy(const TableCopyRequest& request);

// One line per row of the range, empty rows included; a cell that is no
// number gives an empty field.
std::string TableCopyText(const TTableGrid& grid, const TableCopyRequest& request);

// Cut: empties the copied cells of the range.
void EmptyCopiedCells(TTableGrid& grid, const TableCopyRequest& request);

// Paste from the current cell (row 1, X without one): each field, with ","
// read as ".", becomes the display form of its value or an empty cell;
// fields beyond the Y column are dropped; pasting stops after row 100.
void PasteTableText(TTableGrid& grid, std::string_view text);

}  // namespace vg
