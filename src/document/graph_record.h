#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "document/ext80.h"
#include "document/short_string.h"

namespace vg {

// The kind byte of a graph record. A byte read from a file may hold any value;
// the fixed underlying type keeps such values well defined.
enum class GraphKind : uint8_t {
    YFromX = 0,
    XFromY = 1,
    Polar = 2,
    Param = 3,
    Equation = 4,
    DifField = 5,
    Table = 6,
    Integral = 7,
};
inline constexpr int kOfferedKindCount = 7;  // kinds 0..6 appear in the kind lists

enum class EquationRelation : uint8_t { Zero = 0, Less = 1, Greater = 2 };
enum class FieldDirection : uint8_t { DyDx = 0, DxDy = 1 };

inline constexpr int kMaxGraphs = 30;
inline constexpr int kTableSlots = 100;
inline constexpr int kMaxFormulaLength = 255;

// Ranges of the record's parameters.
inline constexpr int32_t kMinSteps = 1, kMaxSteps = 20000;
inline constexpr int32_t kMinMaxGap = 1, kMaxMaxGap = 1000000;
inline constexpr int32_t kMinEquationSteps = 10, kMaxEquationSteps = 200;
inline constexpr int32_t kMinSeries = 2, kMaxSeries = 100;
inline constexpr int32_t kMinLineLength = 4, kMaxLineLength = 100;
inline constexpr long double kMaxMagnitude = 1e100L;

#pragma pack(push, 1)

// The graph's own interval and plot parameters (32 bytes).
struct LineParams {
    uint8_t CommonBuild;
    uint8_t CommonInterval;
    Ext80 Min;
    Ext80 Max;
    uint8_t Reserved[2];
    int32_t Steps;
    int32_t MaxGap;
};

struct EquationParams {
    uint8_t CommonInterval;
    uint8_t Reserved1;
    Ext80 MinX;
    Ext80 MaxX;
    Ext80 MinY;
    Ext80 MaxY;
    uint8_t Reserved2[2];
    int32_t StepsX;
    int32_t StepsY;
    int32_t MaxGap;
};

struct DifFieldParams {
    uint8_t CommonInterval;
    uint8_t Reserved1;
    Ext80 MinX;
    Ext80 MaxX;
    Ext80 MinY;
    Ext80 MaxY;
    uint8_t Reserved2[2];
    int32_t SeriesX;
    int32_t SeriesY;
    int32_t LineLength;
};

struct IntegralParams {
    uint8_t CommonBuild;
    uint8_t CommonInterval;
    Ext80 MinX;
    Ext80 MaxX;
    Ext80 FirstX;
    Ext80 FirstY;
    uint8_t Reserved[2];
    int32_t Steps;
    int32_t MaxGap;
};

// One table slot: an unused slot holds +infinity in X and Y.
struct TablePoint {
    Ext80 X;
    Ext80 Y;
};

enum class TableSort : uint8_t { ByX = 0, ByY = 1, None = 2 };
enum class TableQuality : uint8_t { Low = 0, Medium = 1, High = 2 };

// Sort + 4 x Smoothing + 8 x Quality. Out-of-range bits from a file are
// clamped when read.
struct TableFlags {
    uint8_t Value;

