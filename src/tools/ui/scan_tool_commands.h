#pragma once

// The Calculus commands Value Table, Analyze Function and Intersections.

namespace vg {

class TMainForm;
class TResearchForm;

void InstallScanToolCommands(TMainForm& form);

// Analyze Function: the options dialog, and the results window after every
// OK, until the dialog is cancelled.
void ResearchItemClick(TMainForm& form);
// Intersections: the same loop with its own two windows.
void IntersectionItemClick(TMainForm& form);
// Value Table: the window on the active document's formulas.
void ValueTableItemClick(TMainForm& form);

// The analysis results window, which lives as long as the main window and
// keeps the last formula.
TResearchForm& ResearchForm(TMainForm& form);

}  // namespace vg
