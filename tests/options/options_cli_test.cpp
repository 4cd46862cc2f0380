// vgraph-cli options: every field printed by name, changes through the
// dialogs' checks, refusals that write nothing.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "app/options_by_name.h"
#include "support/cli_support.h"
#include "document/document_file.h"
#include "document/graph_model.h"

namespace vg {
namespace {

using namespace vg::test;

namespace fs = std::filesystem;

std::map<std::string, std::string> Fields(const std::string& out)
{
    std::map<std::string, std::string> fields;
    std::istringstream lines(out);
    std::string line;
    while (std::getline(lines, line)) {
        const std::size_t equals = line.find('=');
        fields[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return fields;
}

class OptionsCli : public CliFiles {
protected:
    void SetUp() override
    {
        CliFiles::SetUp();
        ASSERT_EQ(RunCliCommand({"new", Path("a.vgr"), "--add", "YFromX", "sin(x)"}).status, 0);
    }

};

TEST_F(OptionsCli, printsEveryFieldOfBothRecords)
{
    const CliResult r = RunCliCommand({"options", Path("a.vgr")});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto fields = Fields(r.out);
    EXPECT_EQ(fields.size(), OptionFieldTexts(DefaultDocumentOptions(), DefaultViewSettings()).size());
    EXPECT_EQ(r.out.substr(0, 18), "MinX=-10\nMinY=-10\n");
    const std::pair<const char*, const char*> expected[] = {
        {"LogX", "0"}, {"AngularStep", "0.25"}, {"BackColor", "15"}, {"HorWidth", "1"},
        {"AxisXName", "X"}, {"AxisYPointer", "0"}, {"AxisXNameFont.Size", "8"},
        {"LabelsYFont.Color", "0x00000000"}, {"MarksXLength", "2"}, {"LabelsXAbove", "1"},
        {"TopTitleFont.Name", "Times New Roman"}, {"RightTitleShow", "0"}, {"Boxed", "0"}, {"EqualScale", "0"},
    };
    for (const auto& [name, value] : expected) EXPECT_EQ(fields.at(name), value) << name;
}

TEST_F(OptionsCli, changesFieldsThroughTheDialogsChecks)
{
    const CliResult r = RunCliCommand({"options", Path("a.vgr"), "--set", "MinX=-1*10^(-25)", "--set", "LogY=1", "--set",
                          "HorWidth=5", "--set", "AxisXName=Time (s)", "--set", "TopTitleFont.Color=0x0000FF",
                          "--set", "Boxed=1", "-o", Path("b.vgr")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    auto fields = Fields(RunCliCommand({"options", Path("b.vgr")}).out);
    EXPECT_EQ(fields["MinX"], "0");  // stored as checked
    EXPECT_EQ(fields["LogY"], "1");
    EXPECT_EQ(fields["HorWidth"], "5");
    EXPECT_EQ(fields["AxisXName"], "Time (s)");
    EXPECT_EQ(fields["TopTitleFont.Color"], "0x000000FF");
    EXPECT_EQ(fields["Boxed"], "1");
    EXPECT_EQ(RunCliCommand({"check", Path("b.vgr")}).status, 0);
}

TEST_F(OptionsCli, refusesWithTheDialogsMessage_andWritesNothing)
{
    struct Case {
        const char* set;
        int status;
        const char* message;
    } cases[] = {
        {"MaxX=-10", 2, "Maximum of X must be more than minimum of X"},
        {"Steps=0", 2, "This value must be a natural number up to 20000"},
        {"AngularStep=2.5", 2, "This value must be a positive number up to 2*Pi"},
        {"MarksYLength=11", 2, "This value must be a natural number up to 10"},
        {"BackColor=16", 2, "This value must be an integer from 0 up to 15"},
        {"AxisXNameFont.Name=ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456", 2, "The name of the font is too long"},
        {"LogX=yes", 64, "LogX takes 0 or 1"},
        {"Nothing=1", 64, "no field named 'Nothing'"},
        {"=1", 64, "--set takes NAME=VALUE"},
    };
    for (const Case& c : cases) {
        const CliResult r = RunCliCommand({"options", Path("a.vgr"), "--set", c.set, "-o", Path("c.vgr")});
        EXPECT_EQ(r.status, c.status) << c.set;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << c.set << ": " << r.err;
        EXPECT_EQ(r.err.rfind("vgraph-cli: ", 0), 0u) << c.set;
        EXPECT_FALSE(fs::exists(Path("c.vgr"))) << c.set;
    }
    EXPECT_EQ(RunCliCommand({"options"}).status, 64);
    EXPECT_EQ(RunCliCommand({"options", Path("missing.vgr")}).status, 2);
}

}  // namespace
}  // namespace vg
