// Arbitrary bytes as a document file: the check before opening, loading,
// and computing what was loaded must never crash nor allocate without bound.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "document/document_file.h"
#include "document/graph_model.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    using namespace vg;
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    DocumentFileCheck check = ValidateDocumentBytes(bytes);
    TGraphicsManager doc(DefaultViewSettings(), DefaultDocumentOptions());
    bool loaded = LoadDocumentBytes(doc, bytes);
    if (loaded != check.Valid) __builtin_trap();  // loading accepts exactly what the check accepts
    if (loaded) {
        for (int i = 0; i < doc.GraphCount(); ++i) GraphDescription(doc.Graph(i).Record);
        // Computing is slow for big grids; a couple of graphs keep the
        // fuzzer fast while still using foreign parameters.
        if (doc.GraphCount() <= 2) doc.ComputeAllGraphs();
        DocumentFileBytes(doc);
    }
    return 0;
}
