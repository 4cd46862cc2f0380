#pragma once

// The command families of the program's windows (graph commands, view
// commands, each tool, tables, printing) attach their handlers to the main
// window here.

namespace vg {

class TMainForm;

void InstallCommandModules(TMainForm& form);

}  // namespace vg
