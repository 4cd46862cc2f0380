#include "tools/ui/regression_commands.h"

#include <QComboBox>

#include <algorithm>

#include "app/message_dialog_model.h"
#include "app/translator.h"
#include "app/ui/graph_commands.h"
#include "app/ui/main_form.h"
#include "app/ui/mdi_child.h"
#include "document/graph_model.h"
#include "tools/regression_texts.h"
#include "tools/ui/regression_form.h"

namespace vg {

namespace {

bool HasTableGraph(const TGraphicsManager& document)
{
    return std::any_of(document.Graphs.begin(), document.Graphs.end(),
                       [](const auto& graph) { return graph->Record.Kind == GraphKind::Table; });
}

// The graph selected in the Graph toolbar's list, -1 for none.
int SelectedGraph(const TMainForm& form)
{
    const auto* list = form.findChild<QComboBox*>("FuncComboBox");
    return list ? list->currentIndex() : -1;
}

}  // namespace

void RegressItemClick(TMainForm& form)
{
    TMDIChild* child = form.ActiveChild();
    if (!child) return;
    TGraphicsManager& document = child->Document();
    if (!HasTableGraph(document)) {
        ShowMessageDialog(Translate(kNoTableGraphText), mtError, mbOK, 0);
        return;
    }
    TRegressForm regress(document, SelectedGraph(form), &form);
    regress.SetFullDocumentHandler([&form](const GraphRecord& record) { AddGraphFromRecord(form, record); });
    // The window steps aside for the graph properties dialog and comes back
    // when that is cancelled.
    while (regress.exec() == TRegressForm::AddGraphResult) {
        const int before = document.GraphCount();
        AddGraphFromRecord(form, regress.GraphToAdd());
        if (document.GraphCount() != before) break;
    }
}

void InstallRegressionCommands(TMainForm& form)
{
    form.SetCommandHandler(CommandId::Regress, [&form] { RegressItemClick(form); });
}

}  // namespace vg
