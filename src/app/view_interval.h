#pragma once

// The view interval operations: enlarge, reduce and move the interval,
// centre the origin, choose a rectangle, zoom with the wheel about the
// pointer, pan by dragging, and the three fixed Sets of Options. Each
// computes a new DocumentOptions record from the current one, or refuses
// with a message; the caller applies an accepted record to the document
// (ApplyDocumentOptions), which makes it undoable.

#include <string>

#include "document/coordinate_system.h"
#include "document/document_options.h"
#include "platform/canvas.h"

namespace vg {

// The refusals, in the order the checks run.
inline constexpr const char* kXBoundaryMessage = "Too large absolute value of the boundary of X interval";
inline constexpr const char* kXIntervalMessage = "Too small interval of X";
inline constexpr const char* kYBoundaryMessage = "Too large absolute value of the boundary of Y interval";
inline constexpr const char* kYIntervalMessage = "Too small interval of Y";
inline constexpr const char* kLogScaleMessage =
    "Too large value of the boundary of the interval\r(in view of the logarithmic scale)";

// A computed interval end of smaller magnitude becomes 0.
inline constexpr long double kZeroSnap = 1e-20L;

enum class XViewOp { None = 0, Increase = 1, Reduce = 2, ShiftSmaller = 3, ShiftLarger = 4 };
enum class YViewOp { None = 0, Increase = 1, Reduce = 2, ShiftLarger = 5, ShiftSmaller = 6 };

// The ten interval buttons of the Standard toolbar.
enum class ViewButton {
    IncreaseXY, IncreaseY, IncreaseX, ReduceXY, ReduceY, ReduceX, MoveLeft, MoveRight, MoveUp, MoveDown,
};

struct ViewOps {
    XViewOp x = XViewOp::None;
    YViewOp y = YViewOp::None;
};

// The operations of a button: the move buttons follow the axis directions,
// so the picture always moves the way the button shows.
ViewOps ViewButtonOps(ViewButton button, const DocumentOptions& d);

// The outcome of a view operation.
struct ViewChange {
    bool Accepted = false;
    std::string Message;        // the English refusal, when not accepted
    DocumentOptions Options{};  // the new record, when accepted
};

// The interval buttons: Increase doubles the width about the centre, Reduce
// halves it, a shift moves by half the width (the whole width where half of
// it is lost in rounding). Checked, then the steps scaled with the widths.
ViewChange ChangeView(const DocumentOptions& d, XViewOp x, YViewOp y);

// The origin to the centre, the widths kept. Refused only by the
// logarithmic check; no step scaling.
ViewChange CenterView(const DocumentOptions& d);

// The rectangle between two pixel corners (mapping of the picture the mouse
// was over) becomes the interval; each corner coordinate goes through its
// FormatCoordinate text, as it was shown.
ViewChange SelectViewInterval(const DocumentOptions& d, const PlotMapping& mapping, CanvasPoint corner1,
                              CanvasPoint corner2);

enum class WheelAxes { Both, XOnly, YOnly };

// Zoom about the pixel (px, py): each notch away from the user halves the
// width as Reduce does, each notch towards the user doubles it as Increase
// does, but the axis value under the pointer stays where it is. Same checks
// and step scaling as ChangeView.
ViewChange WheelZoom(const DocumentOptions& d, const PlotMapping& mapping, long double px, long double py,
                     int notches, WheelAxes axes);

// Notches of one wheel turn: 120 eighths of a degree each, signed.
inline constexpr int kWheelNotch = 120;

// The interval after the picture was dragged by (dx, dy) pixels: the point
// under the pointer follows it. The widths stay, so the steps stay too.
ViewChange PanView(const DocumentOptions& d, const PlotMapping& mapping, long double dx, long double dy);

// The three Sets of Options.
ViewChange SetStandardOptions(const DocumentOptions& d);
ViewChange SetStandardIntervals(const DocumentOptions& d);
ViewChange SetTrigonometricalSet(const DocumentOptions& d);

// The checks every interval change runs on its new ends, in order; the
// English message of the first that fails, or empty.
std::string CheckViewInterval(const DocumentOptions& d, long double minX, long double maxX, long double minY,
                              long double maxY);

// Shows the message of a refused change, or stores the accepted record in
// the program-wide DocumentOptions, ready to be applied to the active
// document. True when there is something to apply.
bool TakeViewChange(const ViewChange& change);

}  // namespace vg