    TableSort Sort() const
    {
        uint8_t s = Value & 3;
        return s > 2 ? TableSort::None : static_cast<TableSort>(s);
    }
    bool Smoothing() const { return (Value & 4) != 0; }
    TableQuality Quality() const
    {
        uint8_t q = Value >> 3;
        return q > 2 ? TableQuality::High : static_cast<TableQuality>(q);
    }
    static TableFlags Make(TableSort sort, bool smoothing, TableQuality quality)
    {
        return TableFlags{static_cast<uint8_t>(static_cast<uint8_t>(sort) + (smoothing ? 4 : 0) +
                                               8 * static_cast<uint8_t>(quality))};
    }
};
inline constexpr uint8_t kDefaultTableFlags = 8;

// The appearance words of a graph record (offsets 4..23), also the
// DefaultStyle of the document options.
struct GraphStyle {
    uint8_t Lines;
    uint8_t Visible;
    uint8_t Points;
    uint8_t Color;
    uint8_t PointStyle;
    uint8_t Reserved1[3];
    int32_t LineStyleWidth;
    int32_t PointSize;
    uint8_t BrushStyle;
    uint8_t Reserved2[3];
};

struct ParamPart {
    ShortString<255> Formula2;  // Y(t)
    LineParams Line;
};
struct EquationPart {
    EquationRelation Relation;
    uint8_t Reserved[3];
    EquationParams Params;
};
struct DifFieldPart {
    FieldDirection Direction;
    uint8_t Reserved[3];
    DifFieldParams Params;
};
struct IntegralPart {
    FieldDirection Direction;
    uint8_t Reserved[3];
    IntegralParams Params;
};

inline constexpr std::size_t kKindPartOffset = 280;
inline constexpr std::size_t kKindPartSize = 1748;
inline constexpr std::size_t kTablePointsOffset = 24;
inline constexpr std::size_t kTableFlagsOffset = 2024;

// One graph (2028 bytes), held in memory in its file layout. Parts that its
// kind does not use keep their bytes.
struct GraphRecord {
    GraphKind Kind;
    uint8_t Reserved1[3];
    uint8_t Lines;
    uint8_t Visible;
    uint8_t Points;
    uint8_t Color;
    uint8_t PointStyle;
    uint8_t Reserved2[3];
    int32_t LineStyleWidth;  // style index x 16 + width
    int32_t PointSize;       // 2 x index + 1
    uint8_t BrushStyle;
    uint8_t Reserved3[3];
    ShortString<255> Formula;
    union {
        LineParams Line;  // YFromX, XFromY, Polar
        ParamPart Param;
        EquationPart Equation;
        DifFieldPart DifField;
        IntegralPart Integral;
        uint8_t KindPart[kKindPartSize];
    };

    // Table slots overlay the formula (slot 0 holds the first point); they are
    // copied by bytes so the record's storage stays plain bytes.
    TablePoint GetTablePoint(int slot) const;
    void SetTablePoint(int slot, const TablePoint& p);
    void SetTablePoint(int slot, long double x, long double y);
    TableFlags GetTableFlags() const;
    void SetTableFlags(TableFlags flags);

    GraphStyle GetStyle() const;
    void SetStyle(const GraphStyle& style);

