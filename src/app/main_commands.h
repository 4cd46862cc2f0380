#pragma once

// The command model of the main window: every menu item and toolbar button
// with its texts, shortcut and help context, the menu layout, and the rules
// that enable commands. The Qt main window builds its actions from this
// table, so names and texts live in one place and can be checked without a
// display.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vg {

enum class CommandId {
    // File
    FileNew, FileOpen, OpenTable, FileSave, FileSaveAs, SaveAsBitmap, SaveTable, PageSetup, Print,
    FileExit,
    // Edit
    Undo, Redo, CopyAsBitmap,
    // View
    FullScreen, StandartPanel, FuncPanel, CalcPanel,
    // Plot
    AddGraph, FunctionList, Rebuild,
    // Calculus
    Calc, ValueTable, Research, Intersection, Derivative, Tangent, Integrate, Regress,
    // Options
    FunctionProps, Build, Axles, BackGround, Common, English, LanguageSetup, StandardOptions,
    StandardIntervals, TrigonometricalSet, SaveOptions,
    // Window
    WindowCascade, WindowTile, WindowArrange, WindowMinimize,
    // Help
    HelpContents, HelpAbout,
    // Toolbar-only buttons
    IncreaseXY, IncreaseY, IncreaseX, DecreaseXY, DecreaseY, DecreaseX, MoveLeft, MoveRight,
    MoveUp, MoveDown, SelectInterval, CenterInterval, DrawGraphic, LinesDraw, DrawPoints, Props,
    OtherProps, DeleteFunc, DoubleFunc, Trace,
    // Toolbar popup
    ToolbarsHelp,
    // Document window popup
    HorLinesToggle, VertLinesToggle,
};

// When a command may be used.
enum class Availability {
    Always,              // no condition
    Document,            // at least one document window open
    DocumentWithGraphs,  // the active document has at least one graph
    UndoHistory,         // enabled by the undo history of the active document
};

struct CommandInfo {
    CommandId id;
    const char* itemName;    // menu item control name, empty when there is none
    const char* buttonName;  // toolbar button control name, empty when there is none
    const char* caption;     // menu caption with its "&" accelerator
    const char* shortcut;    // key sequence in portable text form, empty when none
    int helpContext;         // 0: none
    const char* hint;        // status text of the menu item
    const char* tooltip;     // button tooltip
    const char* statusText;  // button status text
    const char* icon;        // glyph name in data/icons, empty when none
    Availability availability;
    bool implemented;        // false: the command's window comes with later work
};

// The whole table, in declaration order of CommandId.
std::span<const CommandInfo> AllCommands();
const CommandInfo& Command(CommandId id);

// A menu entry: a command, a separator or a submenu; Window menu and recent
// files are filled at run time.
struct MenuEntry {
    enum class Kind { Command, Separator, Submenu, RecentFiles, WindowList };
    Kind kind = Kind::Command;
    CommandId command{};
    const char* caption = "";      // submenus only
    const char* name = "";         // submenus only
    const char* hint = "";         // submenus only
    int helpContext = 0;           // submenus only
    std::vector<MenuEntry> children;
};

struct MenuInfo {
    const char* name;     // control name
    const char* caption;
    const char* hint;
    std::vector<MenuEntry> entries;
};

// The menu bar, left to right.
const std::vector<MenuInfo>& MainMenus();

// One entry of a toolbar: a command button, a separator or a control that the
// toolbar hosts (combo boxes of the Graph toolbar).
struct ToolbarEntry {
    enum class Kind { Command, Separator, Control };
    Kind kind;
    CommandId command{};
    const char* controlName = "";  // controls only
    const char* tooltip = "";      // controls only
    const char* statusText = "";   // controls only
};

struct ToolbarInfo {
    const char* name;       // object name, also the settings section name
    const char* caption;    // window title when floating
    bool topBottomOnly;
    std::vector<ToolbarEntry> entries;
};

// Standard, Graph, Calculus, in this order.
const std::vector<ToolbarInfo>& MainToolbars();

// What the enabling rules look at.
struct MenuState {
    int documentCount = 0;
    bool activeHasGraphs = false;
    bool canUndo = false;
    bool canRedo = false;
};

bool IsCommandEnabled(const CommandInfo& command, const MenuState& state);

// "Noname" (translated) + n + ".vgr" with the smallest n >= 1 that no
// caption equals, compared without regard to case.
std::string NextNonameCaption(std::span<const std::string> openCaptions);

// The application title after the main window's caption was read: the whole
// caption when it differs from the title and starts with "Vantor Graphs".
std::string ApplicationTitleAfterCaption(std::string_view title, std::string_view caption);

// A document's caption: the file-name part of a path.
std::string FileNamePart(std::string_view path);

// The first command-line argument with surrounding double quotes removed.
std::string UnquoteArgument(std::string_view argument);

}  // namespace vg
