#pragma once

// The program settings kept in "VGraph.ini": toolbars, confirmations, the
// last-used settings of the tools, picture and print settings, the recent
// files and the toolbar positions.

#include <array>
#include <cstdint>
#include <string>

namespace vg {

class ProfileFile;

struct TCommonRecord {
    bool ChangeSteps = false;
    bool FuncPanelDelConfirmation = true;
    bool FunctionNewColor = true;
    bool ShowBackGround = false;
    bool AutoMaximize = false;
    bool ZoomTableWindow = true;
    std::string Languages;
};

using TLastFiles = std::array<std::string, 4>;

// Where the graph list window stands; the window reads it at start and hands
// its geometry back before the settings are written.
struct GraphsListGeometry {
    int Width = 280;
    int Height = 150;
    int Left = 30;
    int Top = 70;
};

// One docking toolbar's position under its own section.
struct ToolbarPlacement {
    bool Visible = true;
    std::string DockedTo = "DockTop";
    int DockRow = 0;
    int DockPos = 0;
    int FloatLeft = 0;
    int FloatTop = 0;
    int FloatRight = 0;
    int FloatBottom = 0;
    int FloatRightX = 0;
};

// Section names of the three toolbars, in the order Standard, Graph, Calculus.
inline constexpr const char* kToolbarSections[3] = {"StandardToolbar", "GraphsToolbar", "CalcToolbar"};
// The section and key beside them that hold the window's exact toolbar layout.
inline constexpr const char* kToolbarStateSection = "Toolbars";
inline constexpr const char* kToolbarStateKey = "State";

struct TProgramOptions {
    bool GraphsListVisible = false;
    bool GraphsPanel = true;
    bool StandardPanel = true;
    bool CalcPanel = true;
    TCommonRecord Common;
    long double ResearchMinX = -10;
    long double ResearchMaxX = 10;
    bool FindZeroes = true;
    bool FindExtremums = true;
    bool UseDerivative = false;
    std::uint8_t DigitsNum = 2;
    std::int32_t ResearchStepsNum = 200;
    long double ValueTableMin = -10;
    long double ValueTableMax = 10;
    long double ValueTableStep = 1;
    long double IntegrateMinX = -10;
    long double IntegrateMaxX = 10;
    std::int32_t IntegrateStepsNum = 200;
    bool AbsIntegrate = false;
    std::int32_t RegressionType = 1;
    std::int32_t PolynomPower = 2;
    bool BlackAndWhite = false;
    long double ScaleFactor = 1;
    bool Scale = false;
    std::int32_t PictureWidth = 400;
    std::int32_t PictureHeight = 200;
    bool ReplaceDirection = true;
    bool ReplacePrompt = true;
    bool ReplaceAll = false;
    bool DecimalPoint = true;
    TLastFiles LastFiles;

    // Window placement kept beside the options.
    GraphsListGeometry GraphsList;
    std::array<ToolbarPlacement, 3> Toolbars = DefaultToolbarPlacements();
    std::string ToolbarState;  // base64 text of the window's own layout record

    static std::array<ToolbarPlacement, 3> DefaultToolbarPlacements();
};

// Reads every key in its order with its default and fall-back. The screen
// size is needed for the graph list window's position check. The Languages
// key is left alone: the translator reads it at start-up.
void ReadProgramOptions(TProgramOptions& options, const ProfileFile& file, int screenWidth,
                        int screenHeight);

// Writes every key in its order, then the toolbar positions, in one save.
// False when the file could not be written.
bool WriteProgramOptions(const TProgramOptions& options, ProfileFile& file);

}  // namespace vg
