#include "app/main_commands.h"

#include <array>
#include <cctype>
#include <cstddef>

#include "app/translator.h"

namespace vg {

namespace {

using A = Availability;
using C = CommandId;

// clang-format off
constexpr CommandInfo kCommands[] = {
    {C::FileNew, "FileNewItem", "NewButton", "&New", "Ctrl+N", 1, "Create a new document",
     "New", "Create a new document", "new", A::Always, true},
    {C::FileOpen, "FileOpenItem", "OpenButton", "&Open...", "Ctrl+O", 2, "Open an existing document",
     "Open", "Open an existing document", "open", A::Always, true},
    {C::OpenTable, "OpenTableItem", "", "Open &Table...", "", 9, "Load table from a text file",
     "", "", "", A::Document, true},
    {C::FileSave, "FileSaveItem", "SaveButton", "&Save", "Ctrl+S", 3, "Save the active document",
     "Save", "Save the active document", "save", A::Document, true},
    {C::FileSaveAs, "FileSaveAsItem", "", "Save &As...", "", 4, "Save the active document with a new name",
     "", "", "", A::Document, true},
    {C::SaveAsBitmap, "SaveAsBitmapItem", "", "Save As Pict&ure...", "", 5,
     "Save the active document as a picture (BMP or GIF)", "", "", "", A::Document, true},
    {C::SaveTable, "SaveTableItem", "", "Save Ta&ble...", "", 1500, "Save table to a text file",
     "", "", "", A::Document, true},
    {C::PageSetup, "PageSetupItem", "", "Pa&ge Setup...", "", 6, "Set page and printer properties",
     "", "", "", A::Always, true},
    {C::Print, "PrintItem", "PrintButton", "&Print...", "Ctrl+P", 7, "Print the active document",
     "Print", "Print the active document", "print", A::Document, true},
    {C::FileExit, "FileExitItem", "", "&Exit", "", 8, "Exit the program", "", "", "", A::Always, true},

    {C::Undo, "UndoItem", "UndoButton", "&Undo", "Ctrl+Z", 45, "Undo the last action",
     "Undo", "Undo the last action", "undo", A::UndoHistory, true},
    {C::Redo, "RedoItem", "RedoButton", "&Redo", "Ctrl+Y", 46, "Redo the last action that was undone",
     "Redo", "Redo the last action that was undone", "redo", A::UndoHistory, true},
    {C::CopyAsBitmap, "CopyAsBitmapItem", "", "&Copy As Picture...", "Ctrl+C", 47,
     "Copy the active document as a picture (bitmap or metafile) to the clipboard",
     "", "", "", A::Document, true},

    {C::FullScreen, "FullScreenItem", "FullScreenButton", "&Full Screen", "F5", 11,
     "Maximize the window of the active document on the full screen", "Full screen",
     "Maximize the window of the active document on the full screen", "full_screen", A::Document, true},
    {C::StandartPanel, "StandartPanelItem", "", "&Standard Toolbar", "", 12,
     "Hide/Show the Standard toolbar", "", "", "", A::Always, true},
    {C::FuncPanel, "FuncPanelItem", "", "&Graph Toolbar", "", 13, "Hide/Show the Graph toolbar",
     "", "", "", A::Always, true},
    {C::CalcPanel, "CalcPanelItem", "", "&Calculus Toolbar", "", 14, "Hide/Show the Calculus toolbar",
     "", "", "", A::Always, true},

    {C::AddGraph, "AddGraphItem", "AddFuncButton", "&Add Graph...", "", 28, "Add a new graph",
     "Add graph", "Add a new graph", "add_graph", A::Document, false},
    {C::FunctionList, "FunctionListItem", "FuncListButton", "&Graph List", "F4", 21, "Show the graph list",
     "Graph list", "Open the Graph List window", "graph_list", A::Always, false},
    {C::Rebuild, "RebuildItem", "", "&Finish Counting", "", 22, "Finish counting of the graphs data",
     "", "", "", A::Document, true},

    {C::Calc, "CalcItem", "CalcButton", "Calc&ulator...", "", 25, "Open the Calculator window",
     "Calculator", "Open the Calculator window", "calculator", A::Always, true},
    {C::ValueTable, "ValueTableItem", "TableButton", "&Value Table...", "", 48, "Open the Value Table window",
     "Value table", "Open the Value Table window", "value_table", A::Always, true},
    {C::Research, "ResearchItem", "ResearchButton", "&Analyze Function...", "", 23,
     "Open the Analyze Function window", "Analyze function", "Open the Analyze Function window",
     "analyze", A::Always, true},
    {C::Intersection, "IntersectionItem", "IntersectButton", "Inter&sections...", "", 1540,
     "Open the Intersections window", "Intersections", "Open the Intersections window",
     "intersections", A::Always, true},
    {C::Derivative, "DerivativeItem", "DerivativeButton", "&Derivative...", "", 26,
     "Open the Derivative window", "Derivative", "Open the Derivative window", "derivative",
     A::DocumentWithGraphs, true},
    {C::Tangent, "TangentItem", "TangentButton", "&Tangent or Normal...", "", 27,
     "Open the Tangent or Normal window", "Tangent or normal", "Open the Tangent or Normal window",
     "tangent", A::DocumentWithGraphs, true},
    {C::Integrate, "IntegrateItem", "IntegrateButton", "&Integration...", "", 29,
     "Open the Definite Integral window", "Integration", "Open the Definite Integral window",
     "integration", A::Always, true},
    {C::Regress, "RegressItem", "RegressButton", "&Regression...", "", 24, "Open the Regression window",
     "Regression", "Open the Regression window", "regression", A::DocumentWithGraphs, true},

    {C::FunctionProps, "FunctionPropsItem", "", "&Graph Properties...", "", 31,
     "Change the default graph properties", "", "", "", A::Document, false},
    {C::Build, "BuildItem", "BuildButton", "&Plot...", "", 32, "Open the Plot Options window",
     "Plot options", "Open the Plot Options window", "plot_options", A::Document, true},
    {C::Axles, "AxlesItem", "AxlesButton", "&Axes...", "", 33, "Open the Axis Options window",
     "Axis options", "Open the Axis Options window", "axis_options", A::Document, true},
    {C::BackGround, "BackGroundItem", "NetButton", "&Background...", "", 34,
     "Open the Background Options window", "Background options", "Open the Background Options window",
     "background_options", A::Document, true},
    {C::Common, "CommonItem", "", "&Common...", "", 35, "Open the Common Options window",
     "", "", "", A::Always, true},
    {C::English, "EnglishItem", "", "English", "", 39, "Set interface language", "", "", "",
     A::Always, true},
    {C::LanguageSetup, "Setup1", "", "Setup...", "", 391, "Set interface language", "", "", "",
     A::Always, true},
    {C::StandardOptions, "StandardOptionsItem", "", "Standard &Options", "", 38,
     "Set document options to the standard ones", "", "", "", A::Document, false},
    {C::StandardIntervals, "StandartIntervalsItem", "", "&Standard Intervals", "", 37,
     "Set the intervals to the standard ones", "", "", "", A::Document, false},
    {C::TrigonometricalSet, "TrigonometricalSetItem", "", "&Trigonometrical Set", "", 1530,
     "Set options for the trigonometrical functions", "", "", "", A::Document, false},
    {C::SaveOptions, "SaveOptionsItem", "", "Sa&ve Options", "", 36, "Save options", "", "", "",
     A::Document, true},

    {C::WindowCascade, "WindowCascadeItem", "", "&Cascade", "", 41, "Arrange windows so they overlap",
     "", "", "", A::Document, true},
    {C::WindowTile, "WindowTileItem", "", "&Tile", "", 42,
     "Arrange document windows as non-overlapping tiles", "", "", "", A::Document, true},
    {C::WindowArrange, "WindowArrangeItem", "", "&Arrange Icons", "", 43,
     "Arrange icons of minimized windows", "", "", "", A::Document, true},
    {C::WindowMinimize, "WindowMinimizeItem", "", "&Minimize All", "", 44,
     "Minimize all the open document windows", "", "", "", A::Document, true},

    {C::HelpContents, "HelpItem", "", "&Contents", "", 51, "List Help topics", "", "", "",
     A::Always, true},
    {C::HelpAbout, "HelpAboutItem", "", "&About...", "", 52,
     "Open the window with some information about the program and its author", "", "", "",
     A::Always, true},

    {C::IncreaseXY, "", "IncreaseXYSpeedButton", "", "", 0, "", "Increase intervals on X and on Y",
     "Increase the intervals, steps of grid, labels and ticks on the x and y-axes", "increase_xy",
     A::Document, false},
    {C::IncreaseY, "", "IncreaseYSpeedButton", "", "", 0, "", "Increase interval on Y",
     "Increase the interval, steps of grid, labels and ticks on the y-axis", "increase_y",
     A::Document, false},
    {C::IncreaseX, "", "IncreaseXSpeedButton", "", "", 0, "", "Increase interval on X",
     "Increase the interval, steps of grid, labels and ticks on the x-axis", "increase_x",
     A::Document, false},
    {C::DecreaseXY, "", "DecreaseXYSpeedButton", "", "", 0, "", "Reduce intervals on X and on Y",
     "Reduce the intervals, steps of grid, labels and ticks on the x and y-axes", "reduce_xy",
     A::Document, false},
    {C::DecreaseY, "", "DecreaseYSpeedButton", "", "", 0, "", "Reduce interval on Y",
     "Reduce the interval, steps of grid, labels and ticks on the y-axis", "reduce_y",
     A::Document, false},
    {C::DecreaseX, "", "DecreaseXSpeedButton", "", "", 0, "", "Reduce interval on X",
     "Reduce the interval, steps of grid, labels and ticks on the x-axis", "reduce_x",
     A::Document, false},
    {C::MoveLeft, "", "MoveLeftButton", "", "", 0, "", "Move view interval to the left",
     "Move the view interval on the x-axis to the left", "move_left", A::Document, false},
    {C::MoveRight, "", "MoveRightButton", "", "", 0, "", "Move view interval to the right",
     "Move the view interval on the x-axis to the right", "move_right", A::Document, false},
    {C::MoveUp, "", "MoveUpButton", "", "", 0, "", "Move view interval upwards",
     "Move the view interval on the y-axis upwards", "move_up", A::Document, false},
    {C::MoveDown, "", "MoveDownButton", "", "", 0, "", "Move view interval downwards",
     "Move the view interval on the y-axis downwards", "move_down", A::Document, false},
    {C::SelectInterval, "", "SelectIntervalButton", "", "", 0, "", "Choose view interval",
     "Choose the view interval", "select_interval", A::Document, false},
    {C::CenterInterval, "", "CenterIntervalButton", "", "", 0, "", "Center view",
     "Move the coordinate origin to the center of the active window", "center_view", A::Document, false},
    {C::DrawGraphic, "", "DrawGraphicButton", "", "", 0, "", "Draw graph",
     "Set on/off plotting of the selected graph", "draw_graph", A::DocumentWithGraphs, false},
    {C::LinesDraw, "", "LinesDrawButton", "", "", 0, "", "Draw with lines",
     "Set on/off plotting of the selected graph with lines", "draw_lines", A::DocumentWithGraphs, false},
    {C::DrawPoints, "", "DrawPointsButton", "", "", 0, "", "Draw with points",
     "Set on/off plotting of the selected graph with points", "draw_points", A::DocumentWithGraphs, false},
    {C::Props, "", "PropsButton", "", "", 0, "", "Properties",
     "Open the Graph Properties window for the selected graph", "properties", A::DocumentWithGraphs, false},
    {C::OtherProps, "", "OtherPropsButton", "", "", 0, "", "Add'l properties",
     "Open the Graph Properties window for the selected graph", "other_properties",
     A::DocumentWithGraphs, false},
    {C::DeleteFunc, "", "DeleteFuncButton", "", "", 0, "", "Delete graph", "Remove the selected graph",
     "delete_graph", A::DocumentWithGraphs, false},
    {C::DoubleFunc, "", "DoubleFuncButton", "", "", 0, "", "Double graph", "Double the selected graph",
     "double_graph", A::DocumentWithGraphs, false},
    {C::Trace, "", "TraceButton", "", "", 0, "", "Trace",
     "Open the Trace window to trace the selected graph", "trace", A::DocumentWithGraphs, false},

    {C::ToolbarsHelp, "ToolbarsHelpItem", "", "Help", "", 103, "Show the help information about toolbars",
     "", "", "", A::Always, true},

    {C::HorLinesToggle, "HorLinesPopItem", "", "Horizontal Grid Lines", "", 0,
     "Hide/Show the horizontal grid lines", "", "", "", A::Document, true},
    {C::VertLinesToggle, "VertLinesPopItem", "", "Vertical Grid Lines", "", 0,
     "Hide/Show the vertical grid lines", "", "", "", A::Document, true},
};
// clang-format on

constexpr bool TableFollowsEnumOrder()
{
    for (std::size_t i = 0; i < std::size(kCommands); ++i)
        if (static_cast<std::size_t>(kCommands[i].id) != i) return false;
    return true;
}
static_assert(TableFollowsEnumOrder(), "command table must follow the order of CommandId");

MenuEntry Entry(MenuEntry::Kind kind, CommandId id = CommandId::FileNew)
{
    MenuEntry entry;
    entry.kind = kind;
    entry.command = id;
    return entry;
}
MenuEntry Item(CommandId id) { return Entry(MenuEntry::Kind::Command, id); }
MenuEntry Separator() { return Entry(MenuEntry::Kind::Separator); }

MenuEntry Submenu(const char* name, const char* caption, int help, const char* hint,
                  std::vector<MenuEntry> children)
{
    MenuEntry entry = Entry(MenuEntry::Kind::Submenu);
    entry.name = name;
    entry.caption = caption;
    entry.helpContext = help;
    entry.hint = hint;
    entry.children = std::move(children);
    return entry;
}

std::vector<MenuInfo> BuildMenus()
{
    return {
        {"FileMenu", "&File", "Operations with files (Open, Save, Print, etc)",
         {Item(C::FileNew), Item(C::FileOpen), Item(C::OpenTable), Separator(), Item(C::FileSave),
          Item(C::FileSaveAs), Item(C::SaveAsBitmap), Item(C::SaveTable), Separator(),
          Item(C::PageSetup), Item(C::Print), Separator(), Entry(MenuEntry::Kind::RecentFiles),
          Item(C::FileExit)}},
        {"EditMenu", "&Edit", "Undo, Redo and Copy commands",
         {Item(C::Undo), Item(C::Redo), Separator(), Item(C::CopyAsBitmap)}},
        {"ViewMenu", "&View", "Maximizing the active window and toolbars management",
         {Item(C::FullScreen), Separator(), Item(C::StandartPanel), Item(C::FuncPanel),
          Item(C::CalcPanel)}},
        {"PlotMenu", "&Plot", "Operations with graphs",
         {Item(C::AddGraph), Item(C::FunctionList), Separator(), Item(C::Rebuild)}},
        {"CalculusMenu", "&Calculus", "Different calculating operations",
         {Item(C::Calc), Item(C::ValueTable), Separator(), Item(C::Research), Item(C::Intersection),
          Separator(), Item(C::Derivative), Item(C::Tangent), Separator(), Item(C::Integrate),
          Item(C::Regress)}},
        {"OptionsMenu", "&Options", "Document and program options",
         {Item(C::FunctionProps), Separator(), Item(C::Build), Item(C::Axles), Item(C::BackGround),
          Item(C::Common), Separator(),
          Submenu("LanguageItem", "Language", 39, "Set interface language",
                  {Item(C::English), Separator(), Item(C::LanguageSetup)}),
          Submenu("SetsOfOptionsItem", "&Sets of Options", 1520, "Sets of options",
                  {Item(C::StandardOptions), Item(C::StandardIntervals), Item(C::TrigonometricalSet)}),
          Separator(), Item(C::SaveOptions)}},
        {"WindowMenu", "&Window", "Windows management",
         {Item(C::WindowCascade), Item(C::WindowTile), Item(C::WindowArrange), Item(C::WindowMinimize),
          Entry(MenuEntry::Kind::WindowList)}},
        {"HelpMenu", "&Help", "Information about the program",
         {Item(C::HelpContents), Separator(), Item(C::HelpAbout)}},
    };
}

ToolbarEntry Button(CommandId id) { return {ToolbarEntry::Kind::Command, id}; }
ToolbarEntry Gap() { return {ToolbarEntry::Kind::Separator}; }
ToolbarEntry Control(const char* name, const char* tooltip, const char* statusText)
{
    return {ToolbarEntry::Kind::Control, {}, name, tooltip, statusText};
}

std::vector<ToolbarInfo> BuildToolbars()
{
    return {
        {"StandardToolbar", "Standard", false,
         {Button(C::FileNew), Button(C::FileOpen), Button(C::FileSave), Button(C::Print), Gap(),
          Button(C::Undo), Button(C::Redo), Gap(), Button(C::FunctionList), Button(C::Build),
          Button(C::Axles), Button(C::BackGround), Gap(), Button(C::IncreaseXY), Button(C::IncreaseY),
          Button(C::IncreaseX), Gap(), Button(C::DecreaseXY), Button(C::DecreaseY), Button(C::DecreaseX),
          Gap(), Button(C::MoveLeft), Button(C::MoveRight), Button(C::MoveUp), Button(C::MoveDown), Gap(),
          Button(C::SelectInterval), Button(C::CenterInterval), Gap(), Button(C::FullScreen)}},
        {"GraphsToolbar", "Graph", true,
         {Control("FuncComboBox", "Graph list", "List of the existing graphs"), Gap(),
          Button(C::DrawGraphic), Button(C::LinesDraw),
          Control("LineWidthComboBox", "Line thickness", "Set thickness of lines of the selected graph"),
          Control("BrushComboBox", "Style of shading", "Set style of shading of the selected graph"),
          Control("LineStyleComboBox", "Line style", "Set style of lines of the selected graph"),
          Button(C::DrawPoints),
          Control("PointWidthComboBox", "Point size", "Set size of points of the selected graph"),
          Control("PointStyleComboBox", "Point style", "Set style of points of the selected graph"),
          Control("ColorComboBox", "Graph color", "Set color of the selected graph"), Gap(),
          Button(C::Props), Button(C::OtherProps), Gap(), Button(C::AddGraph), Button(C::DeleteFunc),
          Button(C::DoubleFunc), Gap(), Button(C::Trace)}},
        {"CalcToolbar", "Calculus", false,
         {Button(C::Calc), Button(C::ValueTable), Button(C::Research), Button(C::Intersection),
          Button(C::Derivative), Button(C::Tangent), Button(C::Integrate), Button(C::Regress)}},
    };
}

char AsciiLower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    return true;
}

}  // namespace

