#pragma once
// A computation pass over a document's graphs, spread over the cores: the
// graphs are independent, so several compute at once, each on its own
// thread with its own calculator. Everything the user sees follows the
// serial order: the progress text is that of the graph the serial pass
// would be at, Esc is polled on the calling thread and interrupts that
// graph, and the graphs after it lose their points exactly as they would in
// the serial pass. The stored values are those of the serial pass, bit for
// bit.

#include <cstdint>
#include <vector>

#include "document/document_options.h"
#include "document/graph_model.h"

namespace vg {

// What the pass does at one graph of the list.
enum class PassStep : std::uint8_t {
    Skip,     // nothing; the continue flag stays as it is
    Compute,  // ComputeGraph; its result becomes the continue flag
    Resume,   // nothing computed, but the continue flag is set again
};

// Runs the steps (one per graph, in list order) with options d, starting
// with the document's ContinueCalculation, which holds the pass's result at
// the end. Progress, Esc and error messages go through the document's
// ComputeProgress on the calling thread only.
void ComputeGraphPass(TGraphicsManager& document, const DocumentOptions& d, const std::vector<PassStep>& steps);

// The number of threads a pass uses at most (the cores, at least 1).
// Tests and benchmarks set it; 0 restores the default.
void SetComputeThreads(int threads);
int ComputeThreads();

}  // namespace vg
