#pragma once

#include <string>

#include "document/document_options.h"
#include "document/graph_record.h"

namespace vg::graphs_test {

// A record of the kind with the standard defaults and the formula (the
// second formula of a parametric graph after ";").
GraphRecord RecordOf(GraphKind kind, const std::string& formula = "");

// The bytes of a record as text, for readable failures.
std::string Describe(const GraphRecord& record);

}  // namespace vg::graphs_test