std::span<const CommandInfo> AllCommands() { return kCommands; }

const CommandInfo& Command(CommandId id) { return kCommands[static_cast<std::size_t>(id)]; }

const std::vector<MenuInfo>& MainMenus()
{
    static const std::vector<MenuInfo> menus = BuildMenus();
    return menus;
}

const std::vector<ToolbarInfo>& MainToolbars()
{
    static const std::vector<ToolbarInfo> toolbars = BuildToolbars();
    return toolbars;
}

bool IsCommandEnabled(const CommandInfo& command, const MenuState& state)
{
    switch (command.availability) {
    case Availability::Always: return true;
    case Availability::Document: return state.documentCount > 0;
    case Availability::DocumentWithGraphs: return state.documentCount > 0 && state.activeHasGraphs;
    case Availability::UndoHistory:
        if (state.documentCount == 0) return false;
        return command.id == CommandId::Undo ? state.canUndo : state.canRedo;
    }
    return false;
}

std::string NextNonameCaption(std::span<const std::string> openCaptions)
{
    const std::string base = Translate("Noname");
    for (int n = 1;; ++n) {
        const std::string candidate = base + std::to_string(n) + ".vgr";
        bool taken = false;
        for (const std::string& caption : openCaptions)
            if (EqualIgnoringCase(caption, candidate)) taken = true;
        if (!taken) return candidate;
    }
}

std::string ApplicationTitleAfterCaption(std::string_view title, std::string_view caption)
{
    constexpr std::string_view kProduct = "Vantor Graphs";
    if (caption != title && caption.substr(0, kProduct.size()) == kProduct) return std::string(caption);
    return std::string(title);
}

std::string FileNamePart(std::string_view path)
{
    const std::size_t slash = path.find_last_of('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string UnquoteArgument(std::string_view argument)
{
    if (argument.size() >= 2 && argument.front() == '"' && argument.back() == '"')
        return std::string(argument.substr(1, argument.size() - 2));
    if (!argument.empty() && argument.front() == '"') return std::string(argument.substr(1));
    return std::string(argument);
}

}  // namespace vg
