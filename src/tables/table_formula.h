#pragma once

// Fill and Modify: one column of a range of rows computed from a formula of
// two variables. Modify uses x and y (the row's X and Y); Fill uses the
// other column's value and n, the row number 1..100.

#include <string>

#include "tables/table_grid.h"
#include "tables/table_messages.h"

namespace vg {

enum class TableFormulaMode { Fill, Modify };

struct TableFormulaRequest {
    TableFormulaMode Mode = TableFormulaMode::Modify;
    int Column = 0;  // the column written: 0 X, 1 Y
    std::string Formula;
    bool All = true;
    std::string From = "1";
    std::string To = "100";
};

// "X=f(x,y)=", "Y=f(x,y)=", "X=f(y,n)=" or "Y=f(x,n)=".
std::string TableFormulaLabel(TableFormulaMode mode, int column);
// The formula's two variable names ("X", "Y" or "N").
void TableFormulaVariables(TableFormulaMode mode, int column, std::string& first, std::string& second);

// OK's checks in order: the two limits and their order, then a non-empty
// formula's syntax with the two variables.
TableInputCheck CheckTableFormula(const TableFormulaRequest& request);

// Computes the column over the range: FormatNumber of each result; a row
// whose needed cell is not a number, whose value is undefined or whose
// result exceeds 1e100 in magnitude gets an empty cell. An empty formula
// empties the range.
void ApplyTableFormula(TTableGrid& grid, const TableFormulaRequest& request);

}  // namespace vg
