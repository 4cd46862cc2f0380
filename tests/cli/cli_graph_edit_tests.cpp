// vgraph-cli edit, delete and move: the document's graphs changed through
// the core's own operations, refusals with the dialog's messages and
// nothing written, and where the result goes.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "support/cli_support.h"
#include "document/document_file.h"
#include "document/graph_model.h"

namespace vg {
namespace {

using namespace vg::test;

namespace fs = std::filesystem;

class CliGraphEdit : public CliFiles {
protected:
    void SetUp() override
    {
        CliFiles::SetUp();
        file_ = Path("doc.vgr");
        const CliResult made = RunCliCommand({"new", file_, "--add", "YFromX", "sin(x)", "--add", "Param", "cos(t);sin(t)",
                                 "--add", "Table", "1,2;3,4", "--add", "Equation", "x^2+y^2-4", "--add", "DifField",
                                 "x*y"});
        ASSERT_EQ(made.status, 0) << made.err;
    }

    std::unique_ptr<TGraphicsManager> Load(const std::string& path)
    {
        auto doc = std::make_unique<TGraphicsManager>(DefaultViewSettings(), DefaultDocumentOptions());
        EXPECT_TRUE(LoadDocument(*doc, path)) << path;
        return doc;
    }
    std::string Descriptions(const std::string& path)
    {
        auto doc = Load(path);
        std::string text;
        for (int i = 0; i < doc->GraphCount(); ++i) text += GraphDescription(doc->Graph(i).Record) + "|";
        return text;
    }

