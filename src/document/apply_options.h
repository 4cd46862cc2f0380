#pragma once

#include "document/document_options.h"
#include "document/graph_model.h"

namespace vg {

// What installing an edited option record did.
struct ApplyOutcome {
    bool Changed = false;       // the record differed (document now Modified)
    bool UndoRecorded = false;  // the undo hook recorded an entry
    bool Redraw = false;        // the picture had to be redrawn
    bool Recomputed = false;    // a recompute pass ran
};

// Installs new document options: marks the document modified and records the
// undo step when the record changed, recomputes the graphs whose data went
// stale (in list order, an Esc stopping the following ones) and redraws.
ApplyOutcome ApplyDocumentOptions(TGraphicsManager& document, const DocumentOptions& newOptions);
// Installs new view settings, repainting when titles or the axes form changed.
ApplyOutcome ApplyViewSettings(TGraphicsManager& document, const ViewSettings& newView);

// Whether the picture changes between the two records.
bool DocumentOptionsNeedRedraw(const DocumentOptions& oldD, const DocumentOptions& newD);
bool ViewSettingsNeedRepaint(const ViewSettings& oldV, const ViewSettings& newV);

}  // namespace vg
