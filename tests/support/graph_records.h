#pragma once

// Graphs for the suites: a graph of a kind with the kind's defaults of the
// options, its formula and, for a parametric graph, Y(t); a table graph of
// points.

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "document/document_options.h"
#include "document/graph_model.h"

namespace vg::test {

inline GraphRecord Graph(const DocumentOptions& options, GraphKind kind, const std::string& formula,
                             const std::string& formula2 = "")
{
    GraphRecord r = NewGraphRecord(options);
    ApplyKindDefaults(r, kind, options);
    r.Formula.Assign(formula);
    if (kind == GraphKind::Param) r.Param.Formula2.Assign(formula2);
    return r;
}

inline GraphRecord Graph(GraphKind kind, const std::string& formula, const std::string& formula2 = "")
{
    return Graph(DefaultDocumentOptions(), kind, formula, formula2);
}

// The points fill the slots in their order.
inline GraphRecord TableGraph(const std::vector<std::pair<long double, long double>>& points)
{
    const DocumentOptions options = DefaultDocumentOptions();
    GraphRecord r = NewGraphRecord(options);
    ApplyKindDefaults(r, GraphKind::Table, options);
    for (std::size_t k = 0; k < points.size(); ++k)
        r.SetTablePoint(static_cast<int>(k), points[k].first, points[k].second);
    return r;
}

}  // namespace vg::test
