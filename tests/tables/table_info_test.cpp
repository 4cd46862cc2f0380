// Table Info: each column's statistics over its number cells, checked
// against a 256-bit reference, and the "Error" fields for too few numbers.

#include <gtest/gtest.h>

#include <mpfr.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <vector>

#include "engine/number_text.h"
#include "tables/table_info.h"
#include "table_test_support.h"

namespace vg {
namespace {

using table_test::GridOf;

// Mean, mean square and standard deviation in 256-bit arithmetic.
std::array<long double, 3> ReferenceStatistics(const std::vector<long double>& values)
{
    mpfr_t sum, squares, t, mean, deviations;
    for (mpfr_ptr v : {sum, squares, t, mean, deviations}) mpfr_init2(v, 256), mpfr_set_zero(v, 1);
    for (long double v : values) {
        mpfr_set_ld(t, v, MPFR_RNDN);
        mpfr_add(sum, sum, t, MPFR_RNDN);
        mpfr_sqr(t, t, MPFR_RNDN);
        mpfr_add(squares, squares, t, MPFR_RNDN);
    }
    const long n = static_cast<long>(values.size());
    mpfr_div_si(mean, sum, n, MPFR_RNDN);
    for (long double v : values) {
        mpfr_set_ld(t, v, MPFR_RNDN);
        mpfr_sub(t, mean, t, MPFR_RNDN);
        mpfr_sqr(t, t, MPFR_RNDN);
        mpfr_add(deviations, deviations, t, MPFR_RNDN);
    }
    std::array<long double, 3> result;
    result[0] = mpfr_get_ld(mean, MPFR_RNDN);
    mpfr_div_si(t, squares, n, MPFR_RNDN);
    mpfr_sqrt(t, t, MPFR_RNDN);
    result[1] = mpfr_get_ld(t, MPFR_RNDN);
    mpfr_div_si(t, deviations, n - 1, MPFR_RNDN);
    mpfr_sqrt(t, t, MPFR_RNDN);
    result[2] = mpfr_get_ld(t, MPFR_RNDN);
    for (mpfr_ptr v : {sum, squares, t, mean, deviations}) mpfr_clear(v);
    return result;
}

TEST(TableInfo, agreesWithTheReferenceOverTheNumberCells)
{
    std::mt19937 random(4);
    std::uniform_real_distribution<double> spread(-1000, 1000);
    TTableGrid grid;
    std::vector<long double> ys;
    for (int row = 0; row < kGridRows; ++row) {
        if (row % 7 == 3) {
            grid.Cell(row, 1) = row % 2 ? "2E3" : "text";  // not numbers for the grid
            continue;
        }
        grid.Cell(row, 1) = FormatNumber(spread(random));
        bool failed = false;
        ys.push_back(ParseNumberInput(grid.Cell(row, 1), failed));
    }
    const TableColumnStatistics s = ComputeColumnStatistics(grid, 1);
    ASSERT_EQ(s.Count, static_cast<int>(ys.size()));
    const auto reference = ReferenceStatistics(ys);
    const auto texts = ColumnStatisticsTexts(s);
    EXPECT_EQ(texts[0], FormatNumber(*std::min_element(ys.begin(), ys.end())));
    EXPECT_EQ(texts[1], FormatNumber(*std::max_element(ys.begin(), ys.end())));
    EXPECT_EQ(texts[2], FormatNumber(reference[0]));
    EXPECT_EQ(texts[3], FormatNumber(reference[1]));
    EXPECT_EQ(texts[4], FormatNumber(reference[2]));
}

TEST(TableInfo, smallColumns)
{
    const TTableGrid grid = GridOf({{"2", "x"}, {"", "-3"}, {"4", ""}, {"9", ""}});
    using Texts = std::array<std::string, 5>;
    // 2, 4, 9: mean 5, mean square sqrt(101/3), deviation sqrt(13).
    EXPECT_EQ(ColumnStatisticsTexts(ComputeColumnStatistics(grid, 0)),
              (Texts{"2", "9", "5", "5.8022984", "3.6055513"}));
    EXPECT_EQ(ColumnStatisticsTexts(ComputeColumnStatistics(grid, 1)), (Texts{"-3", "-3", "-3", "3", "Error"}));
    EXPECT_EQ(ColumnStatisticsTexts(ComputeColumnStatistics(TTableGrid(), 0)),
              (Texts{"Error", "Error", "Error", "Error", "Error"}));
}

}  // namespace
}  // namespace vg
