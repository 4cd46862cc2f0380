#pragma once

// "VGraph.cfg": the default options of new documents, two records of 1784
// bytes (DocumentOptions, then ViewSettings padded with bytes of the first).

#include <string>
#include <string_view>

#include "document/document_options.h"

namespace vg {

inline constexpr std::size_t kDefaultOptionsRecordSize = 1784;

// Fills both records from the file. A missing, unreadable or short file, or
// a first record that fails the options validity rules, gives the standard
// options; a missing second record gives the ViewSettings defaults.
void ReadDefaultOptions(const std::string& path, DocumentOptions& options, ViewSettings& view);

// The same from the file's bytes.
void ReadDefaultOptionsBytes(std::string_view bytes, DocumentOptions& options, ViewSettings& view);

// Writes the file through a temporary file, so a failed write leaves the old
// one intact. False on failure.
bool WriteDefaultOptions(const std::string& path, const DocumentOptions& options,
                         const ViewSettings& view);

// The file's bytes for the two records.
std::string DefaultOptionsBytes(const DocumentOptions& options, const ViewSettings& view);

}  // namespace vg