    std::string file_;
};

TEST_F(CliGraphEdit, edit_setsEachFieldInPlace)
{
    const CliResult r = RunCliCommand({"edit", file_, "--graph", "1", "--formula", "x^2", "--color", "12", "--width", "3",
                          "--style", "2", "--points", "on", "--lines", "off", "--visible", "off", "--min", "-1",
                          "--max", "2.5", "--steps", "300"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    auto doc = Load(file_);
    const GraphRecord& g = doc->Graph(0).Record;
    EXPECT_EQ(g.Formula.Str(), "x^2");
    EXPECT_EQ(g.Color, 12);
    EXPECT_EQ(g.LineStyleWidth, 2 * 16 + 3);
    EXPECT_EQ(g.Points, 1);
    EXPECT_EQ(g.Lines, 0);
    EXPECT_EQ(g.Visible, 0);
    EXPECT_EQ(g.Line.CommonInterval, 0);
    EXPECT_EQ(g.Line.CommonBuild, 0);
    EXPECT_EQ(g.Line.Min.Get(), -1.0L);
    EXPECT_EQ(g.Line.Max.Get(), 2.5L);
    EXPECT_EQ(g.Line.Steps, 300);

    ASSERT_EQ(RunCliCommand({"edit", file_, "--graph", "2", "--formula", "t;t^2"}).status, 0);
    ASSERT_EQ(RunCliCommand({"edit", file_, "--graph", "3", "--formula", "5,6; 2E3 ,7;8,9"}).status, 0);
    ASSERT_EQ(RunCliCommand({"edit", file_, "--graph", "4", "--min", "-3", "--steps", "40"}).status, 0);
    ASSERT_EQ(RunCliCommand({"edit", file_, "--graph", "5", "--steps", "2"}).status, 0);
    doc = Load(file_);
    EXPECT_EQ(GraphDescription(doc->Graph(1).Record), "X(t)=t; Y(t)=t^2");
    EXPECT_EQ(GraphDescription(doc->Graph(2).Record), "Table: 3 items");
    EXPECT_EQ(doc->Graph(2).Record.GetTablePoint(1).X.Get(), 2000.0L);
    EXPECT_EQ(doc->Graph(3).Record.Equation.Params.MinX.Get(), -3.0L);
    EXPECT_EQ(doc->Graph(3).Record.Equation.Params.StepsX, 40);
    EXPECT_EQ(doc->Graph(3).Record.Equation.Params.StepsY, 40);
    EXPECT_EQ(doc->Graph(4).Record.DifField.Params.SeriesX, 2);
}

TEST_F(CliGraphEdit, edit_refusedValues_printTheDialogsMessageAndWriteNothing)
{
    struct Case {
        std::vector<std::string> options;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{"--graph", "1", "--steps", "0"}, "vgraph-cli: This value must be a natural\nnumber up to 20000\n"},
        {{"--graph", "1", "--min", "5", "--max", "5"}, "vgraph-cli: Maximum of X must be more\nthan minimum of X\n"},
        {{"--graph", "1", "--min", "1*10^101"},
         "vgraph-cli: This value must be a number\nfrom -1*10^100 up to 1*10^100\n"},
        {{"--graph", "1", "--formula", "sin("}, "vgraph-cli: Error 2: discordance of lexems\n"},
        {{"--graph", "2", "--formula", "t;y"}, "vgraph-cli: Error 1: syntax error\n"},
        {{"--graph", "2", "--min", "3", "--max", "1"}, "vgraph-cli: Maximum of T must be more\nthan minimum of T\n"},
        {{"--graph", "3", "--formula", "1,2;abc,3"},
         "vgraph-cli: This value must be a number\nfrom -1*10^100 up to 1*10^100\n"},
        {{"--graph", "4", "--steps", "201"}, "vgraph-cli: This value must be an integer\nfrom 10 up to 200\n"},
        {{"--graph", "5", "--steps", "1"}, "vgraph-cli: This value must be an integer\nfrom 2 up to 100\n"},
        {{"--graph", "2", "--formula", "cos(t)"}, "vgraph-cli: a parametric graph needs \"X(t);Y(t)\"\n"},
        {{"--graph", "1", "--formula", ""}, "vgraph-cli: Empty formula\n"},
        {{"--graph", "4", "--formula", "  "}, "vgraph-cli: Empty formula\n"},
        {{"--graph", "2", "--formula", "cos(t); "}, "vgraph-cli: Empty formula\n"},
    };
    const std::string before = FileBytes(file_);
    for (const Case& c : cases) {
        std::vector<std::string> args = {"edit", file_};
        args.insert(args.end(), c.options.begin(), c.options.end());
        args.insert(args.end(), {"-o", Path("out.vgr")});
        const CliResult r = RunCliCommand(args);
        EXPECT_EQ(r.status, 2) << c.message;
        EXPECT_EQ(r.err, c.message);
        EXPECT_FALSE(fs::exists(Path("out.vgr"))) << c.message;
    }
    EXPECT_EQ(FileBytes(file_), before);
}

TEST_F(CliGraphEdit, badArguments_areUsageErrors)
{
    const std::vector<std::vector<std::string>> cases = {
        {"edit", file_},
        {"edit", file_, "--graph", "0"},
        {"edit", file_, "--graph", "x"},
        {"edit", file_, "--graph", "9"},
        {"edit", file_, "--graph", "1", "--color", "16"},
        {"edit", file_, "--graph", "1", "--width", "0"},
        {"edit", file_, "--graph", "1", "--style", "4"},
        {"edit", file_, "--graph", "1", "--points", "yes"},
        {"edit", file_, "--graph", "3", "--steps", "10"},
        {"edit", file_, "--graph", "1", "--bogus", "1"},
        {"edit", file_, "--graph"},
        {"delete", file_},
        {"delete", file_, "--graph", "6"},
        {"move", file_, "--from", "1"},
        {"move", file_, "--from", "1", "--to", "6"},
    };
    const std::string before = FileBytes(file_);
    for (const auto& args : cases) {
        const CliResult r = RunCliCommand(args);
        EXPECT_EQ(r.status, 64) << args.back();
        EXPECT_EQ(r.err.rfind("vgraph-cli: ", 0), 0u) << r.err;
    }
    EXPECT_EQ(FileBytes(file_), before);
    const CliResult missing = RunCliCommand({"delete", Path("none.vgr"), "--graph", "1"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err, "vgraph-cli: " + Path("none.vgr") + ": Input-output error\n");
    const CliResult unwritable = RunCliCommand({"delete", file_, "--graph", "1", "-o", Path("no/such/folder.vgr")});
    EXPECT_EQ(unwritable.status, 1);
}

TEST_F(CliGraphEdit, deleteAndMove_toAnotherFileOrInPlace)
{
    const std::string before = FileBytes(file_);
    ASSERT_EQ(RunCliCommand({"delete", file_, "--graph", "2", "-o", Path("deleted.vgr")}).status, 0);
    EXPECT_EQ(FileBytes(file_), before) << "-o leaves the file itself alone";
    EXPECT_EQ(Descriptions(Path("deleted.vgr")), "Y(x)=sin(x)|Table: 2 items|x^2+y^2-4=0|dy/dx=x*y|");

    // Graph I becomes graph J, downwards and upwards.
    ASSERT_EQ(RunCliCommand({"move", file_, "--from", "1", "--to", "3"}).status, 0);
    EXPECT_EQ(Descriptions(file_), "X(t)=cos(t); Y(t)=sin(t)|Table: 2 items|Y(x)=sin(x)|x^2+y^2-4=0|dy/dx=x*y|");
    ASSERT_EQ(RunCliCommand({"move", file_, "--from", "5", "--to", "1"}).status, 0);
    EXPECT_EQ(Descriptions(file_), "dy/dx=x*y|X(t)=cos(t); Y(t)=sin(t)|Table: 2 items|Y(x)=sin(x)|x^2+y^2-4=0|");
    ASSERT_EQ(RunCliCommand({"move", file_, "--from", "1", "--to", "5"}).status, 0);
    EXPECT_EQ(Descriptions(file_), "X(t)=cos(t); Y(t)=sin(t)|Table: 2 items|Y(x)=sin(x)|x^2+y^2-4=0|dy/dx=x*y|");
    const std::string moved = FileBytes(file_);
    ASSERT_EQ(RunCliCommand({"move", file_, "--from", "2", "--to", "2"}).status, 0);
    EXPECT_EQ(FileBytes(file_), moved);
}

}  // namespace
}  // namespace vg
