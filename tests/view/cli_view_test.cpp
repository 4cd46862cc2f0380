// vgraph-cli view and number: the headless forms of the view operations.

#include <gtest/gtest.h>

#include <filesystem>

#include "support/cli_support.h"

namespace vg::view_test {
namespace {

using namespace vg::test;

using ViewCli = CliFiles;

TEST_F(ViewCli, printsTheTenValuesAfterEachOperation)
{
    const std::string file = NewDocument("a.vgr", {"--add", "YFromX", "sin(x)"});
    const CliResult r = RunCliCommand({"view", file, "zoom-out-x"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Lines(r.out), (std::vector<std::string>{"MinX=-20", "MaxX=20", "MinY=-10", "MaxY=10",
                                                      "LabelsXStep=2", "MarksXStep=2", "VertStep=2",
                                                      "LabelsYStep=1", "MarksYStep=1", "HorStep=1"}));
    const std::pair<const char*, const char*> firstLines[] = {
        {"zoom-in", "MinX=-5"}, {"zoom-in-y", "MinX=-10"}, {"left", "MinX=-20"}, {"right", "MinX=0"},
        {"center", "MinX=-10"}, {"standard-options", "MinX=-10"}, {"trig", "MinX=-10"},
    };
    for (const auto& [op, line] : firstLines) {
        const CliResult each = RunCliCommand({"view", file, op});
        ASSERT_EQ(each.status, 0) << op << ": " << each.err;
        EXPECT_EQ(Lines(each.out).at(0), line) << op;
    }
    EXPECT_EQ(Lines(RunCliCommand({"view", file, "down"}).out).at(2), "MinY=-20");
    EXPECT_EQ(Lines(RunCliCommand({"view", file, "zoom-in"}).out).at(9), "HorStep=0.5");
}

TEST_F(ViewCli, writesTheChangedDocumentOnlyWhenAccepted)
{
    const std::string file = NewDocument("a.vgr", {"--add", "YFromX", "x"});
    const std::string out = Path("b.vgr");
    ASSERT_EQ(RunCliCommand({"view", file, "zoom-out", "-o", out}).status, 0);
    // Each step from the written file: the changes add up.
    const CliResult again = RunCliCommand({"view", out, "zoom-out"});
    EXPECT_EQ(Lines(again.out).at(1), "MaxX=40");

    // 1e100 is out of reach: refused, with the message, and nothing written.
    std::string big = out;
    for (int i = 0; i < 400; ++i) {
        const CliResult step = RunCliCommand({"view", big, "zoom-out", "-o", Path("c.vgr")});
        if (step.status != 0) {
            EXPECT_EQ(step.status, 2);
            EXPECT_EQ(step.err, "vgraph-cli: Too large absolute value of the boundary of X interval\n");
            EXPECT_TRUE(step.out.empty());
            break;
        }
        big = Path("c.vgr");
    }
    EXPECT_TRUE(std::filesystem::exists(Path("c.vgr")));
    const auto written = std::filesystem::last_write_time(Path("c.vgr"));
    EXPECT_EQ(RunCliCommand({"view", Path("c.vgr"), "zoom-out", "-o", Path("c.vgr")}).status, 2);
    EXPECT_EQ(std::filesystem::last_write_time(Path("c.vgr")), written);
}

TEST_F(ViewCli, badUsageAndBadFiles)
{
    const std::string file = NewDocument("a.vgr", {});
    const std::vector<std::vector<std::string>> usage = {
        {"view", file},
        {"view", file, "sideways"},
        {"view", file, "select", "1", "2", "3"},
        {"view", file, "wheel", "1", "2", "x"},
        {"view", file, "zoom-in", "--size", "5x5"},
        {"view", file, "zoom-in", "-o"},
        {"trace", file, "--graph", "1"},
        {"trace", file, "--graph", "0", "--point", "1"},
        {"number", "nice-step", "-3"},
        {"number", "coordinate", "1", "2"},
    };
    for (const auto& args : usage) EXPECT_EQ(RunCliCommand(args).status, 64) << args.at(2);
    const CliResult missing = RunCliCommand({"view", Path("none.vgr"), "zoom-in"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err.rfind("vgraph-cli: ", 0), 0u);
    EXPECT_EQ(RunCliCommand({"trace", file, "--graph", "1", "--point", "1"}).status, 64);
}

TEST(NumberCli, niceStepAndCoordinate)
{
    EXPECT_EQ(RunCliCommand({"number", "nice-step", "3.14"}).out, "3.2\n");
    EXPECT_EQ(RunCliCommand({"number", "nice-step", "0.0314"}).out, "0.032\n");
    EXPECT_EQ(RunCliCommand({"number", "nice-step", "9.95"}).out, "10\n");
    EXPECT_EQ(RunCliCommand({"number", "coordinate", "3", "20", "20"}).out, "3.00\n");
    EXPECT_EQ(RunCliCommand({"number", "coordinate", "0.5", "1", "1"}).out, "0.5000\n");
    EXPECT_EQ(RunCliCommand({"number", "coordinate", "-0.00001", "20", "20"}).out, "-1*10^(-5)\n");
    EXPECT_EQ(RunCliCommand({"number", "coordinate", "5", "0", "5"}).out, "\n");
}

}  // namespace
}  // namespace vg::view_test
