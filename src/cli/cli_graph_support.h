#pragma once

// What the commands that change graphs of a document file share: the file,
// "-o OUT.vgr" (else the file itself), "--NAME VALUE" options and graph
// numbers from 1, and the atomic write of the result.

#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "document/graph_model.h"

namespace vg {

struct GraphFileArgs {
    std::string file;
    std::string output;  // the file itself when empty
    std::map<std::string, std::string> options;  // "--name" -> value, the last one given
};

// FILE.vgr, "-o OUT" and options among names, each with one value. False
// with the problem for the usage message.
bool ParseGraphFileArgs(const std::vector<std::string>& args, const std::set<std::string>& names,
                        GraphFileArgs& parsed, std::string& problem);

// Whether the graph number option is there and a number from 1; otherwise
// the usage message is printed and the status is kExitUsage.
bool GraphNumberGiven(const GraphFileArgs& parsed, const std::string& command, const std::string& option,
                      int& number, std::ostream& err);
// Whether graph number (from 1) exists in the document; otherwise says how
// many graphs it has (exit status kExitUsage).
bool GraphExists(const GraphFileArgs& parsed, int number, int count, std::ostream& err);

// Writes the document to -o or over the file, through a temporary file.
// The exit status: 0, or 1 after "Input-output error".
int WriteGraphFile(const TGraphicsManager& document, const GraphFileArgs& parsed, std::ostream& err);

}  // namespace vg
