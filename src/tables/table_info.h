#pragma once

// Table Info: the statistics of each column over its cells that are numbers.

#include <array>
#include <string>

#include "tables/table_grid.h"

namespace vg {

struct TableColumnStatistics {
    int Count = 0;
    long double Minimum = 0;
    long double Maximum = 0;
    long double ArithmeticMean = 0;  // sum / N
    long double MeanSquare = 0;      // sqrt(sum of squares / N)
    long double StdDeviation = 0;    // sqrt(sum of (mean - v)^2 / (N - 1)); needs N >= 2
};

TableColumnStatistics ComputeColumnStatistics(const TTableGrid& grid, int column);

// The five figures as the window shows them, in the order Minimum, Maximum,
// Arithmetic mean, Mean square, Std. deviation: display forms, or the
// translated "Error" (all five without numbers, the deviation with one).
std::array<std::string, 5> ColumnStatisticsTexts(const TableColumnStatistics& statistics);

}  // namespace vg
