#include "app/ui/graph_commands.h"

#include "app/graph_operations.h"
#include "app/ui/main_form.h"
#include "app/ui/mdi_child.h"
#include "app/message_dialog_model.h"
#include "app/translator.h"
#include "document/graph_model.h"

namespace vg {

// Until the graph properties dialog exists the record is added as it is.
bool AddGraphFromRecord(TMainForm& form, const GraphRecord& record)
{
    TMDIChild* child = form.ActiveChild();
    if (!child || form.Computing()) return false;
    const int index = AddGraphToDocument(child->Document(), record);
    if (index < 0) {
        ShowMessageDialog(TranslateFormat("Amount of the graphs cannot exceed %s", {"30"}), mtError, mbOK, 0);
        return false;
    }
    ComputeGraphWithRedraw(child->Document(), index);
    form.RebuildGraphsList();
    form.UpdateMenuItems();
    return true;
}

}  // namespace vg
