// The options dialogs' models: records to fields and back, each refusal with
// its message, arguments, page and field in the fixed order, the values
// stored as checked, and the step scaling of Plot Options.

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "app/axis_options_model.h"
#include "app/background_options_model.h"
#include "app/common_options_model.h"
#include "app/options_fields.h"
#include "app/plot_options_model.h"
#include "app/translator.h"
#include "app/view_steps.h"
#include "document/document_options.h"

namespace vg {
namespace {

struct Refusal {
    std::string message;
    std::vector<std::string> arguments;
    int page;
    std::string field;
};

void ExpectRefusal(const std::optional<OptionsFailure>& failure, const Refusal& expected, const std::string& label)
{
    ASSERT_TRUE(failure.has_value()) << label << ": accepted";
    EXPECT_EQ(failure->Message, expected.message) << label;
    EXPECT_EQ(failure->Arguments, expected.arguments) << label;
    EXPECT_EQ(failure->Page, expected.page) << label;
    EXPECT_EQ(failure->Field, expected.field) << label;
}

const char* const kNumber = kNumberRangeMessage;
const char* const kNatural = kNaturalRangeMessage;
const char* const kPositive = kPositiveRangeMessage;
const char* const kLog = "Too large value of the boundary of the interval\r(in view of the logarithmic scale)";

// ---------------------------------------------------------------------------
// Plot Options

struct PlotCase {
    const char* label;
    std::function<void(PlotOptionsValues&)> change;
    Refusal refusal;
};

TEST(PlotOptionsModel, refusesEachFieldInOrder_withItsMessagePageAndField)
{
    const std::vector<std::string> bound{"-1*10^100", "1*10^100"};
    const std::vector<std::string> coefficient{"-1*10^50", "1*10^50"};
    const PlotCase cases[] = {
        {"MinX beyond 1e100", [](auto& v) { v.MinX = "1*10^101"; }, {kNumber, bound, 0, "MinXEdit"}},
        {"MinX not a number", [](auto& v) { v.MinX = "1e5"; }, {kNumber, bound, 0, "MinXEdit"}},
        {"MaxX empty", [](auto& v) { v.MaxX = " "; }, {kNumber, bound, 0, "MaxXEdit"}},
        {"MaxX equal to MinX", [](auto& v) { v.MinX = "5"; v.MaxX = "5"; }, {kMaxXOrderMessage, {}, 0, "MaxXEdit"}},
        {"tiny ends are 0", [](auto& v) { v.MinX = "1*10^(-21)"; v.MaxX = "-1*10^(-25)"; },
         {kMaxXOrderMessage, {}, 0, "MaxXEdit"}},
        {"MinY", [](auto& v) { v.MinY = "x"; }, {kNumber, bound, 0, "MinYEdit"}},
        {"MaxY", [](auto& v) { v.MaxY = "-1.1*10^100"; }, {kNumber, bound, 0, "MaxYEdit"}},
        {"MaxY below MinY", [](auto& v) { v.MaxY = "-11"; }, {kMaxYOrderMessage, {}, 0, "MaxYEdit"}},
        {"CoeffX 0", [](auto& v) { v.CoeffX = "0"; }, {kNumber, coefficient, 1, "CoeffXEdit"}},
        {"CoeffY beyond 1e50", [](auto& v) { v.CoeffY = "2*10^50"; }, {kNumber, coefficient, 1, "CoeffYEdit"}},
        {"Steps 0", [](auto& v) { v.Steps = "0"; }, {kNatural, {"20000"}, 0, "StepsNumEdit"}},
        {"Steps 20001", [](auto& v) { v.Steps = "20001"; }, {kNatural, {"20000"}, 0, "StepsNumEdit"}},
        {"Steps 1.5", [](auto& v) { v.Steps = "1.5"; }, {kNatural, {"20000"}, 0, "StepsNumEdit"}},
        {"MaxGap 1000001", [](auto& v) { v.MaxGap = "1000001"; }, {kNatural, {"1000000"}, 0, "MaxGapEdit"}},
        {"base 1 while off", [](auto& v) { v.LogBaseX = "1"; }, {kNumber, {"1", "1000"}, 1, "LogXEdit"}},
        {"base 1001", [](auto& v) { v.LogBaseY = "1001"; }, {kNumber, {"1", "1000"}, 1, "LogYEdit"}},
        {"X log scale", [](auto& v) { v.LogX = true; v.MaxX = "101"; }, {kLog, {}, 0, "MaxXEdit"}},
        {"Y log scale", [](auto& v) { v.LogY = true; v.LogBaseY = "1000"; v.MaxY = "34"; }, {kLog, {}, 0, "MaxYEdit"}},
        // The first failure wins.
        {"two at once", [](auto& v) { v.Steps = "0"; v.CoeffX = "0"; }, {kNumber, coefficient, 1, "CoeffXEdit"}},
    };
    const DocumentOptions original = DefaultDocumentOptions();
    for (const PlotCase& c : cases) {
        PlotOptionsValues v = PlotOptionsFromRecord(original);
        c.change(v);
        DocumentOptions record = original;
        ExpectRefusal(AcceptPlotOptions(v, true, record), c.refusal, c.label);
        EXPECT_TRUE(SameBytes(record, original)) << c.label << ": a refusal changes nothing";
    }
}

TEST(PlotOptionsModel, acceptsTheLimits_andStoresTheCheckedValues)
{
    const DocumentOptions original = DefaultDocumentOptions();
    PlotOptionsValues v = PlotOptionsFromRecord(original);
    EXPECT_EQ(v.MinX, "-10");
    EXPECT_EQ(v.Steps, "200");
    EXPECT_EQ(v.LogBaseX, "10");
    v.MinX = " -1*10^(-25) ";  // checked as 0, so stored as 0
    v.MaxX = "1*10^100";
    v.CoeffX = "1*10^50";
    v.Steps = " 20000 ";
    v.MaxGap = "1000000";
    v.LogBaseY = "1000";
    v.LogY = true;
    v.MaxY = "33.3";  // 1000^33.3 = 1e99.9
    v.PointsAlign = false;
    DocumentOptions record = original;
    ASSERT_FALSE(AcceptPlotOptions(v, false, record).has_value());
    EXPECT_EQ(record.MinX.Get(), 0.0L);
    EXPECT_EQ(record.MaxX.Get(), 1e100L);
    EXPECT_EQ(record.CoeffX.Get(), 1e50L);
    EXPECT_EQ(int(record.Steps), 20000);
    EXPECT_EQ(int(record.MaxGap), 1000000);
    EXPECT_EQ(record.LogY, 1);
    EXPECT_EQ(record.LogBaseY.Get(), 1000.0L);
    EXPECT_EQ(record.PointsAlign, 0);
    EXPECT_EQ(PlotOptionsFromRecord(record).MaxX, "1*10^100");
}

TEST(PlotOptionsModel, changeSteps_scalesWithTheDocumentsOwnWidths)
{
    DocumentOptions document = DefaultDocumentOptions();
    document.LabelsXStep = 1;
    document.MarksXStep = 0.5L;
    document.VertStep = 2;
    document.LabelsYStep = 1;
    PlotOptionsValues v = PlotOptionsFromRecord(document);
    v.MinX = "-20";
    v.MaxX = "20";

    DocumentOptions unchanged = document;
    ASSERT_FALSE(AcceptPlotOptions(v, false, unchanged).has_value());
    EXPECT_EQ(unchanged.LabelsXStep.Get(), 1.0L);
    EXPECT_EQ(unchanged.VertStep.Get(), 2.0L);

    DocumentOptions scaled = document;
    ASSERT_FALSE(AcceptPlotOptions(v, true, scaled).has_value());
    EXPECT_EQ(scaled.LabelsXStep.Get(), 2.0L);
    EXPECT_EQ(scaled.MarksXStep.Get(), 1.0L);
    EXPECT_EQ(scaled.VertStep.Get(), 4.0L);
    EXPECT_EQ(scaled.LabelsYStep.Get(), 1.0L);  // Y kept its width

    // The same scaling as the view operations, on an odd ratio.
    v.MaxX = "21.4";
    DocumentOptions odd = document;
    ASSERT_FALSE(AcceptPlotOptions(v, true, odd).has_value());
    DocumentOptions reference = document;
    reference.MinX = -20;
    reference.MaxX = 21.4L;
    ScaleSteps(reference, (21.4L + 20) / 20, 1);
    EXPECT_EQ(odd.LabelsXStep.Get(), reference.LabelsXStep.Get());
    EXPECT_EQ(odd.MarksXStep.Get(), reference.MarksXStep.Get());
}

// ---------------------------------------------------------------------------
// Background Options

TEST(BackgroundOptionsModel, refusesTheStepsInOrder)
{
    const std::vector<std::string> bound{"1*10^100"};
    struct Case {
        const char* label;
        std::function<void(BackgroundOptionsValues&)> change;
        Refusal refusal;
    } rows[] = {
        {"horizontal 0", [](auto& v) { v.Horizontal.Step = "0"; }, {kPositive, bound, 0, "StepHorEdit"}},
        {"vertical negative", [](auto& v) { v.Vertical.Step = "-1"; }, {kPositive, bound, 0, "StepVertEdit"}},
        {"radial beyond", [](auto& v) { v.Radial.Step = "2*10^100"; }, {kPositive, bound, 1, "RadiusStepEdit"}},
        {"angular 2.5", [](auto& v) { v.Angular.Step = "2.5"; }, {kPositive, {"2*Pi"}, 1, "AngleStepEdit"}},
        {"radial before angular", [](auto& v) { v.Angular.Step = "3"; v.Radial.Step = "x"; },
         {kPositive, bound, 1, "RadiusStepEdit"}},
    };
    const DocumentOptions original = DefaultDocumentOptions();
    for (const Case& c : rows) {
        BackgroundOptionsValues v = BackgroundOptionsFromRecord(original);
        c.change(v);
        DocumentOptions record = original;
        ExpectRefusal(AcceptBackgroundOptions(v, record), c.refusal, c.label);
        EXPECT_TRUE(SameBytes(record, original)) << c.label;
    }
}

TEST(BackgroundOptionsModel, roundTripsEveryField_andTakesAnAngleOfTwo)
{
    DocumentOptions original = DefaultDocumentOptions();
    BackgroundOptionsValues v = BackgroundOptionsFromRecord(original);
    EXPECT_EQ(v.Angular.Step, "0.25");
    EXPECT_EQ(v.Radial.ColorIndex, 8);
    EXPECT_EQ(v.Horizontal.WidthIndex, 0);
    EXPECT_EQ(v.BackColorIndex, 15);
    v.Horizontal = {true, "0.5", 2, 4, 2};
    v.Vertical = {true, "3", 3, 12, 4};
    v.Angular = {true, "2", 0, 1, 1};
    v.Radial = {true, "1*10^100", 0, 9, 3};
    v.BackColorIndex = 7;
    DocumentOptions record = original;
    ASSERT_FALSE(AcceptBackgroundOptions(v, record).has_value());
    EXPECT_EQ(record.HorLines, 1);
    EXPECT_EQ(record.HorStep.Get(), 0.5L);
    EXPECT_EQ(record.HorStyle, 2);
    EXPECT_EQ(record.HorColor, 4);
    EXPECT_EQ(int(record.HorWidth), 3);
    EXPECT_EQ(int(record.VertWidth), 5);
    EXPECT_EQ(record.AngularStep.Get(), 2.0L);
    EXPECT_EQ(record.RadialStep.Get(), 1e100L);
    EXPECT_EQ(int(record.RadialWidth), 4);
    EXPECT_EQ(record.BackColor, 7);
    const BackgroundOptionsValues back = BackgroundOptionsFromRecord(record);
    EXPECT_EQ(back.Vertical.StyleIndex, 3);
    EXPECT_EQ(back.Radial.Step, "1*10^100");

    // A list without a choice keeps the record's value.
    v.BackColorIndex = -1;
    v.Horizontal.WidthIndex = 5;
    ASSERT_FALSE(AcceptBackgroundOptions(v, record).has_value());
    EXPECT_EQ(record.BackColor, 7);
    EXPECT_EQ(int(record.HorWidth), 3);
}

// ---------------------------------------------------------------------------
// Axis Options

TEST(AxisOptionsModel, refusesMarksLengthsAndLabelsInOrder)
{
    const std::vector<std::string> bound{"1*10^100"};
    struct Case {
        const char* label;
        std::function<void(AxisOptionsValues&)> change;
        Refusal refusal;
    } rows[] = {
        {"X marks", [](auto& v) { v.X.MarksStep = "0"; }, {kPositive, bound, 1, "NumLinesXStepEdit"}},
        {"Y marks", [](auto& v) { v.Y.MarksStep = ""; }, {kPositive, bound, 1, "NumLinesYStepEdit"}},
        {"X length 0", [](auto& v) { v.X.MarksLength = "0"; }, {kNatural, {"10"}, 1, "LengthXSpinEdit"}},
        {"Y length 11", [](auto& v) { v.Y.MarksLength = "11"; }, {kNatural, {"10"}, 1, "LengthYSpinEdit"}},
        {"X labels", [](auto& v) { v.X.LabelsStep = "-2"; }, {kPositive, bound, 1, "NumsXStepEdit"}},
        {"Y labels", [](auto& v) { v.Y.LabelsStep = "1*10^101"; }, {kPositive, bound, 1, "NumsYStepEdit"}},
        {"lengths before labels", [](auto& v) { v.X.LabelsStep = "0"; v.Y.MarksLength = "x"; },
         {kNatural, {"10"}, 1, "LengthYSpinEdit"}},
    };
    const DocumentOptions original = DefaultDocumentOptions();
    const ViewSettings view = DefaultViewSettings();
    for (const Case& c : rows) {
        AxisOptionsValues v = AxisOptionsFromRecords(original, view);
        c.change(v);
        DocumentOptions record = original;
        ViewSettings settings = view;
        ExpectRefusal(AcceptAxisOptions(v, record, settings), c.refusal, c.label);
        EXPECT_TRUE(SameBytes(record, original)) << c.label;
        EXPECT_TRUE(SameBytes(settings, view)) << c.label;
    }
}

TEST(AxisOptionsModel, storesBothRecords_andCutsTextsToTheirFields)
{
    const DocumentOptions original = DefaultDocumentOptions();
    const ViewSettings view = DefaultViewSettings();
    AxisOptionsValues v = AxisOptionsFromRecords(original, view);
    EXPECT_EQ(v.X.Name, "X");
    EXPECT_EQ(v.Y.MarksLength, "2");
    EXPECT_EQ(int(v.Top.Font.Size), 12);
    v.X.Forward = false;
    v.X.PointerIndex = 1;
    v.X.WidthIndex = 2;
    v.X.Name = std::string(300, 'n');
    v.Y.Name = std::string(150, 'a') + "\xC3\xA9\xC3\xA9";  // a cut may not split a character
    v.Y.LabelsSuffix = " cm";
    v.Y.LabelsSide = false;
    v.Y.MarksLength = "10";
    v.Y.MarksAxisColor = false;
    v.Y.MarksColorIndex = 4;
    v.X.LabelsFont.Size = 14;
    v.Top = {true, std::string(260, 't'), MakeFontSpec("Liberation Serif", 16)};
    v.Boxed = true;
    v.EqualScale = true;
    DocumentOptions record = original;
    ViewSettings settings = view;
    ASSERT_FALSE(AcceptAxisOptions(v, record, settings).has_value());
    EXPECT_EQ(record.XLeftToRight, 0);
    EXPECT_EQ(record.AxisXPointer, 1);
    EXPECT_EQ(int(record.AxisXWidth), 3);
    EXPECT_EQ(record.AxisXName.Length(), kAxisNameLength);
    EXPECT_EQ(record.AxisYName.Str(), std::string(150, 'a') + "\xC3\xA9\xC3\xA9");
    EXPECT_EQ(record.LabelsYSuffix.Str(), " cm");
    EXPECT_EQ(record.LabelsYLeft, 0);
    EXPECT_EQ(int(record.MarksYLength), 10);
    EXPECT_EQ(record.MarksYAxisColor, 0);
    EXPECT_EQ(record.MarksYColor, 4);
    EXPECT_EQ(int(record.LabelsXFont.Size), 14);
    EXPECT_EQ(settings.TopTitleShow, 1);
    EXPECT_EQ(settings.TopTitle.Length(), kTitleLength);
    EXPECT_EQ(settings.TopTitleFont.Name.Str(), "Liberation Serif");
    EXPECT_EQ(settings.Boxed, 1);
    EXPECT_EQ(settings.EqualScale, 1);
    EXPECT_EQ(settings.Marker, 255);
    // Back to the fields, every one as it was stored.
    const AxisOptionsValues back = AxisOptionsFromRecords(record, settings);
    EXPECT_FALSE(back.X.Forward);
    EXPECT_EQ(back.Y.LabelsSuffix, " cm");
    EXPECT_EQ(back.Top.Text, std::string(250, 't'));
}

TEST(OptionsFields, cutTextsAtWholeCharacters)
{
    EXPECT_EQ(LimitedText("abc", 2, 10), "ab");
    EXPECT_EQ(LimitedText("\xC3\xA9\xC3\xA9\xC3\xA9", 10, 5), "\xC3\xA9\xC3\xA9");
    EXPECT_EQ(LimitedText("\xE2\x82\xAC" "x", 1, 10), "\xE2\x82\xAC");
    EXPECT_EQ(LimitedText("", 3, 3), "");
}

// ---------------------------------------------------------------------------
// Fonts

TEST(FontChoices, roundTheSize_keepTheColour_andRefuseNamesTheRecordCannotHold)
{
    FontSpec font = MakeFontSpec("MS Sans Serif", 8);
    font.Color = FontColorValue(0x12, 0x34, 0x56);
    EXPECT_EQ(uint32_t(font.Color), 0x00563412u);
    ASSERT_FALSE(ApplyFontChoice({"DejaVu Sans", 10.6, true, false, true, false}, font).has_value());
    EXPECT_EQ(font.Name.Str(), "DejaVu Sans");
    EXPECT_EQ(int(font.Size), 11);
    EXPECT_EQ(font.Style, kFontBold | kFontUnderline);
    EXPECT_EQ(uint32_t(font.Color), 0x00563412u);
    ASSERT_FALSE(ApplyFontChoice({"Tiny", 0.3, false, true, false, true}, font).has_value());
    EXPECT_EQ(int(font.Size), 1);
    EXPECT_EQ(font.Style, kFontItalic | kFontStrikeOut);

    const std::string longName(33, 'F');
    const FontSpec before = font;
    const std::optional<OptionsFailure> refusal = ApplyFontChoice({longName, 12}, font);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->Message, kFontNameTooLongMessage);
    EXPECT_EQ(refusal->Arguments, (std::vector<std::string>{longName, "32"}));
    EXPECT_EQ(std::memcmp(&before, &font, sizeof font), 0);
    ASSERT_FALSE(ApplyFontChoice({std::string(32, 'F'), 12}, font).has_value());

