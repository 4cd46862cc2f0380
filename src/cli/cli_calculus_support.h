#pragma once

// What the calculus commands of vgraph-cli share: one graph of a document
// chosen with --graph N.

#include <ostream>
#include <string>

#include "document/graph_model.h"

namespace vg {

// A graph number: a whole number from 1 up.
bool ParseGraphNumber(const std::string& text, int& number);

// Graph number of the document, or null after "vgraph-cli: FILE: the
// document has K graphs" (a usage error).
const GraphRecord* ChosenGraph(const TGraphicsManager& document, const std::string& file, int number,
                               std::ostream& err);

}  // namespace vg
