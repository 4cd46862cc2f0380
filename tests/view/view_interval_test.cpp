// The interval buttons, centre, rectangle, wheel, pan and the Sets of
// Options on option records: new intervals and steps, refusals and their
// order.

#include <gtest/gtest.h>

#include <cstring>

#include "app/view_interval.h"
#include "app/view_steps.h"
#include "document/record_validity.h"

namespace vg {
namespace {

DocumentOptions Options(long double minX, long double maxX, long double minY, long double maxY)
{
    DocumentOptions d = DefaultDocumentOptions();
    d.MinX = minX;
    d.MaxX = maxX;
    d.MinY = minY;
    d.MaxY = maxY;
    return d;
}

struct Interval4 {
    long double minX, maxX, minY, maxY;
};

void ExpectInterval(const DocumentOptions& d, Interval4 e)
{
    EXPECT_EQ(d.MinX.Get(), e.minX);
    EXPECT_EQ(d.MaxX.Get(), e.maxX);
    EXPECT_EQ(d.MinY.Get(), e.minY);
    EXPECT_EQ(d.MaxY.Get(), e.maxY);
}

struct ButtonCase {
    ViewButton button;
    bool leftToRight, bottomToTop;
    Interval4 expected;
    long double xStep, yStep;  // all three steps of each axis, from 1
};

TEST(ChangeView, eachButtonFromTheStandardInterval)
{
    const ButtonCase cases[] = {
        {ViewButton::IncreaseXY, true, true, {-20, 20, -20, 20}, 2, 2},
        {ViewButton::IncreaseX, true, true, {-20, 20, -10, 10}, 2, 1},
        {ViewButton::IncreaseY, true, true, {-10, 10, -20, 20}, 1, 2},
        {ViewButton::ReduceXY, true, true, {-5, 5, -5, 5}, 0.5L, 0.5L},
        {ViewButton::ReduceX, true, true, {-5, 5, -10, 10}, 0.5L, 1},
        {ViewButton::ReduceY, true, true, {-10, 10, -5, 5}, 1, 0.5L},
        {ViewButton::MoveLeft, true, true, {-20, 0, -10, 10}, 1, 1},
        {ViewButton::MoveLeft, false, true, {0, 20, -10, 10}, 1, 1},
        {ViewButton::MoveRight, true, true, {0, 20, -10, 10}, 1, 1},
        {ViewButton::MoveRight, false, true, {-20, 0, -10, 10}, 1, 1},
        {ViewButton::MoveUp, true, true, {-10, 10, 0, 20}, 1, 1},
        {ViewButton::MoveUp, true, false, {-10, 10, -20, 0}, 1, 1},
        {ViewButton::MoveDown, true, true, {-10, 10, -20, 0}, 1, 1},
        {ViewButton::MoveDown, true, false, {-10, 10, 0, 20}, 1, 1},
    };
    for (const ButtonCase& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.button));
        DocumentOptions d = DefaultDocumentOptions();
        d.XLeftToRight = c.leftToRight;
        d.YBottomToTop = c.bottomToTop;
        const ViewOps ops = ViewButtonOps(c.button, d);
        const ViewChange change = ChangeView(d, ops.x, ops.y);
        ASSERT_TRUE(change.Accepted) << change.Message;
        ExpectInterval(change.Options, c.expected);
        for (const Ext80* s : {&change.Options.LabelsXStep, &change.Options.MarksXStep, &change.Options.VertStep})
            EXPECT_EQ(s->Get(), c.xStep);
        for (const Ext80* s : {&change.Options.LabelsYStep, &change.Options.MarksYStep, &change.Options.HorStep})
            EXPECT_EQ(s->Get(), c.yStep);
        // Nothing but the interval and the steps changes.
        DocumentOptions rest = change.Options;
        std::memcpy(&rest, &d, 40);
        for (Ext80* s : {&rest.LabelsXStep, &rest.MarksXStep, &rest.VertStep, &rest.LabelsYStep, &rest.MarksYStep,
                         &rest.HorStep})
            *s = 1.0L;
        EXPECT_TRUE(SameBytes(rest, d));
    }
}

TEST(ChangeView, reduceOnStepsOfAHalfGivesAQuarter)
{
    DocumentOptions d = DefaultDocumentOptions();
    d.LabelsXStep = d.MarksXStep = d.VertStep = 0.5L;
    const ViewChange change = ChangeView(d, XViewOp::Reduce, YViewOp::None);
    ASSERT_TRUE(change.Accepted);
    EXPECT_EQ(change.Options.LabelsXStep.Get(), 0.25L);
    EXPECT_EQ(change.Options.VertStep.Get(), 0.25L);
}

