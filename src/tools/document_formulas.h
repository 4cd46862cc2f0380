#pragma once

// The formulas of a document that the tool dialogs offer in their lists.

#include <string>
#include <vector>

namespace vg {

class TGraphicsManager;

// The formula of every y = f(x) graph, in graph order, skipping those that
// hold only blanks: the analysis and intersections work on these.
std::vector<std::string> ExplicitFormulas(const TGraphicsManager& document);

// Every formula of one variable (y = f(x), x = f(y), polar, and both of a
// parametric curve), in graph order, skipping blank ones: the value table's
// suggestions.
std::vector<std::string> OneVariableFormulas(const TGraphicsManager& document);

}  // namespace vg