    int r = 0, g = 0, b = 0;
    FontColorParts(0x00563412u, r, g, b);
    EXPECT_EQ((std::vector<int>{r, g, b}), (std::vector<int>{0x12, 0x34, 0x56}));
}

TEST(OptionsFields, failureText_translatesBeforeFillingIn)
{
    TTranslator german;
    german.LoadFromBytes("\"This value must be a natural\\nnumber up to %s\" = \"Natürlich\\nbis %s\"\n");
    SetTranslator(&german);
    EXPECT_EQ(OptionsFailureText({kNaturalRangeMessage, {"20000"}, 0, "StepsNumEdit"}), "Natürlich\rbis 20000");
    // An argument's own "%s" stays as it is.
    EXPECT_EQ(OptionsFailureText({kFontNameTooLongMessage, {"%s%s", "32"}, 0, ""}),
              "The name of the font is too long to be kept:\r%s%s\r(at most 32 characters)");
    SetTranslator(nullptr);
}

// ---------------------------------------------------------------------------
// Common Options

TEST(CommonOptionsModel, storesTheFiveSettings_andLeavesTheOthers)
{
    TCommonRecord common;
    common.ZoomTableWindow = false;
    common.Languages = "?german.vgl?";
    CommonOptionsValues v = CommonOptionsFromRecord(common);
    EXPECT_TRUE(v.FuncPanelDelConfirmation);
    EXPECT_FALSE(v.ChangeSteps);
    v = {false, false, true, true, true};
    AcceptCommonOptions(v, common);
    EXPECT_FALSE(common.FuncPanelDelConfirmation);
    EXPECT_FALSE(common.FunctionNewColor);
    EXPECT_TRUE(common.ChangeSteps);
    EXPECT_TRUE(common.ShowBackGround);
    EXPECT_TRUE(common.AutoMaximize);
    EXPECT_FALSE(common.ZoomTableWindow);
    EXPECT_EQ(common.Languages, "?german.vgl?");
}

}  // namespace
}  // namespace vg