TEST(ChangeView, aHalfWidthLostInRoundingMovesByTheWholeWidth)
{
    // Ends 10 apart at eight digits: half the width rounds back onto the old end.
    const DocumentOptions d = Options(2e8L, 2.0000001e8L, -10, 10);
    const ViewChange left = ChangeView(d, XViewOp::ShiftSmaller, YViewOp::None);
    ASSERT_TRUE(left.Accepted);
    ExpectInterval(left.Options, {1.9999999e8L, 2e8L, -10, 10});

    const DocumentOptions e = Options(-10, 10, 2e8L, 2.0000001e8L);
    const ViewChange down = ChangeView(e, XViewOp::None, YViewOp::ShiftSmaller);
    ASSERT_TRUE(down.Accepted);
    ExpectInterval(down.Options, {-10, 10, 1.9999999e8L, 2e8L});
}

TEST(ChangeView, endsNearZeroBecomeZero)
{
    const DocumentOptions d = Options(-1e-21L, 2, -10, 10);
    const ViewChange change = ChangeView(d, XViewOp::None, YViewOp::None);
    ASSERT_TRUE(change.Accepted);
    EXPECT_EQ(change.Options.MinX.Get(), 0);
}

struct RefusalCase {
    DocumentOptions options;
    XViewOp x;
    YViewOp y;
    const char* message;
};

TEST(ChangeView, refusalsComeInTheirOrderAndChangeNothing)
{
    DocumentOptions logX = Options(8, 70, -10, 10);
    logX.LogX = 1;
    DocumentOptions logY = Options(-10, 10, 8, 70);
    logY.LogY = 1;
    const RefusalCase cases[] = {
        {Options(-6e99L, 6e99L, -10, 10), XViewOp::Increase, YViewOp::None, kXBoundaryMessage},
        {Options(-10, 10, -6e99L, 6e99L), XViewOp::None, YViewOp::Increase, kYBoundaryMessage},
        // Both axes fail: X is named first.
        {Options(-6e99L, 6e99L, -6e99L, 6e99L), XViewOp::Increase, YViewOp::Increase, kXBoundaryMessage},
        // Half of [0, 1e-20] is 0 at display precision.
        {Options(0, 1e-20L, -10, 10), XViewOp::Reduce, YViewOp::None, kXIntervalMessage},
        {Options(-10, 10, 0, 1e-20L), XViewOp::None, YViewOp::Reduce, kYIntervalMessage},
        // [8, 70] enlarged is [-23, 101]: 10^101 is beyond 1e100.
        {logX, XViewOp::Increase, YViewOp::None, kLogScaleMessage},
        {logY, XViewOp::None, YViewOp::Increase, kLogScaleMessage},
    };
    for (const RefusalCase& c : cases) {
        const ViewChange change = ChangeView(c.options, c.x, c.y);
        EXPECT_FALSE(change.Accepted);
        EXPECT_EQ(change.Message, c.message);
    }
    // [12, 70] enlarged is [-17, 99]: still within the logarithmic scale.
    DocumentOptions fits = Options(12, 70, -10, 10);
    fits.LogX = 1;
    const ViewChange accepted = ChangeView(fits, XViewOp::Increase, YViewOp::None);
    ASSERT_TRUE(accepted.Accepted);
    EXPECT_EQ(accepted.Options.MaxX.Get(), 99);
}

TEST(ChangeView, increasingAgainAndAgainStopsAtTheBound)
{
    DocumentOptions d = DefaultDocumentOptions();
    int accepted = 0;
    for (;;) {
        const ViewChange change = ChangeView(d, XViewOp::Increase, YViewOp::None);
        if (!change.Accepted) {
            EXPECT_EQ(change.Message, kXBoundaryMessage);
            break;
        }
        d = change.Options;
        ++accepted;
        ASSERT_LT(accepted, 400);
    }
    EXPECT_LE(d.MaxX.Get(), kBoundLimit);
    EXPECT_GT(d.MaxX.Get() * 2, kBoundLimit);
    EXPECT_TRUE(IsValidDocumentOptions(d));
}

TEST(CenterView, keepsTheWidthsAroundTheOrigin)
{
    const ViewChange change = CenterView(Options(2, 6, -1, 5));
    ASSERT_TRUE(change.Accepted);
    ExpectInterval(change.Options, {-2, 2, -3, 3});
}

TEST(CenterView, tinyWidthsTryTheWholeWidthThenStay)
{
    // Half of 1.5e-20 is below the zero snap: the whole width is used. Neither
    // half nor whole of 5e-21 survives: Y keeps its interval.
    const ViewChange change = CenterView(Options(0, 1.5e-20L, 0, 5e-21L));
    ASSERT_TRUE(change.Accepted);
    EXPECT_EQ(change.Options.MinX.Get(), -1.5e-20L);
    EXPECT_EQ(change.Options.MaxX.Get(), 1.5e-20L);
    EXPECT_EQ(change.Options.MinY.Get(), 0);
    EXPECT_EQ(change.Options.MaxY.Get(), 5e-21L);
}

