#pragma once

#include <memory>
#include <string>
#include <vector>

#include "document/graph_model.h"

namespace vg::test {

// A new document with the default records.
std::unique_ptr<TGraphicsManager> NewDocument();

// A graph record of the kind with the document's defaults, the formula(s)
// set and the appearance given.
GraphRecord MakeGraph(const TGraphicsManager& doc, GraphKind kind, const std::string& formula,
                      int color = 0, int lineStyle = 0, int lineWidth = 1);

void SetPoints(GraphRecord& r, int pointStyle, int pointSize);

// The documents of the golden pictures, by name, computed.
std::vector<std::string> SampleNames();
std::unique_ptr<TGraphicsManager> MakeSample(const std::string& name);

}  // namespace vg::test
