#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "document/document_options.h"
#include "document/graph_model.h"

namespace vg {

// A document file is a sequence of 2028-byte records: the DocumentOptions,
// the ViewSettings (byte 0 is 255) and one GraphRecord per graph.
inline constexpr std::size_t kFileRecordSize = 2028;
inline constexpr int kMaxFileRecords = 2 + kMaxGraphs;

inline constexpr const char* kIncorrectFormatText = "Incorrect format of the file";
inline constexpr const char* kIoErrorText = "Input-output error";
inline constexpr const char* kDocumentFileFilter = "Files of graphs (*.vgr)|*.vgr|All files (*.*)|*.*";
inline constexpr const char* kDocumentExtension = ".vgr";

struct DocumentFileCheck {
    bool Valid = true;
    bool BadFormat = false;
};

// The message for a file that failed the check: "Incorrect format of the
// file" for a broken record (or an empty file), else "Input-output error".
const char* DocumentFileMessage(const DocumentFileCheck& check);

// The bytes of the document's file.
std::string DocumentFileBytes(const TGraphicsManager& document);
// Writes the file through a temporary file renamed over the target, so a
// failed save leaves any existing file untouched. False on an input/output
// failure (the caller shows "Input-output error").
bool WriteDocument(const TGraphicsManager& document, const std::string& fileName);

// The check run before a file is opened.
DocumentFileCheck ValidateDocumentFile(const std::string& fileName);
DocumentFileCheck ValidateDocumentBytes(std::string_view bytes);

// Reads a file that passed the check into a document (normally a fresh one):
// its records normalised, the default ViewSettings when the file has none,
// at most 30 graphs. Everything is read and checked again before the
// document changes; false (document untouched) when reading fails or the
// file no longer passes the check.
bool LoadDocument(TGraphicsManager& document, const std::string& fileName);
bool LoadDocumentBytes(TGraphicsManager& document, std::string_view bytes);

// Save As without the dialog: writes the file and, on success, takes the
// name (Named, not Modified). A failed write changes nothing.
bool SaveDocumentAs(TGraphicsManager& document, const std::string& fileName);

// The open flow without the window: checks the file and loads it into a new
// document created from the program-wide records, named after the file and
// not modified; the graphs are not computed yet. Null with the message to
// show when the file is refused or unreadable.
std::unique_ptr<TGraphicsManager> OpenDocument(const std::string& fileName, const ViewSettings& programView,
                                               const DocumentOptions& programOptions, std::string& message);

}  // namespace vg
