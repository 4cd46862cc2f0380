#pragma once

// The "Interval" group of the Fill, Modify, Copy and Cut dialogs: "All" rows
// or rows "from" .. "up to", each limit a whole number 1..100.

#include <string>
#include <string_view>

#include "tables/table_messages.h"

namespace vg {

struct TableRowRange {
    int First = 0;  // 0-based, inclusive
    int Last = 99;
};

// The two limits and their order, checked whichever interval is chosen.
TableInputCheck CheckRowLimits(std::string_view from, std::string_view to);

// The rows a checked choice covers.
TableRowRange ChosenRows(bool all, std::string_view from, std::string_view to);

}  // namespace vg
