// The rubber band of the interval selection, fed with mouse events.

#include <gtest/gtest.h>

#include "app/interval_selection.h"

namespace vg {
namespace {

const CanvasRect kPlot{20, 10, 220, 160};  // both edges included

TEST(IntervalSelection, aDragBeyondTheThresholdBothWaysCompletes)
{
    TIntervalSelection s;
    s.Press(SelectionButton::Left, {50, 50}, kPlot, true);
    EXPECT_TRUE(s.Selecting());
    // Five pixels or less in either direction draw nothing yet.
    EXPECT_FALSE(s.Move({55, 100}, kPlot).RepaintBand);
    EXPECT_FALSE(s.Move({100, 55}, kPlot).RepaintBand);
    EXPECT_FALSE(s.Band());
    EXPECT_TRUE(s.Move({56, 56}, kPlot).RepaintBand);
    ASSERT_TRUE(s.Band());
    EXPECT_EQ(s.Band()->left, 50);
    EXPECT_EQ(s.Band()->right, 57);
    // The same corner again: nothing to redraw.
    EXPECT_FALSE(s.Move({56, 56}, kPlot).RepaintBand);
    EXPECT_TRUE(s.Move({120, 90}, kPlot).RepaintBand);
    const SelectionStep done = s.Release(SelectionButton::Left);
    EXPECT_TRUE(done.Completed);
    EXPECT_TRUE(done.ReleaseButton);
    EXPECT_TRUE(done.RepaintBand);
    EXPECT_EQ(done.Corner1.x, 50);
    EXPECT_EQ(done.Corner2.y, 90);
    EXPECT_FALSE(s.Selecting());
    EXPECT_FALSE(s.Band());
}

TEST(IntervalSelection, theCornerIsClampedToThePlot)
{
    TIntervalSelection s;
    s.Press(SelectionButton::Left, {200, 150}, kPlot, true);
    s.Move({400, -30}, kPlot);
    EXPECT_EQ(s.EndPoint().x, 220);
    EXPECT_EQ(s.EndPoint().y, 10);
    // Clamped to (203, 160): within the threshold across, so the band stays.
    EXPECT_FALSE(s.Move({203, 400}, kPlot).RepaintBand);
    EXPECT_EQ(s.EndPoint().y, 10);
    EXPECT_TRUE(s.Move({100, 400}, kPlot).RepaintBand);
    EXPECT_EQ(s.EndPoint().y, 160);
}

TEST(IntervalSelection, nothingStartsWithoutTheButtonOutsideThePlotOrWithAnotherButton)
{
    TIntervalSelection s;
    s.Press(SelectionButton::Left, {50, 50}, kPlot, false);
    EXPECT_FALSE(s.Selecting());
    s.Press(SelectionButton::Left, {19, 50}, kPlot, true);
    EXPECT_FALSE(s.Selecting());
    s.Press(SelectionButton::Other, {50, 50}, kPlot, true);
    EXPECT_FALSE(s.Selecting());
    s.Press(SelectionButton::Left, {220, 160}, kPlot, true);  // the corner pixel is inside
    EXPECT_TRUE(s.Selecting());
}

TEST(IntervalSelection, aShortDragSelectsNothingAndLeavesTheButtonDown)
{
    TIntervalSelection s;
    s.Press(SelectionButton::Left, {50, 50}, kPlot, true);
    s.Move({55, 55}, kPlot);
    const SelectionStep step = s.Release(SelectionButton::Left);
    EXPECT_FALSE(step.Completed);
    EXPECT_FALSE(step.ReleaseButton);
    EXPECT_FALSE(s.Selecting());
}

TEST(IntervalSelection, anotherButtonOrDeactivationAbandonsAndErases)
{
    for (int way = 0; way < 2; ++way) {
        TIntervalSelection s;
        s.Press(SelectionButton::Left, {50, 50}, kPlot, true);
        s.Move({90, 90}, kPlot);
        // A second press while selecting does not restart it.
        s.Press(SelectionButton::Left, {150, 150}, kPlot, true);
        EXPECT_EQ(s.StartPoint().x, 50);
        const SelectionStep step = way == 0 ? s.Release(SelectionButton::Other) : s.Deactivate();
        EXPECT_TRUE(step.RepaintBand);
        EXPECT_FALSE(step.Completed);
        EXPECT_FALSE(s.Selecting());
        EXPECT_FALSE(s.Release(SelectionButton::Left).Completed);
    }
}

TEST(IntervalSelection, theThresholdScalesWithThePixelRatio)
{
    TIntervalSelection s(10);
    s.Press(SelectionButton::Left, {50, 50}, kPlot, true);
    EXPECT_FALSE(s.Move({58, 58}, kPlot).RepaintBand);
    EXPECT_TRUE(s.Move({61, 61}, kPlot).RepaintBand);
}

}  // namespace
}  // namespace vg
