#include "tools/ui/calculus_commands.h"

#include "app/ui/graph_commands.h"
#include "app/ui/graph_lists.h"
#include "app/ui/main_form.h"
#include "app/ui/mdi_child.h"
#include "document/graph_model.h"
#include "tools/ui/calc_form.h"
#include "tools/ui/derivative_form.h"
#include "tools/ui/integral_form.h"
#include "tools/ui/tangent_form.h"

namespace vg {

namespace {

// The active document, or null while it (or the program) is busy computing:
// the windows then have no graph to offer.
const TGraphicsManager* IdleDocument(TMainForm& form)
{
    TMDIChild* child = form.ActiveChild();
    if (!child || form.Computing() || child->Document().Calculating) return nullptr;
    return &child->Document();
}

// Runs a window that ends with AddGraphResult when its graph is to be added:
// it steps aside for the graph properties dialog and comes back when that is
// cancelled. With a full document the window itself hands its graph over,
// and the add-graph operation reports the limit while the window stays.
template <class Window>
void RunAddingWindow(TMainForm& form, Window& window)
{
    window.SetFullDocumentHandler([&form](const GraphRecord& record) { AddGraphFromRecord(form, record); });
    while (window.exec() == Window::AddGraphResult) {
        TMDIChild* child = form.ActiveChild();
        if (!child) break;
        const int before = child->Document().GraphCount();
        AddGraphFromRecord(form, window.GraphToAdd());
        if (!form.ActiveChild() || form.ActiveChild()->Document().GraphCount() != before) break;
    }
}

}  // namespace

TCalcForm* CalculatorOf(TMainForm& form) { return form.findChild<TCalcForm*>("CalcForm"); }

void DerivativeItemClick(TMainForm& form)
{
    if (!form.ActiveChild()) return;
    TDerivativeForm window(IdleDocument(form), SelectedGraph(form), &form);
    RunAddingWindow(form, window);
}

void TangentItemClick(TMainForm& form)
{
    if (!form.ActiveChild()) return;
    TTangentForm window(IdleDocument(form), SelectedGraph(form), &form);
    RunAddingWindow(form, window);
}

void IntegrateItemClick(TMainForm& form)
{
    TMDIChild* child = form.ActiveChild();
    TIntegralForm window(child ? &child->Document() : nullptr, &form);
    RunAddingWindow(form, window);
}

void InstallCalculusCommands(TMainForm& form)
{
    auto* calculator = new TCalcForm(&form);
    form.SetCommandHandler(CommandId::Calc, [calculator] { calculator->ShowCalculator(); });
    form.SetCommandHandler(CommandId::Derivative, [&form] { DerivativeItemClick(form); });
    form.SetCommandHandler(CommandId::Tangent, [&form] { TangentItemClick(form); });
    form.SetCommandHandler(CommandId::Integrate, [&form] { IntegrateItemClick(form); });
}

}  // namespace vg
