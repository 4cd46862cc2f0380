#pragma once

// What the table commands of vgraph-cli share: the table graph a command
// works on and whole-number arguments.

#include <ostream>
#include <string>

#include "document/graph_model.h"

namespace vg {

// The index of graph N (1-based; 0: the first table graph), or -1 after the
// message: "the document has K graphs" (status 64), "graph N is not a table"
// or "There is no graph determined by table" (status 2).
int ChooseCliTableGraph(const TGraphicsManager& document, const std::string& fileName, int graph,
                        std::ostream& err, int& status);

// A decimal whole number, nothing else.
bool ParseCliWholeNumber(const std::string& text, int& n);

}  // namespace vg
