#pragma once

#include <memory>
#include <ostream>
#include <string>

#include "document/graph_model.h"

namespace vg {

// Opens a document file as the program does (defaults as the program-wide
// records); on failure prints "vgraph-cli COMMAND: MESSAGE" and returns null.
std::unique_ptr<TGraphicsManager> OpenDocumentForCli(const std::string& command, const std::string& fileName,
                                                     std::ostream& err);

// A number in the shortest text that reads back to the same value, "inf"
// for undefined ones; independent of the locale.
std::string CliNumber(long double v);

}  // namespace vg
