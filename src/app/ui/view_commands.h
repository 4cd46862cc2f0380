#pragma once

namespace vg {

class TMainForm;

// The view commands: the interval buttons of the Standard toolbar, Choose
// view interval, Center view, the Sets of Options submenu and Trace.
void InstallViewCommands(TMainForm& form);

// The Trace window on the active document, starting with the graph selected
// in the Graph toolbar.
void TraceClick(TMainForm& form);

}  // namespace vg
