#pragma once

#include <memory>
#include <ostream>
#include <string>

#include "document/graph_model.h"

namespace vg {

// Opens a document file as the program does (defaults as the program-wide
// records); on failure prints "vgraph-cli: FILE: MESSAGE" and returns null.
std::unique_ptr<TGraphicsManager> OpenDocumentForCli(const std::string& command, const std::string& fileName,
                                                     std::ostream& err);

// Every number vgraph-cli prints: the shortest decimal text that reads back
// to exactly the same extended value ("3.14159265359", "-5.01655761267e-20"),
// "inf" for undefined ones; independent of the locale.
std::string CliNumber(long double v);

}  // namespace vg
