#include "tables/table_search.h"

#include <cmath>

#include "engine/number_text.h"
#include "tables/table_text.h"

namespace vg {

namespace {

constexpr long double kLargestValue = 1e100L;
constexpr int kCellCount = kGridRows * kGridColumns;

// Cells in reading order: X of row 1 is 0, Y of row 1 is 1, ...
int CellIndex(const TTableGrid& grid, bool forward)
{
    if (grid.HasCurrentCell()) return grid.CurrentRow() * kGridColumns + grid.CurrentColumn();
    return forward ? -1 : kCellCount;
}

bool Matches(const std::string& text, long double target)
{
    long double value = 0;
    return ReadGridNumber(text, value) && RoundToDisplay(value) == target;
}

}  // namespace

TableInputCheck CheckSearchValue(std::string_view text, TableInputField field)
{
    long double value = 0;
    if (!ReadGridNumber(text, value)) return TableInputFailure{kValueNotNumberText, "", -1, field};
    if (std::fabs(value) > kLargestValue) return TableInputFailure{kTooLargeValueText, "", -1, field};
    return std::nullopt;
}

long double SearchTarget(std::string_view text) { return RoundToDisplay(ParseNumberText(text)); }

bool FindNextCell(const TTableGrid& grid, long double target, bool forward, int& row, int& column)
{
    const int step = forward ? 1 : -1;
    for (int k = CellIndex(grid, forward) + step; k >= 0 && k < kCellCount; k += step) {
        if (!Matches(grid.Cell(k / kGridColumns, k % kGridColumns), target)) continue;
        row = k / kGridColumns;
        column = k % kGridColumns;
        return true;
    }
    return false;
}

bool FindValue(TTableGrid& grid, std::string_view value, bool forward)
{
    int row = 0, column = 0;
    if (!FindNextCell(grid, SearchTarget(value), forward, row, column)) return false;
    grid.SetCurrentCell(row, column);
    return true;
}

TableInputCheck CheckReplaceRequest(const TableReplaceRequest& request)
{
    if (auto failure = CheckSearchValue(request.Value, TableInputField::ValueEdit)) return failure;
    if (TrimText(request.With).empty()) return std::nullopt;
    return CheckSearchValue(request.With, TableInputField::ReplaceEdit);
}

std::string ReplacementText(std::string_view with)
{
    if (TrimText(with).empty()) return {};
    return FormatNumber(ParseNumberText(with));
}

ReplaceOutcome ReplaceValues(TTableGrid& grid, const TableReplaceRequest& request, const ReplaceQuestion& ask)
{
    const long double target = SearchTarget(request.Value);
    const std::string replacement = ReplacementText(request.With);
    bool prompt = request.Prompt, all = request.All;
    ReplaceOutcome outcome;
    int row = 0, column = 0;
    while (FindNextCell(grid, target, request.Forward, row, column)) {
        grid.SetCurrentCell(row, column);
        ++outcome.Matches;
        ReplaceAnswer answer = ReplaceAnswer::Yes;
        if (prompt && ask) answer = ask(grid);
        if (answer == ReplaceAnswer::Cancel) break;
        if (answer == ReplaceAnswer::All) prompt = false, all = true;
        if (answer != ReplaceAnswer::No) {
            grid.Cell(row, column) = replacement;
            ++outcome.Replaced;
        }
        if (!all) break;
    }
    return outcome;
}

}  // namespace vg