TEST(CenterView, refusesAViewThatALogarithmicScaleCannotHold)
{
    DocumentOptions d = Options(-200, 30, -10, 10);
    d.LogX = 1;
    const ViewChange change = CenterView(d);
    EXPECT_FALSE(change.Accepted);
    EXPECT_EQ(change.Message, kLogScaleMessage);
    // What would have been stored fails the document file check.
    DocumentOptions centred = d;
    centred.MinX = -115.0L;
    centred.MaxX = 115.0L;
    EXPECT_FALSE(IsValidDocumentOptions(centred));
}

PlotMapping Mapping200(const DocumentOptions& d)
{
    // 201 pixels from -10 to 10: ten pixels per unit.
    return MakePlotMapping(d, CanvasRect{0, 0, 200, 200});
}

TEST(SelectViewInterval, cornersInAnyOrderGiveTheRectangle)
{
    const DocumentOptions d = DefaultDocumentOptions();
    for (auto [a, b] : {std::pair{CanvasPoint{50, 30}, CanvasPoint{150, 170}},
                        std::pair{CanvasPoint{150, 170}, CanvasPoint{50, 30}},
                        std::pair{CanvasPoint{50, 170}, CanvasPoint{150, 30}}}) {
        const ViewChange change = SelectViewInterval(d, Mapping200(d), a, b);
        ASSERT_TRUE(change.Accepted);
        ExpectInterval(change.Options, {-5, 5, -7, 7});
        EXPECT_EQ(change.Options.LabelsXStep.Get(), 0.5L);
        EXPECT_EQ(change.Options.LabelsYStep.Get(), 0.7L);
    }
}

TEST(SelectViewInterval, cornersAreReadAsTheirShownText)
{
    // 1/3 unit per pixel: the corners are cut to the two decimals a width of
    // 20 shows.
    const DocumentOptions d = DefaultDocumentOptions();
    const PlotMapping m = MakePlotMapping(d, CanvasRect{0, 0, 60, 60});
    const ViewChange change = SelectViewInterval(d, m, {1, 59}, {2, 58});
    ASSERT_TRUE(change.Accepted);
    ExpectInterval(change.Options, {-9.67L, -9.33L, -9.67L, -9.33L});
}

TEST(SelectViewInterval, aRectangleOfOneColumnIsRefused)
{
    const DocumentOptions d = DefaultDocumentOptions();
    const ViewChange change = SelectViewInterval(d, Mapping200(d), {50, 30}, {50, 170});
    EXPECT_FALSE(change.Accepted);
    EXPECT_EQ(change.Message, kXIntervalMessage);
}

TEST(WheelZoom, keepsThePointUnderThePointer)
{
    const DocumentOptions d = DefaultDocumentOptions();
    const PlotMapping before = Mapping200(d);
    const ViewChange in = WheelZoom(d, before, 150, 50, 1, WheelAxes::Both);
    ASSERT_TRUE(in.Accepted);
    // (5, 5) stays under the pointer; the widths halve like Reduce.
    ExpectInterval(in.Options, {-2.5L, 7.5L, -2.5L, 7.5L});
    EXPECT_EQ(in.Options.LabelsXStep.Get(), 0.5L);
    const PlotMapping after = Mapping200(in.Options);
    EXPECT_EQ(after.ToScreenX(5), 150);
    EXPECT_EQ(after.ToScreenY(5), 50);

    const ViewChange out = WheelZoom(d, before, 150, 50, -2, WheelAxes::Both);
    ASSERT_TRUE(out.Accepted);
    ExpectInterval(out.Options, {-55, 25, -55, 25});
    EXPECT_EQ(out.Options.MarksYStep.Get(), 4);
}

TEST(WheelZoom, oneAxisOnlyWithAModifier)
{
    const DocumentOptions d = DefaultDocumentOptions();
    const ViewChange x = WheelZoom(d, Mapping200(d), 100, 100, 1, WheelAxes::XOnly);
    ASSERT_TRUE(x.Accepted);
    ExpectInterval(x.Options, {-5, 5, -10, 10});
    EXPECT_EQ(x.Options.LabelsYStep.Get(), 1);
    const ViewChange y = WheelZoom(d, Mapping200(d), 100, 100, 1, WheelAxes::YOnly);
    ASSERT_TRUE(y.Accepted);
    ExpectInterval(y.Options, {-10, 10, -5, 5});
}

