#include "app/ui/view_commands.h"

#include <QAction>
#include <QComboBox>

#include <utility>

#include "app/app_globals.h"
#include "app/view_interval.h"
#include "app/ui/main_form.h"
#include "app/ui/mdi_child.h"
#include "app/ui/trace_form.h"

namespace vg {

namespace {

using ViewOperation = ViewChange (*)(const DocumentOptions&);

// Every operation starts from the program-wide options, which hold the
// active document's.
void RunOperation(TMainForm& form, ViewOperation operation)
{
    if (TMDIChild* child = form.ActiveChild()) child->ApplyViewChange(operation(GlobalDocumentOptions()));
}

void RunButton(TMainForm& form, ViewButton button)
{
    TMDIChild* child = form.ActiveChild();
    if (!child) return;
    const DocumentOptions& options = GlobalDocumentOptions();
    const ViewOps ops = ViewButtonOps(button, options);
    child->ApplyViewChange(ChangeView(options, ops.x, ops.y));
}

// Releasing the latched button ends a selection in progress.
void SelectIntervalClick(TMainForm& form)
{
    const QAction* button = form.Button(CommandId::SelectInterval);
    if (button && !button->isChecked())
        if (TMDIChild* child = form.ActiveChild()) child->AbandonSelection();
}

int SelectedGraph(const TMainForm& form)
{
    const auto* list = form.findChild<QComboBox*>("FuncComboBox");
    return list ? list->currentIndex() : -1;
}

}  // namespace

void TraceClick(TMainForm& form)
{
    TMDIChild* child = form.ActiveChild();
    if (!child) return;
    TTraceForm trace(*child, SelectedGraph(form), &form);
    trace.exec();
}

void InstallViewCommands(TMainForm& form)
{
    const std::pair<CommandId, ViewButton> buttons[] = {
        {CommandId::IncreaseXY, ViewButton::IncreaseXY}, {CommandId::IncreaseY, ViewButton::IncreaseY},
        {CommandId::IncreaseX, ViewButton::IncreaseX},   {CommandId::DecreaseXY, ViewButton::ReduceXY},
        {CommandId::DecreaseY, ViewButton::ReduceY},     {CommandId::DecreaseX, ViewButton::ReduceX},
        {CommandId::MoveLeft, ViewButton::MoveLeft},     {CommandId::MoveRight, ViewButton::MoveRight},
        {CommandId::MoveUp, ViewButton::MoveUp},         {CommandId::MoveDown, ViewButton::MoveDown},
    };
    for (const auto& [id, button] : buttons) form.SetCommandHandler(id, [&form, b = button] { RunButton(form, b); });
    form.SetCommandHandler(CommandId::CenterInterval, [&form] { RunOperation(form, &CenterView); });
    form.SetCommandHandler(CommandId::StandardOptions, [&form] { RunOperation(form, &SetStandardOptions); });
    form.SetCommandHandler(CommandId::StandardIntervals, [&form] { RunOperation(form, &SetStandardIntervals); });
    form.SetCommandHandler(CommandId::TrigonometricalSet, [&form] { RunOperation(form, &SetTrigonometricalSet); });
    form.SetCommandHandler(CommandId::SelectInterval, [&form] { SelectIntervalClick(form); });
    form.SetCommandHandler(CommandId::Trace, [&form] { TraceClick(form); });
}

}  // namespace vg
