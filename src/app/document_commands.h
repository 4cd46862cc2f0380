#pragma once

// The document side of the main window's commands: creating, loading and
// saving documents and keeping the program-wide option records in step.

#include <memory>
#include <string>
#include <vector>

#include "document/graph_model.h"

namespace vg {

// A new, empty document made from the program-wide records.
std::unique_ptr<TGraphicsManager> NewDocumentFromGlobal();

// Checks and loads a document file. On failure returns null and sets
// englishError to the message to show ("Incorrect format of the file" or
// "Input-output error"); the program-wide records are then left alone.
std::unique_ptr<TGraphicsManager> LoadDocumentFile(const std::string& path, std::string& englishError);

// Writes the document to path; false after an input/output failure.
bool SaveDocumentFile(const TGraphicsManager& document, const std::string& path);

// Copies the document's DocumentOptions and ViewSettings into the
// program-wide records.
void CopyDocumentRecordsToGlobal(const TGraphicsManager& document);

// The lines the graph lists show, translated.
std::vector<std::string> GraphDescriptions(const TGraphicsManager& document);
int GraphCount(const TGraphicsManager& document);

// The grid switches of the document window's popup menu on the global
// record, and applying the global record to a document.
bool GlobalGridLines(bool horizontal);
void ToggleGlobalGridLines(bool horizontal);
void ApplyGlobalOptionsTo(TGraphicsManager& document);

// Computes every graph, or only those that hold no data yet (after an
// interrupted pass), with the document's options.
void ComputeDocumentGraphs(TGraphicsManager& document, bool onlyIncomplete);

}  // namespace vg
