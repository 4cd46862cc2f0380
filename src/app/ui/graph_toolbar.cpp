#include "app/ui/graph_toolbar.h"

#include <QAction>
#include <QComboBox>
#include <QToolBar>

#include "app/ui/graph_lists.h"
#include "app/ui/main_form.h"
#include "app/ui/mdi_child.h"
#include "app/ui/style_combo_boxes.h"

namespace vg {

namespace {

TScaledComboBox* MakeBox(ToolbarControl control, QWidget* parent)
{
    switch (control) {
    case ToolbarControl::LineWidth: return new TLineWidthComboBox(parent);
    case ToolbarControl::LineStyle: return new TLineComboBox(parent);
    case ToolbarControl::PointSize: return new TPointWidthComboBox(parent);
    case ToolbarControl::PointStyle: return new TPointStyleComboBox(parent);
    case ToolbarControl::Color: return new TColorComboBox(parent);
    default: return new TBrushComboBox(parent);
    }
}

}  // namespace

TGraphToolbar::TGraphToolbar(TMainForm& form) : QObject(&form), form_(form)
{
    setObjectName("GraphToolbarControls");
    TakeOverBox("LineWidthComboBox", ToolbarControl::LineWidth);
    TakeOverBox("BrushComboBox", ToolbarControl::Brush);
    TakeOverBox("LineStyleComboBox", ToolbarControl::LineStyle);
    TakeOverBox("PointWidthComboBox", ToolbarControl::PointSize);
    TakeOverBox("PointStyleComboBox", ToolbarControl::PointStyle);
    TakeOverBox("ColorComboBox", ToolbarControl::Color);
    if (QComboBox* graphs = GraphListBox(form_))
        connect(graphs, &QComboBox::currentIndexChanged, this, [this] { ShowGraphInToolbar(); });
    connect(&form_, &TMainForm::MenuItemsUpdated, this, [this] { ShowGraphInToolbar(); });
    ShowGraphInToolbar();
}

void TGraphToolbar::TakeOverBox(const char* name, ToolbarControl control)
{
    QToolBar* bar = form_.Toolbar(1);
    auto* old = form_.findChild<QComboBox*>(name);
    if (!bar || !old) return;
    QAction* place = nullptr;
    for (QAction* action : bar->actions())
        if (bar->widgetForAction(action) == old) place = action;
    if (!place) return;
    TScaledComboBox* box = MakeBox(control, bar);
    box->setObjectName(name);
    box->setToolTip(old->toolTip());
    box->setStatusTip(old->statusTip());
    box->setMinimumWidth(old->minimumWidth());
    box->setFocusPolicy(Qt::NoFocus);
    QAction* action = bar->insertWidget(place, box);
    bar->removeAction(place);
    delete old;
    slots_.push_back({control, box, action});
    connect(box, &QComboBox::activated, this, [this, control](int index) { Edit(control, index); });
}

const TGraphToolbar::Slot* TGraphToolbar::SlotOf(ToolbarControl control) const
{
    for (const Slot& slot : slots_)
        if (slot.control == control) return &slot;
    return nullptr;
}

TScaledComboBox* TGraphToolbar::Box(ToolbarControl control) const
{
    const Slot* slot = SlotOf(control);
    return slot ? slot->box : nullptr;
}

void TGraphToolbar::ShowGraphInToolbar()
{
    TMDIChild* child = form_.ActiveChild();
    const int index = SelectedGraph(form_);
    const GraphRecord* record = nullptr;
    if (child && !child->IsClosing() && index >= 0 && index < child->Document().GraphCount())
        record = &child->Document().Graph(index).Record;
    const GraphToolbarState s = ToolbarStateOf(record);
    const bool on = s.HasGraph;
    for (const Slot& slot : slots_) {
        int value = 0;
        bool enabled = on, visible = true;
        switch (slot.control) {
        case ToolbarControl::LineWidth:
            value = s.LineWidthIndex;
            visible = s.LineWidthVisible;
            break;
        case ToolbarControl::LineStyle:
            value = s.LineStyleIndex;
            enabled = on && s.LineStyleEnabled;
            break;
        case ToolbarControl::PointSize:
            value = s.PointSizeIndex;
            enabled = on && s.LinesPointsEnabled;
            break;
        case ToolbarControl::PointStyle:
            value = s.PointStyleIndex;
            enabled = on && s.LinesPointsEnabled;
            break;
        case ToolbarControl::Color: value = s.ColorIndex; break;
        case ToolbarControl::Brush:
            value = s.BrushIndex;
            visible = s.BrushVisible;
            break;
        default: break;
        }
        QSignalBlocker block(slot.box);
        slot.box->setCurrentIndex(value);
        slot.box->setEnabled(enabled);
        slot.action->setVisible(visible);
    }
    struct Button {
        CommandId id;
        bool checked;
        bool enabled;
    };
    const Button buttons[] = {{CommandId::DrawGraphic, s.Visible, on},
                              {CommandId::LinesDraw, s.Lines, on && s.LinesPointsEnabled},
                              {CommandId::DrawPoints, s.Points, on && s.LinesPointsEnabled}};
    for (const Button& b : buttons) {
        if (QAction* action = form_.Button(b.id)) {
            action->setChecked(b.checked);
            action->setEnabled(b.enabled);
        }
    }
}

void TGraphToolbar::Edit(ToolbarControl control, int value)
{
    TMDIChild* child = form_.ActiveChild();
    const int index = SelectedGraph(form_);
    // Nothing changes while graphs are being computed.
    if (!child || child->IsClosing() || form_.Computing() || index < 0 || index >= child->Document().GraphCount()) {
        ShowGraphInToolbar();
        return;
    }
    const ToolbarEditOutcome outcome = EditGraphFromToolbar(child->Document(), index, control, value);
    if (outcome.Redraw) child->Redraw();
    // The undo captions, the graph list window's picture and this toolbar.
    form_.UpdateMenuItems();
}

}  // namespace vg
