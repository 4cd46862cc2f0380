#include "tables/table_clipboard.h"

#include <algorithm>

#include "engine/number_text.h"
#include "tables/table_range.h"
#include "tables/table_text.h"

namespace vg {

namespace {

std::string CopiedField(const std::string& cell)
{
    long double value = 0;
    if (!ReadGridNumber(cell, value)) return {};
    return ScientificText(RoundToDisplay(value), 23);
}

std::string PastedCell(std::string field)
{
    std::replace(field.begin(), field.end(), ',', '.');
    bool failed = false;
    const long double value = ParseCellNumber(TrimText(field), failed);
    return failed ? std::string() : FormatNumber(value);
}

}  // namespace

TableInputCheck CheckTableCopy(const TableCopyRequest& request)
{
    if (!request.X && !request.Y) return TableInputFailure{kNoColumnText, "", -1, TableInputField::Columns};
    return CheckRowLimits(request.From, request.To);
}

std::string TableCopyText(const TTableGrid& grid, const TableCopyRequest& request)
{
    const TableRowRange rows = ChosenRows(request.All, request.From, request.To);
    std::string text;
    for (int row = rows.First; row <= rows.Last; ++row) {
        if (request.X) text += CopiedField(grid.Cell(row, 0));
        if (request.X && request.Y) text += '\t';
        if (request.Y) text += CopiedField(grid.Cell(row, 1));
        text += "\r\n";
    }
    if (!request.DecimalPoint) std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

void EmptyCopiedCells(TTableGrid& grid, const TableCopyRequest& request)
{
    const TableRowRange rows = ChosenRows(request.All, request.From, request.To);
    for (int row = rows.First; row <= rows.Last; ++row) {
        if (request.X) grid.Cell(row, 0).clear();
        if (request.Y) grid.Cell(row, 1).clear();
    }
}

void PasteTableText(TTableGrid& grid, std::string_view text)
{
    const int startColumn = grid.HasCurrentCell() ? grid.CurrentColumn() : 0;
    int row = grid.HasCurrentCell() ? grid.CurrentRow() : 0;
    int column = startColumn;
    std::string field;
    auto put = [&] {
        if (column < kGridColumns) grid.Cell(row, column) = PastedCell(field);
        field.clear();
    };
    for (std::size_t i = 0; i < text.size() && row < kGridRows; ++i) {
        const char c = text[i];
        if (c == '\t') {
            put();
            ++column;
        } else if (c == '\r' || c == '\n') {
            // CR LF is one row break, as are a lone CR and a lone LF.
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            put();
            ++row;
            column = startColumn;
        } else {
            field.push_back(c);
        }
    }
    // A last row without its break still counts; text ending in a tab
    // leaves nothing after it.
    const bool ended = text.empty() || text.back() == '\t' || text.back() == '\r' || text.back() == '\n';
    if (!ended && row < kGridRows) put();
}

}  // namespace vg
