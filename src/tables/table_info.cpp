#include "tables/table_info.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "app/translator.h"
#include "engine/number_text.h"
#include "tables/table_messages.h"
#include "tables/table_text.h"

namespace vg {

TableColumnStatistics ComputeColumnStatistics(const TTableGrid& grid, int column)
{
    std::vector<long double> values;
    for (int row = 0; row < kGridRows; ++row) {
        long double value = 0;
        if (ReadGridNumber(grid.Cell(row, column), value)) values.push_back(value);
    }
    TableColumnStatistics s;
    s.Count = static_cast<int>(values.size());
    if (values.empty()) return s;
    s.Minimum = *std::min_element(values.begin(), values.end());
    s.Maximum = *std::max_element(values.begin(), values.end());
    long double sum = 0, squares = 0;
    for (long double v : values) {
        sum += v;
        squares += v * v;
    }
    const long double n = s.Count;
    s.ArithmeticMean = sum / n;
    s.MeanSquare = std::sqrt(squares / n);
    if (s.Count > 1) {
        long double deviations = 0;
        for (long double v : values) deviations += (s.ArithmeticMean - v) * (s.ArithmeticMean - v);
        s.StdDeviation = std::sqrt(deviations / (n - 1));
    }
    return s;
}

std::array<std::string, 5> ColumnStatisticsTexts(const TableColumnStatistics& s)
{
    const std::string error = Translate(kInfoErrorText);
    if (s.Count == 0) return {error, error, error, error, error};
    return {FormatNumber(s.Minimum), FormatNumber(s.Maximum), FormatNumber(s.ArithmeticMean),
            FormatNumber(s.MeanSquare), s.Count > 1 ? FormatNumber(s.StdDeviation) : error};
}

}  // namespace vg
