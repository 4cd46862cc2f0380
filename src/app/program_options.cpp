#include "app/program_options.h"

#include <cmath>
#include <cstdlib>

#include "engine/number_text.h"
#include "platform/profile_file.h"

namespace vg {

namespace {

constexpr long double kLargestNumber = 1e100L;

// A stored number: read as typed input; unparsable or beyond 1e100 gives the
// fallback.
long double ReadNumber(const ProfileFile& file, const char* section, const char* key,
                       const char* defaultText, long double fallback)
{
    const std::string text = file.ReadString(section, key, defaultText);
    bool failed = false;
    const long double value = ParseNumberInput(text, failed);
    if (failed || !std::isfinite(value) || std::fabs(value) > kLargestNumber) return fallback;
    return value;
}

bool WriteNumber(ProfileFile& file, const char* section, const char* key, long double value)
{
    return file.WriteString(section, key, FormatNumber(value));
}

int ReadIntegerInRange(const ProfileFile& file, const char* section, const char* key, int defaultValue,
                       int low, int high)
{
    const int value = file.ReadInteger(section, key, defaultValue);
    return value < low || value > high ? defaultValue : value;
}

void ReadResearch(TProgramOptions& o, const ProfileFile& f)
{
    o.ResearchMinX = ReadNumber(f, "Research", "MinX", "-10", -10);
    o.ResearchMaxX = ReadNumber(f, "Research", "MaxX", "10", 10);
    if (o.ResearchMaxX <= o.ResearchMinX) {
        o.ResearchMinX = -10;
        o.ResearchMaxX = 10;
    }
    o.FindZeroes = f.ReadBool("Research", "FindZeroes", true);
    o.FindExtremums = f.ReadBool("Research", "FindExtremums", true);
    // Widened first: the magnitude of the smallest int does not fit an int.
    const long long digits = std::llabs(static_cast<long long>(f.ReadInteger("Research", "DigitsNum", 2)));
    o.DigitsNum = static_cast<std::uint8_t>(digits > 5 ? 2 : digits);
    o.ResearchStepsNum = ReadIntegerInRange(f, "Research", "StepsNum", 200, 100, 20000);
    o.UseDerivative = f.ReadBool("Research", "UseDerivative", false);
}

void ReadValueTableAndIntegrate(TProgramOptions& o, const ProfileFile& f)
{
    o.ValueTableMin = ReadNumber(f, "ValueTable", "Min", "-10", -10);
    o.ValueTableMax = ReadNumber(f, "ValueTable", "Max", "10", 10);
    o.ValueTableStep = ReadNumber(f, "ValueTable", "Step", "1", 1);
    if (!(o.ValueTableStep > 0)) o.ValueTableStep = 1;
    o.IntegrateMinX = ReadNumber(f, "Integrate", "MinX", "-10", -10);
    o.IntegrateMaxX = ReadNumber(f, "Integrate", "MaxX", "10", 10);
    o.IntegrateStepsNum = f.ReadInteger("Integrate", "StepsNum", 200);
    o.AbsIntegrate = f.ReadBool("Integrate", "AbsIntegrate", false);
}

void ReadCommon(TProgramOptions& o, const ProfileFile& f)
{
    o.Common.FuncPanelDelConfirmation = f.ReadBool("Common", "FuncPanelDelConfirmation", true);
    o.Common.FunctionNewColor = f.ReadBool("Common", "FunctionNewColor", true);
    o.Common.ChangeSteps = f.ReadBool("Common", "ChangeSteps", false);
    o.Common.ShowBackGround = f.ReadBool("Common", "ShowBackGround", false);
    o.Common.AutoMaximize = f.ReadBool("Common", "AutoMaximize", false);
    o.Common.ZoomTableWindow = f.ReadBool("Common", "ZoomTableWindow", true);
    // The translator decides the language; the text is kept so that it is
    // written back unchanged when nobody set it.
    o.Common.Languages = f.ReadString("Common", "Languages", o.Common.Languages);
}

void ReadPicture(TProgramOptions& o, const ProfileFile& f)
{
    o.Scale = f.ReadBool("Picture", "Scale", false);
    const long double factor = ReadNumber(f, "Picture", "ScaleFactor", "1", -1);
    o.ScaleFactor = o.Scale && factor >= 1 && factor <= 10 ? factor : 1;
    o.PictureWidth = ReadIntegerInRange(f, "Picture", "Width", 400, 100, 3000);
    o.PictureHeight = ReadIntegerInRange(f, "Picture", "Height", 200, 100, 3000);
}

void ReadGraphsList(TProgramOptions& o, const ProfileFile& f, int screenWidth, int screenHeight)
{
    o.GraphsList.Width = f.ReadInteger("GraphsList", "Width", 280);
    o.GraphsList.Height = f.ReadInteger("GraphsList", "Height", 150);
    o.GraphsList.Left = f.ReadInteger("GraphsList", "Left", 30);
    if (o.GraphsList.Left >= screenWidth) o.GraphsList.Left = 30;
    o.GraphsList.Top = f.ReadInteger("GraphsList", "Top", 70);
    if (o.GraphsList.Top >= screenHeight) o.GraphsList.Top = 70;
    o.GraphsListVisible = f.ReadBool("GraphsList", "Visible", false);
}

void ReadToolbars(TProgramOptions& o, const ProfileFile& f)
{
    o.Toolbars = TProgramOptions::DefaultToolbarPlacements();
    for (int i = 0; i < 3; ++i) {
        const char* section = kToolbarSections[i];
        if (!f.SectionExists(section)) continue;
        ToolbarPlacement& p = o.Toolbars[i];
        p.Visible = f.ReadBool(section, "Visible", p.Visible);
        const std::string dock = f.ReadString(section, "DockedTo", p.DockedTo);
        if (dock == "DockTop" || dock == "DockBottom" || dock == "DockLeft" || dock == "DockRight")
            p.DockedTo = dock;
        p.DockRow = f.ReadInteger(section, "DockRow", p.DockRow);
        p.DockPos = f.ReadInteger(section, "DockPos", p.DockPos);
        p.FloatLeft = f.ReadInteger(section, "FloatLeft", p.FloatLeft);
        p.FloatTop = f.ReadInteger(section, "FloatTop", p.FloatTop);
        p.FloatRight = f.ReadInteger(section, "FloatRight", p.FloatRight);
        p.FloatBottom = f.ReadInteger(section, "FloatBottom", p.FloatBottom);
        p.FloatRightX = f.ReadInteger(section, "FloatRightX", p.FloatRightX);
    }
    o.ToolbarState = f.ReadString(kToolbarStateSection, kToolbarStateKey, "");
}

void WriteToolbars(const TProgramOptions& o, ProfileFile& f)
{
    for (int i = 0; i < 3; ++i) {
        const char* section = kToolbarSections[i];
        const ToolbarPlacement& p = o.Toolbars[i];
        f.WriteBool(section, "Visible", p.Visible);
        f.WriteString(section, "DockedTo", p.DockedTo);
        f.WriteInteger(section, "DockRow", p.DockRow);
        f.WriteInteger(section, "DockPos", p.DockPos);
        f.WriteInteger(section, "FloatLeft", p.FloatLeft);
        f.WriteInteger(section, "FloatTop", p.FloatTop);
        f.WriteInteger(section, "FloatRight", p.FloatRight);
        f.WriteInteger(section, "FloatBottom", p.FloatBottom);
        f.WriteInteger(section, "FloatRightX", p.FloatRightX);
    }
    f.WriteString(kToolbarStateSection, kToolbarStateKey, o.ToolbarState);
}

}  // namespace

std::array<ToolbarPlacement, 3> TProgramOptions::DefaultToolbarPlacements()
{
    std::array<ToolbarPlacement, 3> placements;
    placements[1].DockRow = 1;    // Graph: second row
    placements[2].DockPos = 586;  // Calculus: beside Standard
    return placements;
}

void ReadProgramOptions(TProgramOptions& o, const ProfileFile& f, int screenWidth, int screenHeight)
{
    ReadResearch(o, f);
    ReadValueTableAndIntegrate(o, f);
    ReadCommon(o, f);
    ReadPicture(o, f);
    o.StandardPanel = f.ReadBool("Panels", "StandardPanel", true);
    o.GraphsPanel = f.ReadBool("Panels", "GraphsPanel", true);
    o.CalcPanel = f.ReadBool("Panels", "CalcPanel", true);
    o.RegressionType = ReadIntegerInRange(f, "Regression", "RegressionType", 1, 1, 8);
    o.PolynomPower = ReadIntegerInRange(f, "Regression", "PolynomPower", 2, 2, 9);
    o.ReplaceDirection = f.ReadBool("Replace", "Direction", true);
    o.ReplacePrompt = f.ReadBool("Replace", "Prompt", true);
    o.ReplaceAll = f.ReadBool("Replace", "ReplaceAll", false);
    o.DecimalPoint = f.ReadBool("International", "DecimalSeparator", true);
    ReadGraphsList(o, f, screenWidth, screenHeight);
    o.BlackAndWhite = f.ReadBool("Print", "BlackAndWhite", false);
    for (int k = 0; k < 4; ++k)
        o.LastFiles[k] = f.ReadString("Files", "File" + std::to_string(k + 1), "");
    ReadToolbars(o, f);
}

bool WriteProgramOptions(const TProgramOptions& o, ProfileFile& f)
{
    f.BeginUpdate();
    f.WriteBool("Research", "FindZeroes", o.FindZeroes);
    f.WriteBool("Research", "FindExtremums", o.FindExtremums);
    WriteNumber(f, "Research", "MinX", o.ResearchMinX);
    WriteNumber(f, "Research", "MaxX", o.ResearchMaxX);
    f.WriteInteger("Research", "DigitsNum", o.DigitsNum);
    f.WriteInteger("Research", "StepsNum", o.ResearchStepsNum);
    f.WriteBool("Research", "UseDerivative", o.UseDerivative);
    WriteNumber(f, "Integrate", "MinX", o.IntegrateMinX);
    WriteNumber(f, "Integrate", "MaxX", o.IntegrateMaxX);
    f.WriteInteger("Integrate", "StepsNum", o.IntegrateStepsNum);
    f.WriteBool("Integrate", "AbsIntegrate", o.AbsIntegrate);
    WriteNumber(f, "ValueTable", "Min", o.ValueTableMin);
    WriteNumber(f, "ValueTable", "Max", o.ValueTableMax);
    WriteNumber(f, "ValueTable", "Step", o.ValueTableStep);
    f.WriteBool("Panels", "StandardPanel", o.StandardPanel);
    f.WriteBool("Panels", "GraphsPanel", o.GraphsPanel);
    f.WriteBool("Panels", "CalcPanel", o.CalcPanel);
    f.WriteBool("Common", "FuncPanelDelConfirmation", o.Common.FuncPanelDelConfirmation);
    f.WriteBool("Common", "FunctionNewColor", o.Common.FunctionNewColor);
    f.WriteBool("Common", "ChangeSteps", o.Common.ChangeSteps);
    f.WriteBool("Common", "ShowBackGround", o.Common.ShowBackGround);
    f.WriteBool("Common", "AutoMaximize", o.Common.AutoMaximize);
    f.WriteBool("Common", "ZoomTableWindow", o.Common.ZoomTableWindow);
    f.WriteString("Common", "Languages", o.Common.Languages);
    f.WriteInteger("Regression", "RegressionType", o.RegressionType);
    f.WriteInteger("Regression", "PolynomPower", o.PolynomPower);
    f.WriteInteger("Picture", "Width", o.PictureWidth);
    f.WriteInteger("Picture", "Height", o.PictureHeight);
    f.WriteBool("Picture", "Scale", o.Scale);
    WriteNumber(f, "Picture", "ScaleFactor", o.ScaleFactor);
    f.WriteBool("Replace", "Direction", o.ReplaceDirection);
    f.WriteBool("Replace", "Prompt", o.ReplacePrompt);
    f.WriteBool("Replace", "ReplaceAll", o.ReplaceAll);
    f.WriteBool("International", "DecimalSeparator", o.DecimalPoint);
    f.WriteBool("GraphsList", "Visible", o.GraphsListVisible);
    f.WriteInteger("GraphsList", "Width", o.GraphsList.Width);
    f.WriteInteger("GraphsList", "Height", o.GraphsList.Height);
    f.WriteInteger("GraphsList", "Left", o.GraphsList.Left);
    f.WriteInteger("GraphsList", "Top", o.GraphsList.Top);
    f.WriteBool("Print", "BlackAndWhite", o.BlackAndWhite);
    for (int k = 0; k < 4; ++k) f.WriteString("Files", "File" + std::to_string(k + 1), o.LastFiles[k]);
    WriteToolbars(o, f);
    return f.EndUpdate();
}

}  // namespace vg
