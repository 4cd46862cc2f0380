#include "tables/table_range.h"

#include "app/graph_props_model.h"
#include "tables/table_grid.h"

namespace vg {

namespace {

bool ReadRowNumber(std::string_view text, int& row)
{
    int32_t value = 0;
    if (!ParseIntegerField(text, value) || value < 1 || value > kGridRows) return false;
    row = value;
    return true;
}

}  // namespace

TableInputCheck CheckRowLimits(std::string_view from, std::string_view to)
{
    const std::string limit = std::to_string(kGridRows);
    int first = 0, last = 0;
    if (!ReadRowNumber(from, first)) return TableInputFailure{kNaturalNumberText, limit, -1, TableInputField::LeftEdit};
    if (!ReadRowNumber(to, last)) return TableInputFailure{kNaturalNumberText, limit, -1, TableInputField::RightEdit};
    if (last < first) return TableInputFailure{kLimitOrderText, "", -1, TableInputField::RightEdit};
    return std::nullopt;
}

TableRowRange ChosenRows(bool all, std::string_view from, std::string_view to)
{
    if (all) return {};
    int first = 1, last = kGridRows;
    ReadRowNumber(from, first);
    ReadRowNumber(to, last);
    return {first - 1, last - 1};
}

}  // namespace vg
