// vgraph-cli's commands that work with pixel positions of a document window:
// the rectangle, the wheel and the trace pointer's place.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "support/cli_support.h"

namespace vg::view_test {
namespace {

using namespace vg::test;

using PixelCli = CliFiles;

// The value of output line n ("NAME=VALUE").
double Value(const std::string& out, std::size_t n)
{
    const std::string line = Lines(out).at(n);
    return std::stod(line.substr(line.find('=') + 1));
}

TEST_F(PixelCli, selectAndWheelWorkInTheWindowsPixels)
{
    const std::string file = NewDocument("a.vgr", {"--add", "YFromX", "x"});
    // The trace pointer at (0, 0) tells where the origin lies in the window.
    const CliResult origin = RunCliCommand({"trace", file, "--graph", "1", "--point", "101"});
    ASSERT_EQ(origin.status, 0) << origin.err;
    const std::vector<std::string> lines = Lines(origin.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "X=0");
    EXPECT_EQ(lines[1], "Y=0");
    int px = 0, py = 0;
    ASSERT_EQ(std::sscanf(lines[2].c_str(), "pixel %d %d", &px, &py), 2);
    EXPECT_NEAR(px, 400, 10);
    EXPECT_NEAR(py, 300, 10);

    // A wheel notch over the origin halves the widths about it (the pixel
    // holds the origin within a fraction of a pixel; the labels of the new
    // view may move the plot rectangle by a few).
    const CliResult wheel = RunCliCommand(
        {"view", file, "wheel", std::to_string(px), std::to_string(py), "1", "-o", Path("w.vgr")});
    ASSERT_EQ(wheel.status, 0) << wheel.err;
    EXPECT_NEAR(Value(wheel.out, 0), -5, 0.02);
    EXPECT_NEAR(Value(wheel.out, 1), 5, 0.02);
    EXPECT_NEAR(Value(wheel.out, 3), 5, 0.02);
    EXPECT_EQ(Lines(wheel.out).at(4), "LabelsXStep=0.5");
    const CliResult still = RunCliCommand({"trace", Path("w.vgr"), "--graph", "1", "--point", "101"});
    int qx = 0, qy = 0;
    ASSERT_EQ(std::sscanf(Lines(still.out).at(2).c_str(), "pixel %d %d", &qx, &qy), 2);
    EXPECT_NEAR(qx, px, 5);
    EXPECT_NEAR(qy, py, 5);

    // The quarter of the window above and right of the origin; corners beyond
    // the plot rectangle count at its edge.
    const CliResult select = RunCliCommand(
        {"view", file, "select", std::to_string(px), std::to_string(py), "2000", "-5"});
    ASSERT_EQ(select.status, 0) << select.err;
    EXPECT_NEAR(Value(select.out, 0), 0, 0.05);
    EXPECT_EQ(Lines(select.out).at(1), "MaxX=10");
    EXPECT_NEAR(Value(select.out, 2), 0, 0.05);
    EXPECT_EQ(Lines(select.out).at(3), "MaxY=10");
}

TEST_F(PixelCli, traceLabelsPerKindAndPointsOutsideTheView)
{
    const std::string file = NewDocument(
        "a.vgr", {"--add", "YFromX", "x^2", "--add", "Polar", "1+a", "--add", "Param", "t;sqrt(t)", "--add",
                  "Equation", "x^2+y^2-1"});
    const CliResult outside = RunCliCommand({"trace", file, "--graph", "1", "--point", "1", "--size", "400x300"});
    EXPECT_EQ(outside.out, "X=-10\nY=100\npixel none\n");
    const CliResult polar = RunCliCommand({"trace", file, "--graph", "2", "--point", "1"});
    EXPECT_EQ(Lines(polar.out).at(2), "A=-1");
    EXPECT_EQ(Lines(polar.out).at(3), "R=-2.1415927");
    const CliResult param = RunCliCommand({"trace", file, "--graph", "3", "--point", "1"});
    EXPECT_EQ(param.out, "X=-10\nY=Error\nA=-10\npixel none\n");
    const CliResult equation = RunCliCommand({"trace", file, "--graph", "4", "--point", "1"});
    EXPECT_EQ(equation.status, 2);
    EXPECT_EQ(equation.err, "vgraph-cli: The tracing is impossible\n");
    EXPECT_EQ(RunCliCommand({"trace", file, "--graph", "1", "--point", "202"}).status, 64);
}

}  // namespace
}  // namespace vg::view_test
