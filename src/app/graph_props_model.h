#pragma once

// The graph properties dialog without its window: a graph record turned into
// the texts and choices of the dialog's controls and back, the OK checks in
// their fixed order (the first failure names its message, page and field),
// the change of kind, and the default parameters of each kind.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/document_options.h"
#include "document/graph_record.h"

namespace vg {

enum class GraphPropsPage { Properties = 0, OtherProperties = 1 };

// The controls a check can fail on, by role; GraphPropsControlName gives the
// control of a kind.
enum class GraphPropsField {
    None,
    Formula,   // the kind's (first) formula edit
    Formula2,  // Y(t) of a parametric graph
    Min,       // one-interval kinds: YFromX, XFromY, Polar, Param, Integral
    Max,
    MinX,  // Equation and DifField
    MaxX,
    MinY,
    MaxY,
    Steps,   // YFromX, XFromY, Polar, Param, Integral
    MaxGap,  // every kind with one
    StepsX,  // Equation steps or DifField series on the horizontal axis
    StepsY,
    LineLength,  // DifField
    FirstX,      // Integral: the point the curve passes through
    FirstY,
    TableCell,  // a cell of the table grid (row and column in the failure)
};

// The texts and choices of the dialog's controls. Numbers are texts as the
// edits hold them; a list index of -1 means "no change" (the record keeps
// its byte).
struct GraphPropsValues {
    int KindIndex = 0;  // FuncStyleComboBox; -1 for the Integral kind, which the list does not offer
    std::string Formula;
    std::string Formula2;
    int RelationIndex = 0;   // EquationComboBox: "=0", "<0", ">0"
    int DirectionIndex = 0;  // DifFieldComboBox / IntegralComboBox: "dy/dx", "dx/dy"

    bool Lines = true;
    bool Points = false;
    bool Visible = true;
    int ColorIndex = -1;
    int LineWidthIndex = -1;  // width - 1
    int LineStyleIndex = -1;
    int PointSizeIndex = -1;  // (size - 1) / 2
    int PointStyleIndex = -1;
    int BrushIndex = -1;

    bool OwnInterval = false;  // "Interval"/"Intervals" ticked: CommonInterval off
    bool OwnBuild = false;     // "Plot Parameters" ticked: CommonBuild off
    std::string Min, Max;
    std::string MinX, MaxX, MinY, MaxY;
    std::string Steps, MaxGap;
    std::string StepsX, StepsY;
    std::string LineLength;
    std::string FirstX, FirstY;

    int SortIndex = 1;  // SortRadioGroup: 0 "None", 1 "On X", 2 "On Y"
    bool Smoothing = false;
    int QualityIndex = 1;  // "Low", "Medium", "High"
    // The table grid, row by row: X of row 1, Y of row 1, X of row 2, ...
    std::vector<std::string> Cells;

    std::string& Cell(int row, int column) { return Cells.at(static_cast<std::size_t>(row * 2 + column)); }
    const std::string& Cell(int row, int column) const
    {
        return Cells.at(static_cast<std::size_t>(row * 2 + column));
    }
};

// The first check that failed: the English message with its arguments (or
// the engine's error code for a formula), where the dialog shows it and
// which control takes the focus.
struct GraphPropsFailure {
    std::string Message;  // English, "\r" starts a new line
    std::vector<std::string> Arguments;
    int FormulaError = -1;  // engine error code when a formula was refused
    GraphPropsPage Page = GraphPropsPage::Properties;
    GraphPropsField Field = GraphPropsField::None;
    int Row = -1;  // TableCell: 0-based row and column
    int Column = -1;
};

// The message of a failure as the user reads it: translated, arguments in
// place ("\r" kept).
std::string GraphPropsFailureText(const GraphPropsFailure& failure);

// The control of a kind that plays a role ("MinXYEdit", "StepsNumEditAT",
// "NumTableGrid"...); empty when the kind has none.
std::string GraphPropsControlName(GraphKind kind, GraphPropsField field);

// The variable of the one-interval kinds' bounds ("X", "Y", "A", "T").
const char* IntervalVariable(const GraphRecord& record);

// The kinds that have formula edits (every kind but Table).
bool KindHasFormula(GraphKind kind);
// An Equation graph drawn as a shaded region ("<0" or ">0").
bool IsRegionGraph(const GraphRecord& record);

// A decimal integer with surrounding blanks; false for anything else or a
// value outside the 32-bit range.
bool ParseIntegerField(std::string_view text, int32_t& value);

// The dialog's working copy of one graph record.
class TGraphPropsModel {
public:
    // defaultsMode: editing the default parameters of the record's kind (no
    // formula, no table, the kind fixed).
    explicit TGraphPropsModel(const GraphRecord& record, bool defaultsMode = false);

    const GraphRecord& Record() const { return record_; }
    GraphKind Kind() const { return record_.Kind; }
    bool DefaultsMode() const { return defaultsMode_; }

    // The controls filled from the working record.
    GraphPropsValues Values() const;

    // The kind list chose another kind: the record takes the kind and its
    // default parameters from options; the returned values keep what the
    // user typed of the (first) formula and chose of the appearance. False
    // (nothing changes) for an index outside the list or in defaults mode.
    bool ChangeKind(int kindIndex, const DocumentOptions& options, GraphPropsValues& values);

    // OK: runs the checks in order and, when all pass, stores the values in
    // the working record. The first failure leaves the record unchanged.
    std::optional<GraphPropsFailure> Accept(const GraphPropsValues& values);

    // The checks alone.
    std::optional<GraphPropsFailure> Validate(const GraphPropsValues& values) const;

private:
    void StoreValues(const GraphPropsValues& values);

    GraphRecord record_;
    // The texts the controls got from the record: a number whose text the
    // user left alone keeps the record's bytes.
    GraphPropsValues shown_;
    bool defaultsMode_;
};

// A record of the given kind holding the kind's default parameters and the
// default appearance, as the Default Graph Properties dialog opens it.
GraphRecord KindDefaultsRecord(const DocumentOptions& options, GraphKind kind);
// Copies the kind's parameters of record (LineParams, EquationParams,
// DifFieldParams, IntegralParams or TableFlags) into the defaults of options.
void StoreKindDefaults(DocumentOptions& options, const GraphRecord& record);

// The appearance part of the values applied to a style (the Default Graph
// Properties dialog and the dialog's own write-back).
void ApplyAppearance(GraphStyle& style, const GraphPropsValues& values);
GraphPropsValues AppearanceValues(const GraphStyle& style);

}  // namespace vg
