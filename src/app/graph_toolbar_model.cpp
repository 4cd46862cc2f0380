#include "app/graph_toolbar_model.h"

#include "app/graph_props_model.h"

namespace vg {

namespace {

// Kinds whose lines are drawn whatever their Lines flag says.
bool AlwaysDrawsLines(const GraphRecord& r)
{
    return r.Kind == GraphKind::DifField || (r.Kind == GraphKind::Equation && !IsRegionGraph(r));
}

// Whether a visible graph shows anything at all: slope fields and equations
// are drawn without looking at their Lines and Points flags.
bool ShowsSomething(const GraphRecord& r)
{
    return r.Kind == GraphKind::Equation || r.Kind == GraphKind::DifField || r.Lines || r.Points;
}

bool ValidIndex(ToolbarControl control, int value)
{
    switch (control) {
    case ToolbarControl::LineWidth: return value >= 0 && value < 5;
    case ToolbarControl::LineStyle: return value >= 0 && value < 4;
    case ToolbarControl::PointSize: return value >= 0 && value < 6;
    case ToolbarControl::PointStyle: return value >= 0 && value < 8;
    case ToolbarControl::Color: return value >= 0 && value < 16;
    case ToolbarControl::Brush: return value >= 0 && value < 7;
    default: return true;
    }
}

// Stores the edit in r; false when the box already showed the value.
bool ApplyEdit(GraphRecord& r, ToolbarControl control, int value)
{
    const GraphToolbarState shown = ToolbarStateOf(&r);
    auto flip = [](uint8_t& flag) { flag = flag ? 0 : 1; };
    switch (control) {
    case ToolbarControl::DrawGraphic: flip(r.Visible); return true;
    case ToolbarControl::LinesDraw: flip(r.Lines); return true;
    case ToolbarControl::DrawPoints: flip(r.Points); return true;
    case ToolbarControl::LineWidth:
        if (value == shown.LineWidthIndex) return false;
        r.LineStyleWidth = (r.LineStyleWidth & ~15) | (value + 1);
        return true;
    case ToolbarControl::LineStyle:
        if (value == shown.LineStyleIndex) return false;
        r.LineStyleWidth = value * 16 + (r.LineStyleWidth & 15);
        return true;
    case ToolbarControl::PointSize:
        if (value == shown.PointSizeIndex) return false;
        r.PointSize = 2 * value + 1;
        return true;
    case ToolbarControl::PointStyle:
        if (value == shown.PointStyleIndex) return false;
        r.PointStyle = static_cast<uint8_t>(value);
        return true;
    case ToolbarControl::Color:
        if (value == shown.ColorIndex) return false;
        r.Color = static_cast<uint8_t>(value);
        return true;
    case ToolbarControl::Brush:
        if (value == shown.BrushIndex) return false;
        r.BrushStyle = static_cast<uint8_t>(value);
        return true;
    }
    return false;
}

bool NeedsRedraw(const GraphRecord& r, ToolbarControl control)
{
    const bool visible = r.Visible != 0;
    switch (control) {
    case ToolbarControl::DrawGraphic: return ShowsSomething(r);
    case ToolbarControl::LinesDraw:
    case ToolbarControl::DrawPoints:
    case ToolbarControl::Color:
    case ToolbarControl::Brush: return visible;
    case ToolbarControl::LineWidth:
    case ToolbarControl::LineStyle: return visible && (r.Lines || AlwaysDrawsLines(r));
    case ToolbarControl::PointSize:
    case ToolbarControl::PointStyle: return visible && r.Points;
    }
    return false;
}

}  // namespace

GraphToolbarState ToolbarStateOf(const GraphRecord* record)
{
    GraphToolbarState s;
    if (!record) return s;
    const GraphRecord& r = *record;
    const GraphPropsValues look = AppearanceValues(r.GetStyle());
    s.HasGraph = true;
    s.PointSizeIndex = look.PointSizeIndex;
    s.PointStyleIndex = look.PointStyleIndex;
    s.ColorIndex = look.ColorIndex;
    s.LineWidthIndex = look.LineWidthIndex;
    s.LineStyleIndex = look.LineStyleIndex;
    s.BrushIndex = look.BrushIndex;
    s.Lines = look.Lines;
    s.Visible = look.Visible;
    s.Points = look.Points;
    if (IsRegionGraph(r)) {
        s.LineWidthVisible = false;
        s.LineStyleEnabled = false;
        s.BrushVisible = true;
        s.LinesPointsEnabled = false;
    } else if (r.Kind == GraphKind::Equation) {
        s.LineStyleEnabled = false;
    } else if (r.Kind == GraphKind::DifField) {
        s.LineStyleEnabled = false;
        s.LinesPointsEnabled = false;
    }
    return s;
}

ToolbarEditOutcome EditGraphFromToolbar(TGraphicsManager& document, int index, ToolbarControl control, int value)
{
    ToolbarEditOutcome outcome;
    if (index < 0 || index >= document.GraphCount() || !ValidIndex(control, value)) return outcome;
    GraphRecord record = document.Graph(index).Record;
    if (!ApplyEdit(record, control, value)) return outcome;
    document.ChangeGraphRecord(index, record);
    outcome.Changed = true;
    outcome.Redraw = NeedsRedraw(record, control);
    outcome.RefreshList = outcome.Redraw || control == ToolbarControl::Color || control == ToolbarControl::Brush;
    return outcome;
}

uint8_t NewGraphColor(const TGraphicsManager& document, const DocumentOptions& programOptions)
{
    DocumentOptions rule = document.Options;
    rule.DefaultStyle = programOptions.DefaultStyle;
    return ChooseNewGraphColor(document, rule);
}

}  // namespace vg
