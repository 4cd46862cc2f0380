#pragma once

// What the Regression window and vgraph-cli show of a fit: the formula text
// (itself a valid formula, the formula of an added graph) and the texts of
// the goodness-of-fit figures.

#include <functional>
#include <string>

#include "tools/regression.h"

namespace vg {

inline constexpr const char* kNotEnoughNumbersText = "Not enough numbers for regression";
inline constexpr const char* kErrorDataText = "Error data for this regression type";
inline constexpr const char* kDeviationText = "Root-mean-square deviation";
inline constexpr const char* kNoTableGraphText = "There is no graph determined by table";

// The fitted formula, coefficients written as formula numbers.
std::string RegressionFormulaText(const RegressionFit& fit);

// A figure written like the display form, except that the power form takes
// its mantissa from a 30-character scientific text and keeps a mantissa
// rounded up to 10; "Error" for a value that is not finite.
std::string RegressionFigureText(long double v);

// The R^2 figure: its text for 0 <= R^2 < 2, else "Error".
std::string RSquaredFigureText(long double rSquared);

// The three texts of one shown fit; on failure the deviation label holds the
// message, the other two are empty and nothing can be added.
struct RegressionDisplay {
    std::string Formula;
    std::string DeviationLabel;
    std::string RSquaredLabel;
    bool CanAddGraph = false;
};
using RegressionTranslation = std::function<std::string(const std::string&)>;
RegressionDisplay MakeRegressionDisplay(const RegressionResult& result, const RegressionTranslation& translate = {});

// The model's short name as the comparison page and vgraph-cli list it
// ("Linear", ..., "Exponential II", "Polynomial").
const char* RegressionKindCaption(RegressionKind kind);

}  // namespace vg