    // Indices clamped into their tables: colours 16, line styles 4, widths
    // 1..5, point styles 8, point sizes 6 (returns the size in pixels),
    // shading styles 7.
    int ColorIndex() const { return Color % 16; }
    int LineStyleIndex() const { return (static_cast<uint32_t>(LineStyleWidth) >> 4) % 4; }
    int LineWidth() const;
    int PointStyleIndex() const { return PointStyle % 8; }
    int PointSizePixels() const;
    int BrushStyleIndex() const { return BrushStyle % 7; }
};

#pragma pack(pop)

static_assert(sizeof(LineParams) == 32);
static_assert(offsetof(LineParams, CommonBuild) == 0);
static_assert(offsetof(LineParams, CommonInterval) == 1);
static_assert(offsetof(LineParams, Min) == 2);
static_assert(offsetof(LineParams, Max) == 12);
static_assert(offsetof(LineParams, Reserved) == 22);
static_assert(offsetof(LineParams, Steps) == 24);
static_assert(offsetof(LineParams, MaxGap) == 28);

static_assert(sizeof(EquationParams) == 56);
static_assert(offsetof(EquationParams, CommonInterval) == 0);
static_assert(offsetof(EquationParams, MinX) == 2);
static_assert(offsetof(EquationParams, MaxX) == 12);
static_assert(offsetof(EquationParams, MinY) == 22);
static_assert(offsetof(EquationParams, MaxY) == 32);
static_assert(offsetof(EquationParams, Reserved2) == 42);
static_assert(offsetof(EquationParams, StepsX) == 44);
static_assert(offsetof(EquationParams, StepsY) == 48);
static_assert(offsetof(EquationParams, MaxGap) == 52);

static_assert(sizeof(DifFieldParams) == 56);
static_assert(offsetof(DifFieldParams, CommonInterval) == 0);
static_assert(offsetof(DifFieldParams, MinX) == 2);
static_assert(offsetof(DifFieldParams, MaxX) == 12);
static_assert(offsetof(DifFieldParams, MinY) == 22);
static_assert(offsetof(DifFieldParams, MaxY) == 32);
static_assert(offsetof(DifFieldParams, SeriesX) == 44);
static_assert(offsetof(DifFieldParams, SeriesY) == 48);
static_assert(offsetof(DifFieldParams, LineLength) == 52);

static_assert(sizeof(IntegralParams) == 52);
static_assert(offsetof(IntegralParams, CommonBuild) == 0);
static_assert(offsetof(IntegralParams, CommonInterval) == 1);
static_assert(offsetof(IntegralParams, MinX) == 2);
static_assert(offsetof(IntegralParams, MaxX) == 12);
static_assert(offsetof(IntegralParams, FirstX) == 22);
static_assert(offsetof(IntegralParams, FirstY) == 32);
static_assert(offsetof(IntegralParams, Steps) == 44);
static_assert(offsetof(IntegralParams, MaxGap) == 48);

static_assert(sizeof(TablePoint) == 20);
static_assert(sizeof(TableFlags) == 1);

static_assert(sizeof(GraphStyle) == 20);
static_assert(offsetof(GraphStyle, Lines) == 0);
static_assert(offsetof(GraphStyle, Visible) == 1);
static_assert(offsetof(GraphStyle, Points) == 2);
static_assert(offsetof(GraphStyle, Color) == 3);
static_assert(offsetof(GraphStyle, PointStyle) == 4);
static_assert(offsetof(GraphStyle, LineStyleWidth) == 8);
static_assert(offsetof(GraphStyle, PointSize) == 12);
static_assert(offsetof(GraphStyle, BrushStyle) == 16);

static_assert(sizeof(GraphRecord) == 2028);
static_assert(offsetof(GraphRecord, Kind) == 0);
static_assert(offsetof(GraphRecord, Lines) == 4);
static_assert(offsetof(GraphRecord, Visible) == 5);
static_assert(offsetof(GraphRecord, Points) == 6);
static_assert(offsetof(GraphRecord, Color) == 7);
static_assert(offsetof(GraphRecord, PointStyle) == 8);
static_assert(offsetof(GraphRecord, LineStyleWidth) == 12);
static_assert(offsetof(GraphRecord, PointSize) == 16);
static_assert(offsetof(GraphRecord, BrushStyle) == 20);
static_assert(offsetof(GraphRecord, Formula) == 24);
static_assert(offsetof(GraphRecord, Line) == 280);
static_assert(offsetof(GraphRecord, Param) == 280);
static_assert(offsetof(GraphRecord, Param) + offsetof(ParamPart, Line) == 536);
static_assert(offsetof(GraphRecord, Equation) + offsetof(EquationPart, Params) == 284);
static_assert(offsetof(GraphRecord, DifField) + offsetof(DifFieldPart, Params) == 284);
static_assert(offsetof(GraphRecord, Integral) + offsetof(IntegralPart, Params) == 284);
static_assert(offsetof(GraphRecord, KindPart) == kKindPartOffset);
static_assert(kTablePointsOffset + kTableSlots * sizeof(TablePoint) == kTableFlagsOffset);

// The kind's text in the kind lists ("Y(x)", ...; untranslated).
const char* GraphKindText(GraphKind kind);
// Kinds 0..7; anything above is not a kind at all.
bool IsKnownKind(GraphKind kind);

}  // namespace vg
