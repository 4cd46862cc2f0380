#include "app/interval_selection.h"

#include <algorithm>
#include <cstdlib>

namespace vg {

namespace {

CanvasPoint Clamped(CanvasPoint p, const CanvasRect& plot)
{
    return {std::clamp(p.x, plot.left, std::max(plot.left, plot.right)),
            std::clamp(p.y, plot.top, std::max(plot.top, plot.bottom))};
}

}  // namespace

bool InsidePlot(CanvasPoint p, const CanvasRect& plot)
{
    return p.x >= plot.left && p.x <= plot.right && p.y >= plot.top && p.y <= plot.bottom;
}

SelectionStep TIntervalSelection::Press(SelectionButton button, CanvasPoint point, const CanvasRect& plot,
                                        bool buttonDown)
{
    if (button != SelectionButton::Left || !buttonDown || selecting_ || !InsidePlot(point, plot)) return {};
    start_ = point;
    selecting_ = true;
    dragged_ = false;
    return {};
}

SelectionStep TIntervalSelection::Move(CanvasPoint point, const CanvasRect& plot)
{
    if (!selecting_) return {};
    const CanvasPoint p = Clamped(point, plot);
    if (std::abs(p.x - start_.x) <= threshold_ || std::abs(p.y - start_.y) <= threshold_) return {};
    if (dragged_ && p.x == end_.x && p.y == end_.y) return {};
    dragged_ = true;
    end_ = p;
    SelectionStep step;
    step.RepaintBand = true;
    return step;
}

SelectionStep TIntervalSelection::Release(SelectionButton button)
{
    if (!selecting_) return {};
    const bool complete = button == SelectionButton::Left && dragged_;
    SelectionStep step = End();
    if (complete) {
        step.Completed = true;
        step.ReleaseButton = true;
        step.Corner1 = start_;
        step.Corner2 = end_;
    }
    return step;
}

SelectionStep TIntervalSelection::Deactivate() { return End(); }

SelectionStep TIntervalSelection::End()
{
    SelectionStep step;
    step.RepaintBand = dragged_;
    selecting_ = false;
    dragged_ = false;
    return step;
}

std::optional<CanvasRect> TIntervalSelection::Band() const
{
    if (!selecting_ || !dragged_) return std::nullopt;
    return CanvasRect{std::min(start_.x, end_.x), std::min(start_.y, end_.y), std::max(start_.x, end_.x) + 1,
                      std::max(start_.y, end_.y) + 1};
}

}  // namespace vg
