#pragma once

#include <cstddef>
#include <cstdint>

#include "document/ext80.h"
#include "document/font_spec.h"
#include "document/graph_record.h"
#include "document/short_string.h"

namespace vg {

#pragma pack(push, 1)

// The document's plot, grid, axes and label options and the defaults of new
// graphs (1784 bytes), held in its file layout.
struct DocumentOptions {
    // Plot settings
    Ext80 MinX;
    Ext80 MinY;
    Ext80 MaxX;
    Ext80 MaxY;
    Ext80 CoeffX;
    Ext80 CoeffY;
    Ext80 LogBaseX;
    Ext80 LogBaseY;
    int32_t Steps;
    int32_t MaxGap;
    uint8_t Reserved88;  // written as 1, used by nothing
    uint8_t PointsAlign;
    uint8_t LogX;
    uint8_t LogY;
    // Grid settings
    uint8_t VertLines;
    uint8_t HorLines;
    Ext80 HorStep;
    Ext80 VertStep;
    uint8_t HorColor;
    uint8_t VertColor;
    uint8_t BackColor;
    uint8_t HorStyle;
    uint8_t VertStyle;
    uint8_t Padding119;
    int32_t HorWidth;
    int32_t VertWidth;
    uint8_t RadialGrid;
    uint8_t Padding129;
    Ext80 RadialStep;
    uint8_t RadialColor;
    uint8_t Padding141[3];
    int32_t RadialWidth;
    uint8_t AngularGrid;
    uint8_t Padding149;
    Ext80 AngularStep;  // units of pi
    uint8_t AngularColor;
    uint8_t Padding161[3];
    int32_t AngularWidth;
    // X axis
    uint8_t AxisX;
    uint8_t XLeftToRight;
    uint8_t AxisXNameShow;
    uint8_t AxisXStyle;
    uint8_t AxisXPointer;  // 0 arrow head, 1 none
    uint8_t AxisXColor;
    ShortString<255> AxisXName;
    uint8_t AxisXNameAxisColor;
    uint8_t Padding431;
    FontSpec AxisXNameFont;
    int32_t AxisXWidth;
    // Y axis
    uint8_t AxisY;
    uint8_t YBottomToTop;
    uint8_t AxisYNameShow;
    uint8_t AxisYStyle;
    uint8_t AxisYPointer;
    uint8_t AxisYColor;
    ShortString<255> AxisYName;
    uint8_t AxisYNameAxisColor;
    uint8_t Padding743;
    FontSpec AxisYNameFont;
    int32_t AxisYWidth;
    // Marks
    uint8_t MarksX;
    uint8_t MarksXAxisColor;
    Ext80 MarksXStep;
    uint8_t MarksXColor;
    uint8_t Padding805[3];
    int32_t MarksXLength;
    uint8_t MarksY;
    uint8_t MarksYAxisColor;
    Ext80 MarksYStep;
    uint8_t MarksYColor;
    uint8_t Padding825[3];
    int32_t MarksYLength;
    // Labels
    uint8_t LabelsX;
    uint8_t LabelsXAxisColor;
    uint8_t LabelsXAbove;
    uint8_t Padding835;
    Ext80 LabelsXStep;
    ShortString<255> LabelsXSuffix;
    uint8_t Padding1102[2];
    FontSpec LabelsXFont;
    uint8_t LabelsY;
    uint8_t LabelsYAxisColor;
    uint8_t LabelsYLeft;
    uint8_t Padding1151;
    Ext80 LabelsYStep;
    ShortString<255> LabelsYSuffix;
    uint8_t Padding1418[2];
    FontSpec LabelsYFont;
    // Defaults of new graphs
    GraphKind DefaultKind;
    uint8_t Padding1465[3];
    LineParams DefaultXFromY;
    LineParams DefaultYFromX;
    LineParams DefaultPolar;
    LineParams DefaultParam;
    TableFlags DefaultTableFlags;
    uint8_t Padding1597[3];
    EquationParams DefaultEquation;
    IntegralParams DefaultIntegral;
    DifFieldParams DefaultDifField;
    GraphStyle DefaultStyle;
};

// The four titles and the axes form (1228 bytes).
struct ViewSettings {
    uint8_t Marker;  // always 255: tells the record from a graph record in a file
    uint8_t Padding1[3];
    int32_t Version;
    ShortString<255> TopTitle;
    FontSpec TopTitleFont;
    uint8_t TopTitleShow;
    uint8_t Padding309[3];
    ShortString<255> BottomTitle;
    FontSpec BottomTitleFont;
    uint8_t BottomTitleShow;
    uint8_t Padding613[3];
    ShortString<255> LeftTitle;
    FontSpec LeftTitleFont;
    uint8_t LeftTitleShow;
    uint8_t Padding917[3];
    ShortString<255> RightTitle;
    FontSpec RightTitleFont;
    uint8_t RightTitleShow;
    uint8_t Padding1221[3];
    uint8_t Boxed;
    uint8_t EqualScale;
    uint8_t Padding1226[2];
};

#pragma pack(pop)

static_assert(sizeof(DocumentOptions) == 1784);
static_assert(offsetof(DocumentOptions, MinX) == 0);
static_assert(offsetof(DocumentOptions, MinY) == 10);
static_assert(offsetof(DocumentOptions, MaxX) == 20);
static_assert(offsetof(DocumentOptions, MaxY) == 30);
static_assert(offsetof(DocumentOptions, CoeffX) == 40);
static_assert(offsetof(DocumentOptions, CoeffY) == 50);
static_assert(offsetof(DocumentOptions, LogBaseX) == 60);
static_assert(offsetof(DocumentOptions, LogBaseY) == 70);
static_assert(offsetof(DocumentOptions, Steps) == 80);
static_assert(offsetof(DocumentOptions, MaxGap) == 84);
static_assert(offsetof(DocumentOptions, Reserved88) == 88);
static_assert(offsetof(DocumentOptions, PointsAlign) == 89);
static_assert(offsetof(DocumentOptions, LogX) == 90);
static_assert(offsetof(DocumentOptions, LogY) == 91);
static_assert(offsetof(DocumentOptions, VertLines) == 92);
static_assert(offsetof(DocumentOptions, HorLines) == 93);
static_assert(offsetof(DocumentOptions, HorStep) == 94);
static_assert(offsetof(DocumentOptions, VertStep) == 104);
static_assert(offsetof(DocumentOptions, HorColor) == 114);
static_assert(offsetof(DocumentOptions, VertColor) == 115);
static_assert(offsetof(DocumentOptions, BackColor) == 116);
static_assert(offsetof(DocumentOptions, HorStyle) == 117);
static_assert(offsetof(DocumentOptions, VertStyle) == 118);
static_assert(offsetof(DocumentOptions, HorWidth) == 120);
static_assert(offsetof(DocumentOptions, VertWidth) == 124);
static_assert(offsetof(DocumentOptions, RadialGrid) == 128);
static_assert(offsetof(DocumentOptions, RadialStep) == 130);
static_assert(offsetof(DocumentOptions, RadialColor) == 140);
static_assert(offsetof(DocumentOptions, RadialWidth) == 144);
static_assert(offsetof(DocumentOptions, AngularGrid) == 148);
static_assert(offsetof(DocumentOptions, AngularStep) == 150);
static_assert(offsetof(DocumentOptions, AngularColor) == 160);
static_assert(offsetof(DocumentOptions, AngularWidth) == 164);
static_assert(offsetof(DocumentOptions, AxisX) == 168);
static_assert(offsetof(DocumentOptions, XLeftToRight) == 169);
static_assert(offsetof(DocumentOptions, AxisXNameShow) == 170);
static_assert(offsetof(DocumentOptions, AxisXStyle) == 171);
static_assert(offsetof(DocumentOptions, AxisXPointer) == 172);
static_assert(offsetof(DocumentOptions, AxisXColor) == 173);
static_assert(offsetof(DocumentOptions, AxisXName) == 174);
static_assert(offsetof(DocumentOptions, AxisXNameAxisColor) == 430);
static_assert(offsetof(DocumentOptions, AxisXNameFont) == 432);
static_assert(offsetof(DocumentOptions, AxisXWidth) == 476);
static_assert(offsetof(DocumentOptions, AxisY) == 480);
static_assert(offsetof(DocumentOptions, YBottomToTop) == 481);
static_assert(offsetof(DocumentOptions, AxisYNameShow) == 482);
static_assert(offsetof(DocumentOptions, AxisYStyle) == 483);
static_assert(offsetof(DocumentOptions, AxisYPointer) == 484);
static_assert(offsetof(DocumentOptions, AxisYColor) == 485);
static_assert(offsetof(DocumentOptions, AxisYName) == 486);
static_assert(offsetof(DocumentOptions, AxisYNameAxisColor) == 742);
static_assert(offsetof(DocumentOptions, AxisYNameFont) == 744);
static_assert(offsetof(DocumentOptions, AxisYWidth) == 788);
static_assert(offsetof(DocumentOptions, MarksX) == 792);
static_assert(offsetof(DocumentOptions, MarksXAxisColor) == 793);
static_assert(offsetof(DocumentOptions, MarksXStep) == 794);
static_assert(offsetof(DocumentOptions, MarksXColor) == 804);
static_assert(offsetof(DocumentOptions, MarksXLength) == 808);
static_assert(offsetof(DocumentOptions, MarksY) == 812);
static_assert(offsetof(DocumentOptions, MarksYAxisColor) == 813);
static_assert(offsetof(DocumentOptions, MarksYStep) == 814);
static_assert(offsetof(DocumentOptions, MarksYColor) == 824);
static_assert(offsetof(DocumentOptions, MarksYLength) == 828);
static_assert(offsetof(DocumentOptions, LabelsX) == 832);
static_assert(offsetof(DocumentOptions, LabelsXAxisColor) == 833);
static_assert(offsetof(DocumentOptions, LabelsXAbove) == 834);
static_assert(offsetof(DocumentOptions, LabelsXStep) == 836);
static_assert(offsetof(DocumentOptions, LabelsXSuffix) == 846);
static_assert(offsetof(DocumentOptions, LabelsXFont) == 1104);
static_assert(offsetof(DocumentOptions, LabelsY) == 1148);
static_assert(offsetof(DocumentOptions, LabelsYAxisColor) == 1149);
static_assert(offsetof(DocumentOptions, LabelsYLeft) == 1150);
static_assert(offsetof(DocumentOptions, LabelsYStep) == 1152);
static_assert(offsetof(DocumentOptions, LabelsYSuffix) == 1162);
static_assert(offsetof(DocumentOptions, LabelsYFont) == 1420);
static_assert(offsetof(DocumentOptions, DefaultKind) == 1464);
static_assert(offsetof(DocumentOptions, DefaultXFromY) == 1468);
static_assert(offsetof(DocumentOptions, DefaultYFromX) == 1500);
static_assert(offsetof(DocumentOptions, DefaultPolar) == 1532);
static_assert(offsetof(DocumentOptions, DefaultParam) == 1564);
static_assert(offsetof(DocumentOptions, DefaultTableFlags) == 1596);
static_assert(offsetof(DocumentOptions, DefaultEquation) == 1600);
static_assert(offsetof(DocumentOptions, DefaultIntegral) == 1656);
static_assert(offsetof(DocumentOptions, DefaultDifField) == 1708);
static_assert(offsetof(DocumentOptions, DefaultStyle) == 1764);

static_assert(sizeof(ViewSettings) == 1228);
static_assert(offsetof(ViewSettings, Marker) == 0);
static_assert(offsetof(ViewSettings, Version) == 4);
static_assert(offsetof(ViewSettings, TopTitle) == 8);
static_assert(offsetof(ViewSettings, TopTitleFont) == 264);
static_assert(offsetof(ViewSettings, TopTitleShow) == 308);
static_assert(offsetof(ViewSettings, BottomTitle) == 312);
static_assert(offsetof(ViewSettings, BottomTitleFont) == 568);
static_assert(offsetof(ViewSettings, BottomTitleShow) == 612);
static_assert(offsetof(ViewSettings, LeftTitle) == 616);
static_assert(offsetof(ViewSettings, LeftTitleFont) == 872);
static_assert(offsetof(ViewSettings, LeftTitleShow) == 916);
static_assert(offsetof(ViewSettings, RightTitle) == 920);
static_assert(offsetof(ViewSettings, RightTitleFont) == 1176);
static_assert(offsetof(ViewSettings, RightTitleShow) == 1220);
static_assert(offsetof(ViewSettings, Boxed) == 1224);
static_assert(offsetof(ViewSettings, EqualScale) == 1225);

inline constexpr uint8_t kViewSettingsMarker = 255;
inline constexpr int32_t kViewSettingsVersion = 121;

// The records of a new program with no options file.
DocumentOptions DefaultDocumentOptions();
ViewSettings DefaultViewSettings();

// A new graph record of the options' DefaultKind with DefaultStyle and the
// kind's default parameters; a DefaultKind that is no offered kind gives
// YFromX.
GraphRecord NewGraphRecord(const DocumentOptions& options);
// Replaces the kind and the kind-dependent defaults (formulas emptied; a
// table gets 100 unused slots); appearance and other bytes are kept.
void ApplyKindDefaults(GraphRecord& record, GraphKind kind, const DocumentOptions& options);

// Byte comparison, as records are compared everywhere.
bool SameBytes(const DocumentOptions& a, const DocumentOptions& b);
bool SameBytes(const ViewSettings& a, const ViewSettings& b);
bool SameBytes(const GraphRecord& a, const GraphRecord& b);

}  // namespace vg
