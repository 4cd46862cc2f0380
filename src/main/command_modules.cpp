#include "main/command_modules.h"

#include "app/ui/graph_commands.h"
#include "app/ui/main_form.h"
#include "app/ui/options_commands.h"
#include "app/ui/print_commands.h"
#include "app/ui/view_commands.h"
#include "tables/ui/table_commands.h"
#include "tools/ui/calculus_commands.h"
#include "tools/ui/regression_commands.h"
#include "tools/ui/scan_tool_commands.h"

namespace vg {

void InstallCommandModules(TMainForm& form)
{
    // Each family: one Install call, in menu order.
    InstallTableCommands(form);
    InstallPrintCommands(form);
    InstallViewCommands(form);
    InstallGraphCommands(form);
    InstallScanToolCommands(form);
    InstallCalculusCommands(form);
    InstallRegressionCommands(form);
    InstallOptionsCommands(form);
}

}  // namespace vg
