#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/main_commands.h"

namespace vg {
namespace {

TEST(MainCommands, nonameCaption_takesSmallestFreeNumberIgnoringCase)
{
    struct Case {
        std::vector<std::string> open;
        const char* expected;
    } cases[] = {
        {{}, "Noname1.vgr"},
        {{"Noname1.vgr"}, "Noname2.vgr"},
        {{"Noname1.vgr", "NONAME3.VGR"}, "Noname2.vgr"},
        {{"Noname1.vgr", "Noname2.vgr"}, "Noname3.vgr"},
        {{"noname1.VGR", "other.vgr"}, "Noname2.vgr"},
        {{"Noname2.vgr"}, "Noname1.vgr"},
        {{"Noname1.vgr.bak"}, "Noname1.vgr"},
    };
    for (const Case& c : cases) EXPECT_EQ(NextNonameCaption(c.open), c.expected);
}

TEST(MainCommands, applicationTitle_followsCaptionsThatStartWithTheProductName)
{
    struct Case {
        const char* title;
        const char* caption;
        const char* expected;
    } cases[] = {
        {"Vantor Graphs", "Vantor Graphs - [a.vgr]", "Vantor Graphs - [a.vgr]"},
        {"Vantor Graphs - [a.vgr]", "Vantor Graphs", "Vantor Graphs"},
        {"Vantor Graphs", "Other", "Vantor Graphs"},
        {"Vantor Graphs", "Vantor Graph", "Vantor Graphs"},
    };
    for (const Case& c : cases) EXPECT_EQ(ApplicationTitleAfterCaption(c.title, c.caption), c.expected);
}

TEST(MainCommands, argumentsAndPaths)
{
    EXPECT_EQ(UnquoteArgument("\"/a b/c.vgr\""), "/a b/c.vgr");
    EXPECT_EQ(UnquoteArgument("/a/c.vgr"), "/a/c.vgr");
    EXPECT_EQ(UnquoteArgument("\""), "");
    EXPECT_EQ(FileNamePart("/a/b/c.vgr"), "c.vgr");
    EXPECT_EQ(FileNamePart("c.vgr"), "c.vgr");
}

TEST(MainCommands, enabling_withoutDocumentLeavesOnlyDocumentFreeCommands)
{
    const MenuState none{};
    const MenuState oneEmpty{1, false, false, false};
    const MenuState withGraphs{1, true, true, false};
    const std::set<CommandId> needDocument = {
        CommandId::OpenTable, CommandId::FileSave, CommandId::FileSaveAs, CommandId::SaveAsBitmap,
        CommandId::SaveTable, CommandId::Print, CommandId::CopyAsBitmap, CommandId::FullScreen,
        CommandId::AddGraph, CommandId::Rebuild, CommandId::FunctionProps, CommandId::Build,
        CommandId::Axles, CommandId::BackGround, CommandId::StandardOptions,
        CommandId::StandardIntervals, CommandId::TrigonometricalSet, CommandId::SaveOptions,
        CommandId::WindowCascade, CommandId::WindowTile, CommandId::WindowArrange,
        CommandId::WindowMinimize, CommandId::SelectInterval};
    for (CommandId id : needDocument) {
        EXPECT_FALSE(IsCommandEnabled(Command(id), none)) << Command(id).itemName << Command(id).buttonName;
        EXPECT_TRUE(IsCommandEnabled(Command(id), oneEmpty)) << Command(id).itemName;
    }
    for (CommandId id : {CommandId::FileNew, CommandId::FileOpen, CommandId::FileExit, CommandId::Calc,
                         CommandId::Common, CommandId::HelpAbout, CommandId::StandartPanel})
        EXPECT_TRUE(IsCommandEnabled(Command(id), none));
    for (CommandId id : {CommandId::Derivative, CommandId::Tangent, CommandId::Regress}) {
        EXPECT_FALSE(IsCommandEnabled(Command(id), oneEmpty));
        EXPECT_TRUE(IsCommandEnabled(Command(id), withGraphs));
    }
    EXPECT_FALSE(IsCommandEnabled(Command(CommandId::Undo), none));
    EXPECT_FALSE(IsCommandEnabled(Command(CommandId::Undo), MenuState{0, false, true, true}));
    EXPECT_TRUE(IsCommandEnabled(Command(CommandId::Undo), withGraphs));
    EXPECT_FALSE(IsCommandEnabled(Command(CommandId::Redo), withGraphs));
}

TEST(MainCommands, table_namesAreUniqueAndEveryMenuCommandHasCaptionAndHint)
{
    std::set<std::string> names;
    for (const CommandInfo& c : AllCommands()) {
        if (*c.itemName) {
            EXPECT_TRUE(names.insert(c.itemName).second) << c.itemName;
        }
        if (*c.buttonName) {
            EXPECT_TRUE(names.insert(c.buttonName).second) << c.buttonName;
            EXPECT_STRNE(c.tooltip, "") << c.buttonName;
            EXPECT_STRNE(c.statusText, "") << c.buttonName;
            EXPECT_STRNE(c.icon, "") << c.buttonName;
        }
        if (*c.itemName) {
            EXPECT_STRNE(c.caption, "") << c.itemName;
            EXPECT_STRNE(c.hint, "") << c.itemName;
        }
    }
}

TEST(MainCommands, toolbars_holdTheirButtonsInOrder)
{
    const auto& bars = MainToolbars();
    ASSERT_EQ(bars.size(), 3u);
    auto buttons = [](const ToolbarInfo& bar) {
        std::vector<std::string> names;
        for (const ToolbarEntry& e : bar.entries) {
            if (e.kind == ToolbarEntry::Kind::Separator) names.push_back("|");
            else if (e.kind == ToolbarEntry::Kind::Control) names.push_back(e.controlName);
            else names.push_back(Command(e.command).buttonName);
        }
        return names;
    };
    const std::vector<std::string> calculus = {"CalcButton",       "TableButton",   "ResearchButton",
                                               "IntersectButton",  "DerivativeButton", "TangentButton",
                                               "IntegrateButton",  "RegressButton"};
    EXPECT_EQ(buttons(bars[2]), calculus);
    const std::vector<std::string> standard = buttons(bars[0]);
    ASSERT_EQ(standard.size(), 30u);
    EXPECT_EQ(standard.front(), "NewButton");
    EXPECT_EQ(standard[13], "IncreaseXYSpeedButton");
    EXPECT_EQ(standard.back(), "FullScreenButton");
    const std::vector<std::string> graph = buttons(bars[1]);
    EXPECT_EQ(graph.front(), "FuncComboBox");
    EXPECT_EQ(graph[4], "LineWidthComboBox");
    EXPECT_EQ(graph[5], "BrushComboBox");
    EXPECT_EQ(graph.back(), "TraceButton");
    EXPECT_TRUE(bars[1].topBottomOnly);
}

}  // namespace
}  // namespace vg
