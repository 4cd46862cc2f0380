#pragma once

// Choosing the view interval with the mouse: while the interval-selection
// button is down, a left-button drag inside the plot rectangle draws a
// rubber band, and its release hands the two corners to the interval
// change. Fed with the mouse events of the document window; it answers what
// the window must do.

#include <optional>

#include "platform/canvas.h"

namespace vg {

// A move of this many pixels or less (either way) selects nothing.
inline constexpr int kDragThreshold = 5;

enum class SelectionButton { Left, Other };

// What the window does after an event.
struct SelectionStep {
    bool RepaintBand = false;     // the rubber band appeared, moved or went away
    bool Completed = false;       // run the interval change with the corners
    bool ReleaseButton = false;   // the interval-selection button goes up
    CanvasPoint Corner1{};
    CanvasPoint Corner2{};
};

class TIntervalSelection {
public:
    // threshold: the drag threshold in the pixels the events come in.
    explicit TIntervalSelection(int threshold = kDragThreshold) : threshold_(threshold) {}

    // plot: the plot rectangle, both edges included.
    SelectionStep Press(SelectionButton button, CanvasPoint point, const CanvasRect& plot, bool buttonDown);
    SelectionStep Move(CanvasPoint point, const CanvasRect& plot);
    SelectionStep Release(SelectionButton button);
    // The main window or the document window lost the focus.
    SelectionStep Deactivate();

    bool Selecting() const { return selecting_; }
    bool Dragged() const { return dragged_; }
    CanvasPoint StartPoint() const { return start_; }
    CanvasPoint EndPoint() const { return end_; }
    // The rubber band on the screen: the corners' rectangle, right and
    // bottom exclusive; none while nothing is dragged.
    std::optional<CanvasRect> Band() const;
    void SetThreshold(int threshold) { threshold_ = threshold; }

private:
    SelectionStep End();

    int threshold_;
    bool selecting_ = false;
    bool dragged_ = false;
    CanvasPoint start_{};
    CanvasPoint end_{};
};

// Whether a point lies in the plot rectangle (both edges included).
bool InsidePlot(CanvasPoint point, const CanvasRect& plot);

}  // namespace vg