TEST(WheelZoom, runsTheChecksOfTheButtons)
{
    const DocumentOptions big = Options(-1e99L, 1e99L, -10, 10);
    const ViewChange change = WheelZoom(big, Mapping200(big), 100, 100, -4, WheelAxes::Both);
    EXPECT_FALSE(change.Accepted);
    EXPECT_EQ(change.Message, kXBoundaryMessage);
    DocumentOptions logY = Options(-10, 10, 10, 90);
    logY.LogY = 1;
    const ViewChange log = WheelZoom(logY, Mapping200(logY), 100, 100, -1, WheelAxes::YOnly);
    EXPECT_FALSE(log.Accepted);
    EXPECT_EQ(log.Message, kLogScaleMessage);
}

TEST(PanView, thePictureFollowsThePointerWhateverTheDirections)
{
    struct Case {
        bool leftToRight, bottomToTop;
        Interval4 expected;
    };
    const Case cases[] = {
        {true, true, {-12, 8, -7, 13}},
        {false, true, {-8, 12, -7, 13}},
        {true, false, {-12, 8, -13, 7}},
    };
    for (const Case& c : cases) {
        DocumentOptions d = DefaultDocumentOptions();
        d.XLeftToRight = c.leftToRight;
        d.YBottomToTop = c.bottomToTop;
        d.LabelsXStep = 0.3L;  // widths stay, and so do steps that are not nice
        // Dragged 20 pixels right and 30 down at ten pixels per unit.
        const ViewChange change = PanView(d, Mapping200(d), 20, 30);
        ASSERT_TRUE(change.Accepted);
        ExpectInterval(change.Options, c.expected);
        EXPECT_EQ(change.Options.LabelsXStep.Get(), 0.3L);
    }
}

TEST(PanView, cannotDragBeyondTheBound)
{
    const DocumentOptions d = Options(-10, 10, 9e99L, 1e100L);
    const ViewChange change = PanView(d, Mapping200(d), 0, 100);
    EXPECT_FALSE(change.Accepted);
    EXPECT_EQ(change.Message, kYBoundaryMessage);
}

TEST(SetsOfOptions, standardOptionsResetTheNamedFieldsAndKeepTheOthers)
{
    const DocumentOptions standard = DefaultDocumentOptions();
    DocumentOptions d = Options(3, 4, 5, 6);
    d.LogX = 1;
    d.CoeffY = 2.0L;
    d.BackColor = 3;
    d.AxisXName.Assign("time");
    d.LabelsYSuffix.Assign("m");
    d.LabelsXFont.Size = 20;
    d.DefaultKind = GraphKind::Polar;
    d.DefaultPolar.Steps = 7;
    d.DefaultPolar.CommonInterval = 1;  // not part of the set
    d.DefaultParam.CommonInterval = 1;
    d.DefaultStyle.Color = 9;
    const ViewChange change = SetStandardOptions(d);
    ASSERT_TRUE(change.Accepted);
    DocumentOptions expected = standard;
    expected.DefaultPolar.CommonInterval = 1;
    expected.DefaultParam.CommonInterval = 1;
    EXPECT_TRUE(SameBytes(change.Options, expected));
    EXPECT_TRUE(SameBytes(SetStandardOptions(standard).Options, standard));
}

TEST(SetsOfOptions, standardIntervalsAndTheirLogarithmicCheck)
{
    DocumentOptions d = Options(3, 4, 5, 6);
    d.MarksYStep = 0.1L;
    d.CoeffX = 2.0L;
    const ViewChange change = SetStandardIntervals(d);
    ASSERT_TRUE(change.Accepted);
    ExpectInterval(change.Options, {-10, 10, -10, 10});
    EXPECT_EQ(change.Options.MarksYStep.Get(), 1);
    EXPECT_EQ(change.Options.CoeffX.Get(), 2);

    d.LogY = 1;
    d.LogBaseY = 1e11L;
    const ViewChange refused = SetStandardIntervals(d);
    EXPECT_FALSE(refused.Accepted);
    EXPECT_EQ(refused.Message, kLogScaleMessage);
}

TEST(SetsOfOptions, trigonometricalSetLabelsXInMultiplesOfPi)
{
    const DocumentOptions d = DefaultDocumentOptions();
    const ViewChange change = SetTrigonometricalSet(d);
    ASSERT_TRUE(change.Accepted);
    EXPECT_EQ(change.Options.CoeffX.Get(), 3.1415927L);
    EXPECT_EQ(change.Options.LabelsXSuffix.View(), "p");
    EXPECT_EQ(change.Options.LabelsXFont.Name.View(), "Symbol");
    EXPECT_EQ(change.Options.LabelsYFont.Name.View(), "Symbol");
    EXPECT_EQ(change.Options.LabelsXFont.Size, d.LabelsXFont.Size);
    EXPECT_TRUE(IsValidDocumentOptions(change.Options));
}

}  // namespace
}  // namespace vg
