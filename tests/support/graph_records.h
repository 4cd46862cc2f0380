#pragma once

// A graph of a kind for the suites: the kind's defaults of the options, its
// formula and, for a parametric graph, Y(t).

#include <string>

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

}  // namespace vg::test
