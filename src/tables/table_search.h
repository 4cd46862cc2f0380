#pragma once

// Find and Replace of a value in the table grid. Cells are visited in
// reading order (X then Y of a row, then the next row) forward, or the
// reverse backward, starting after the current cell; without a current cell
// a forward search starts before row 1 and a backward one after row 100.
// A cell matches when it is a number equal to the value after both are
// rounded as the display shows them. The search does not wrap around.

#include <functional>
#include <string>
#include <string_view>

#include "tables/table_grid.h"
#include "tables/table_messages.h"

namespace vg {

// A value typed into Find or Replace: a typed number of magnitude at most
// 1e100. The failure names field.
TableInputCheck CheckSearchValue(std::string_view text, TableInputField field);

// The value searched for, as the display rounds it.
long double SearchTarget(std::string_view text);

// The next matching cell after the current one; false at the end of the table.
bool FindNextCell(const TTableGrid& grid, long double target, bool forward, int& row, int& column);

// Find: the first match becomes the current cell. False: "Value not found".
bool FindValue(TTableGrid& grid, std::string_view value, bool forward);

struct TableReplaceRequest {
    std::string Value;
    std::string With;  // blank: matching cells are emptied
    bool Forward = true;
    bool Prompt = true;
    bool All = false;
};

// OK's checks: the value, then a non-blank replacement, each as Find's.
TableInputCheck CheckReplaceRequest(const TableReplaceRequest& request);

// The text a matching cell receives: empty, or the display form of With.
std::string ReplacementText(std::string_view with);

enum class ReplaceAnswer { Yes, No, Cancel, All };

// Asked at a match (already the current cell) when prompting.
using ReplaceQuestion = std::function<ReplaceAnswer(const TTableGrid& grid)>;

struct ReplaceOutcome {
    int Matches = 0;
    int Replaced = 0;
};

// Replace: at each match the cell becomes current; without prompting it is
// replaced, with prompting ask decides (Yes, No, Cancel ends at once, All
// replaces it and every further match without asking). Unless Replace All
// is in force the command ends after the first match. Matches 0 means
// "Value not found".
ReplaceOutcome ReplaceValues(TTableGrid& grid, const TableReplaceRequest& request, const ReplaceQuestion& ask);

}  // namespace vg
