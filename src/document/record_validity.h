#pragma once

#include "document/document_options.h"
#include "document/graph_record.h"

namespace vg {

// The checks a record read from a file must pass. Every extended value is
// first rounded to the display precision; values that are not finite fail
// every range test.
bool IsValidDocumentOptions(const DocumentOptions& d);
bool IsValidGraphRecord(const GraphRecord& g);
bool IsValidLineParams(const LineParams& p);
bool IsValidEquationParams(const EquationParams& p);
bool IsValidDifFieldParams(const DifFieldParams& p);
bool IsValidIntegralParams(const IntegralParams& p);

// The clean-up applied to records loaded from a document file: interval
// values rounded to the display precision, style, colour and width indices
// brought into their tables.
void NormaliseDocumentOptions(DocumentOptions& d);
void NormaliseGraphRecord(GraphRecord& g);

// RoundToDisplay for finite values; anything else unchanged.
long double RoundForDisplay(long double v);

}  // namespace vg
