#include "app/ui/graph_commands.h"

#include <QPointer>

#include "app/app_globals.h"
#include "app/graph_operations.h"
#include "app/graph_toolbar_model.h"
#include "app/message_dialog_model.h"
#include "app/translator.h"
#include "app/ui/graph_lists.h"
#include "app/ui/graph_props_form.h"
#include "app/ui/graph_toolbar.h"
#include "app/ui/graphs_list_form.h"
#include "app/ui/main_form.h"
#include "app/ui/mdi_child.h"
#include "app/ui/standart_props_form.h"
#include "document/apply_options.h"
#include "document/graph_model.h"

namespace vg {

namespace {

// The active document when a command may run on it.
TMDIChild* CommandDocument(TMainForm& form)
{
    TMDIChild* child = form.ActiveChild();
    return child && !form.Computing() && !child->IsClosing() ? child : nullptr;
}

// The active document and its selected graph, or null.
TMDIChild* SelectedGraphDocument(TMainForm& form, int& index)
{
    TMDIChild* child = CommandDocument(form);
    index = SelectedGraph(form);
    if (!child || index < 0 || index >= child->Document().GraphCount()) return nullptr;
    return child;
}

}  // namespace

bool AddGraphFromRecord(TMainForm& form, const GraphRecord& record)
{
    QPointer<TMDIChild> child = CommandDocument(form);
    if (!child) return false;
    if (child->Document().GraphCount() >= kMaxGraphs) {
        ShowMessageDialog(TranslateFormat("Amount of the graphs cannot exceed %s", {std::to_string(kMaxGraphs)}),
                          mtError, mbOK, 0);
        return false;
    }
    GraphRecord edited = record;
    if (ProgramOptions().Common.FunctionNewColor)
        edited.Color = NewGraphColor(child->Document(), GlobalDocumentOptions());
    if (!EditGraphRecord(&form, edited, TGraphPropsForm::Mode::AddGraph)) return false;
    if (!child || child->IsClosing() || form.Computing()) return false;

    TGraphicsManager& document = child->Document();
    const int index = AddGraphToDocument(document, edited);
    if (index < 0) return false;
    AddGraphsListItem(form, edited);
    SetGraphsListItemIndex(form, index);
    form.RunComputation(child, [&document, index] {
        if (document.Graph(index).ValuesSize == 0) ComputeGraphWithRedraw(document, index);
    });
    form.UpdateMenuItems();
    return true;
}

bool AddGraphCommand(TMainForm& form)
{
    if (!CommandDocument(form)) return false;
    return AddGraphFromRecord(form, NewGraphRecord(GlobalDocumentOptions()));
}

bool DoubleGraphCommand(TMainForm& form)
{
    int index = -1;
    TMDIChild* child = SelectedGraphDocument(form, index);
    if (!child) return false;
    return AddGraphFromRecord(form, child->Document().Graph(index).Record);
}

void DeleteGraphCommand(TMainForm& form)
{
    int index = -1;
    TMDIChild* child = SelectedGraphDocument(form, index);
    if (!child) return;
    if (ProgramOptions().Common.FuncPanelDelConfirmation &&
        ShowMessageDialog("Do you want to remove the graph?", mtConfirmation, mbYes | mbNo, 0) != mrYes)
        return;
    TGraphicsManager& document = child->Document();
    if (!DeleteGraphFromDocument(document, index)) return;
    DeleteGraphsListItem(form, index);
    SetGraphsListItemIndex(form, std::min(index, document.GraphCount() - 1));
    child->Redraw();
    form.UpdateMenuItems();
}

void GraphPropertiesCommand(TMainForm& form, GraphPropsPage page)
{
    int index = -1;
    QPointer<TMDIChild> child = SelectedGraphDocument(form, index);
    if (!child) return;
    GraphRecord record = child->Document().Graph(index).Record;
    if (!EditGraphRecord(&form, record, TGraphPropsForm::Mode::GraphProperties, page)) return;
    if (!child || child->IsClosing() || form.Computing() || index >= child->Document().GraphCount()) return;
    TGraphicsManager& document = child->Document();
    if (SameBytes(record, document.Graph(index).Record)) return;
    form.RunComputation(child, [&document, index, &record] { document.ChangeGraphRecord(index, record); });
    SetGraphsListItem(form, index, record);
    SetGraphsListItemIndex(form, index);
    child->Redraw();
    form.UpdateMenuItems();
}

void DefaultGraphPropertiesCommand(TMainForm& form)
{
    TMDIChild* child = CommandDocument(form);
    if (!child) return;
    TStandartPropsForm dialog(&form);
    dialog.SetOptions(GlobalDocumentOptions());
    if (dialog.exec() == QDialog::Accepted) GlobalDocumentOptions() = dialog.Options();
    // Applied in both cases; unchanged options record nothing.
    form.RunComputation(child, [child] { ApplyDocumentOptions(child->Document(), GlobalDocumentOptions()); });
    form.UpdateMenuItems();
}

void InstallGraphCommands(TMainForm& form)
{
    TMainForm* f = &form;
    form.SetCommandHandler(CommandId::AddGraph, [f] { AddGraphCommand(*f); });
    form.SetCommandHandler(CommandId::DoubleFunc, [f] { DoubleGraphCommand(*f); });
    form.SetCommandHandler(CommandId::DeleteFunc, [f] { DeleteGraphCommand(*f); });
    form.SetCommandHandler(CommandId::Props, [f] { GraphPropertiesCommand(*f, GraphPropsPage::Properties); });
    form.SetCommandHandler(CommandId::OtherProps,
                           [f] { GraphPropertiesCommand(*f, GraphPropsPage::OtherProperties); });
    form.SetCommandHandler(CommandId::FunctionProps, [f] { DefaultGraphPropertiesCommand(*f); });

    auto* toolbar = new TGraphToolbar(form);
    form.SetCommandHandler(CommandId::DrawGraphic, [toolbar] { toolbar->Edit(ToolbarControl::DrawGraphic); });
    form.SetCommandHandler(CommandId::LinesDraw, [toolbar] { toolbar->Edit(ToolbarControl::LinesDraw); });
    form.SetCommandHandler(CommandId::DrawPoints, [toolbar] { toolbar->Edit(ToolbarControl::DrawPoints); });

    auto* list = new TGraphsListForm(form);
    form.SetCommandHandler(CommandId::FunctionList, [list] { list->ShowList(true); });
}

}  // namespace vg
