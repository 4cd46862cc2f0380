#pragma once

// The Regress command of the main window: the Regression window on the
// active document's table graphs.

namespace vg {

class TMainForm;

void InstallRegressionCommands(TMainForm& form);

// Opens the Regression window, or says that the active document has no
// table graph.
void RegressItemClick(TMainForm& form);

}  // namespace vg
