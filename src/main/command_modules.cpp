#include "main/command_modules.h"

#include "app/ui/main_form.h"

namespace vg {

void InstallCommandModules(TMainForm& form)
{
    // Each family: one Install call, in menu order.
    (void)form;
}

}  // namespace vg
