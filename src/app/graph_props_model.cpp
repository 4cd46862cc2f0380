#include "app/graph_props_model.h"

#include <charconv>
#include <cmath>
#include <functional>
#include <type_traits>

#include "app/formula_error.h"
#include "app/translator.h"
#include "engine/check_formula.h"
#include "engine/number_text.h"

namespace vg {

namespace {

using F = GraphPropsField;
using Text = std::string GraphPropsValues::*;

constexpr const char* kNumberMessage = "This value must be a number\rfrom %s up to %s";
constexpr const char* kNaturalMessage = "This value must be a natural\rnumber up to %s";
constexpr const char* kIntegerMessage = "This value must be an integer\rfrom %s up to %s";
constexpr const char* kOrderMessage = "Maximum of %s must be more\rthan minimum of %s";
constexpr const char* kOrderXMessage = "Maximum of X must be more\rthan minimum of X";
constexpr const char* kOrderYMessage = "Maximum of Y must be more\rthan minimum of Y";
constexpr const char* kMinusLimitText = "-1*10^100";
constexpr const char* kLimitText = "1*10^100";

bool IsBlankText(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

bool IsOneIntervalKind(GraphKind kind)
{
    switch (kind) {
    case GraphKind::YFromX:
    case GraphKind::XFromY:
    case GraphKind::Polar:
    case GraphKind::Param:
    case GraphKind::Integral: return true;
    default: return false;
    }
}

bool IsTwoIntervalKind(GraphKind kind) { return kind == GraphKind::Equation || kind == GraphKind::DifField; }

// The LineParams of the kinds that have them.
LineParams* LineOf(GraphRecord& r)
{
    switch (r.Kind) {
    case GraphKind::YFromX:
    case GraphKind::XFromY:
    case GraphKind::Polar: return &r.Line;
    case GraphKind::Param: return &r.Param.Line;
    default: return nullptr;
    }
}
const LineParams* LineOf(const GraphRecord& r) { return LineOf(const_cast<GraphRecord&>(r)); }

std::string NumberText(const Ext80& value) { return FormatNumber(value.Get()); }
std::string IntegerText(int32_t value) { return std::to_string(value); }

int ClampIndex(int value, int count) { return value < 0 ? 0 : (value >= count ? count - 1 : value); }

int SortIndexOf(TableSort sort)
{
    switch (sort) {
    case TableSort::None: return 0;
    case TableSort::ByX: return 1;
    case TableSort::ByY: return 2;
    }
    return 1;
}
TableSort SortOfIndex(int index)
{
    return index == 0 ? TableSort::None : (index == 2 ? TableSort::ByY : TableSort::ByX);
}

// A cell shows its value, or nothing for an unused (undefined) slot.
std::string CellText(long double v) { return IsDefined(v) ? FormatNumber(v) : std::string(); }

GraphPropsFailure Failure(std::string message, std::vector<std::string> arguments, GraphPropsPage page,
                          GraphPropsField field)
{
    GraphPropsFailure f;
    f.Message = std::move(message);
    f.Arguments = std::move(arguments);
    f.Page = page;
    f.Field = field;
    return f;
}

// --------------------------------------------------------------- checks

// One check of the parameters page; a failure or nothing.
using Check = std::function<std::optional<GraphPropsFailure>(const GraphPropsValues&)>;

bool ReadBound(const std::string& text, long double& value)
{
    bool failed = false;
    value = ParseNumberInput(text, failed);
    return !failed && std::fabs(value) <= kMaxMagnitude;
}

Check NumberCheck(Text text, F field)
{
    return [text, field](const GraphPropsValues& v) -> std::optional<GraphPropsFailure> {
        long double value = 0;
        if (ReadBound(v.*text, value)) return std::nullopt;
        return Failure(kNumberMessage, {kMinusLimitText, kLimitText}, GraphPropsPage::OtherProperties, field);
    };
}

// Runs after both bounds passed their own checks.
Check OrderCheck(Text min, Text max, F field, std::function<GraphPropsFailure()> failure)
{
    return [min, max, field, failure](const GraphPropsValues& v) -> std::optional<GraphPropsFailure> {
        long double lo = 0, hi = 0;
        ReadBound(v.*min, lo);
        ReadBound(v.*max, hi);
        if (hi > lo) return std::nullopt;
        GraphPropsFailure f = failure();
        f.Field = field;
        return f;
    };
}

Check RangeCheck(Text text, F field, int32_t lowest, int32_t highest)
{
    return [=](const GraphPropsValues& v) -> std::optional<GraphPropsFailure> {
        int32_t value = 0;
        if (ParseIntegerField(v.*text, value) && value >= lowest && value <= highest) return std::nullopt;
        if (lowest == 1)
            return Failure(kNaturalMessage, {std::to_string(highest)}, GraphPropsPage::OtherProperties, field);
        return Failure(kIntegerMessage, {std::to_string(lowest), std::to_string(highest)},
                       GraphPropsPage::OtherProperties, field);
    };
}

// The parameter checks of a kind, in the order the fields stand on the page.
std::vector<Check> ParameterChecks(GraphKind kind, const GraphPropsValues& values)
{
    std::vector<Check> checks;
    if (IsOneIntervalKind(kind)) {
        const char* variable = "X";  // a plain text: GCC 12 at -O3 warns (-Wrestrict) on assigning to a string
        switch (kind) {
        case GraphKind::YFromX: variable = "X"; break;
        case GraphKind::XFromY: variable = "Y"; break;
        case GraphKind::Polar: variable = "A"; break;
        case GraphKind::Param: variable = "T"; break;
        default: variable = values.DirectionIndex == 1 ? "Y" : "X"; break;
        }
        checks.push_back(NumberCheck(&GraphPropsValues::Min, F::Min));
        checks.push_back(NumberCheck(&GraphPropsValues::Max, F::Max));
        checks.push_back(OrderCheck(&GraphPropsValues::Min, &GraphPropsValues::Max, F::Max, [variable] {
            return Failure(kOrderMessage, {variable, variable}, GraphPropsPage::OtherProperties, F::Max);
        }));
        if (kind == GraphKind::Integral) {
            checks.push_back(NumberCheck(&GraphPropsValues::FirstX, F::FirstX));
            checks.push_back(NumberCheck(&GraphPropsValues::FirstY, F::FirstY));
        }
        checks.push_back(RangeCheck(&GraphPropsValues::Steps, F::Steps, kMinSteps, kMaxSteps));
        checks.push_back(RangeCheck(&GraphPropsValues::MaxGap, F::MaxGap, kMinMaxGap, kMaxMaxGap));
    } else if (IsTwoIntervalKind(kind)) {
        checks.push_back(NumberCheck(&GraphPropsValues::MinX, F::MinX));
        checks.push_back(NumberCheck(&GraphPropsValues::MaxX, F::MaxX));
        checks.push_back(OrderCheck(&GraphPropsValues::MinX, &GraphPropsValues::MaxX, F::MaxX, [] {
            return Failure(kOrderXMessage, {}, GraphPropsPage::OtherProperties, F::MaxX);
        }));
        checks.push_back(NumberCheck(&GraphPropsValues::MinY, F::MinY));
        checks.push_back(NumberCheck(&GraphPropsValues::MaxY, F::MaxY));
        checks.push_back(OrderCheck(&GraphPropsValues::MinY, &GraphPropsValues::MaxY, F::MaxY, [] {
            return Failure(kOrderYMessage, {}, GraphPropsPage::OtherProperties, F::MaxY);
        }));
        if (kind == GraphKind::Equation) {
            checks.push_back(RangeCheck(&GraphPropsValues::StepsX, F::StepsX, kMinEquationSteps, kMaxEquationSteps));
            checks.push_back(RangeCheck(&GraphPropsValues::StepsY, F::StepsY, kMinEquationSteps, kMaxEquationSteps));
            checks.push_back(RangeCheck(&GraphPropsValues::MaxGap, F::MaxGap, kMinMaxGap, kMaxMaxGap));
        } else {
            checks.push_back(RangeCheck(&GraphPropsValues::StepsX, F::StepsX, kMinSeries, kMaxSeries));
            checks.push_back(RangeCheck(&GraphPropsValues::StepsY, F::StepsY, kMinSeries, kMaxSeries));
            checks.push_back(RangeCheck(&GraphPropsValues::LineLength, F::LineLength, kMinLineLength, kMaxLineLength));
        }
    }
    return checks;
}

std::optional<GraphPropsFailure> FormulaFailure(const std::string& text, const char* first, const char* second,
                                                F field)
{
    EngineError error = kEngineOk;
    const bool ok = second ? CheckFormula2Var(text, first, second, error) : CheckFormula(text, first, error);
    if (ok) return std::nullopt;
    GraphPropsFailure f = Failure("", {}, GraphPropsPage::Properties, field);
    f.FormulaError = static_cast<int>(error);
    return f;
}

std::optional<GraphPropsFailure> FormulaChecks(GraphKind kind, const GraphPropsValues& v)
{
    switch (kind) {
    case GraphKind::YFromX: return FormulaFailure(v.Formula, "X", nullptr, F::Formula);
    case GraphKind::XFromY: return FormulaFailure(v.Formula, "Y", nullptr, F::Formula);
    case GraphKind::Polar: return FormulaFailure(v.Formula, "A", nullptr, F::Formula);
    case GraphKind::Param:
        if (auto f = FormulaFailure(v.Formula, "T", nullptr, F::Formula)) return f;
        return FormulaFailure(v.Formula2, "T", nullptr, F::Formula2);
    case GraphKind::Equation:
    case GraphKind::DifField: return FormulaFailure(v.Formula, "X", "Y", F::Formula);
    case GraphKind::Integral:
        return FormulaFailure(v.Formula, v.DirectionIndex == 1 ? "Y" : "X", nullptr, F::Formula);
    case GraphKind::Table: break;
    }
    return std::nullopt;
}

std::optional<GraphPropsFailure> TableChecks(const GraphPropsValues& v)
{
    const int rows = static_cast<int>(v.Cells.size() / 2);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < 2; ++column) {
            const std::string& text = v.Cell(row, column);
            if (IsBlankText(text)) continue;
            bool failed = false;
            ParseCellNumber(text, failed);
            if (!failed) continue;
            GraphPropsFailure f =
                Failure(kNumberMessage, {kMinusLimitText, kLimitText}, GraphPropsPage::Properties, F::TableCell);
            f.Row = row;
            f.Column = column;
            return f;
        }
    }
    return std::nullopt;
}

// ---------------------------------------------------------- write-back

// A number the user left as it was shown keeps the record's bytes.
void StoreNumber(Ext80& target, const std::string& text, const std::string& shownText)
{
    if (text == shownText) return;
    long double value = 0;
    ReadBound(text, value);
    target = value;
}

void StoreInteger(int32_t& target, const std::string& text)
{
    int32_t value = 0;
    if (ParseIntegerField(text, value)) target = value;
}

void StoreFlag(uint8_t& target, bool value)
{
    if ((target != 0) != value) target = value ? 1 : 0;
}

long double CellValue(const std::string& text)
{
    if (IsBlankText(text)) return kUndefined;
    bool failed = false;
    const long double value = ParseCellNumber(text, failed);
    return failed ? kUndefined : value;
}

}  // namespace

// ------------------------------------------------------------ helpers

std::string GraphPropsFailureText(const GraphPropsFailure& failure)
{
    if (failure.FormulaError >= 0) return FormatFormulaError(failure.FormulaError);
    std::vector<std::string_view> args(failure.Arguments.begin(), failure.Arguments.end());
    std::string text = Translate(failure.Message);
    std::string filled;
    std::size_t next = 0, start = 0;
    for (;;) {
        const std::size_t place = text.find("%s", start);
        if (place == std::string::npos || next >= args.size()) {
            filled += text.substr(start);
            return filled;
        }
        filled += text.substr(start, place - start);
        filled += args[next++];
        start = place + 2;
    }
}

bool KindHasFormula(GraphKind kind) { return kind != GraphKind::Table; }

bool IsRegionGraph(const GraphRecord& r)
{
    return r.Kind == GraphKind::Equation && r.Equation.Relation != EquationRelation::Zero;
}

const char* IntervalVariable(const GraphRecord& r)
{
    switch (r.Kind) {
    case GraphKind::XFromY: return "Y";
    case GraphKind::Polar: return "A";
    case GraphKind::Param: return "T";
    case GraphKind::Integral: return r.Integral.Direction == FieldDirection::DxDy ? "Y" : "X";
    default: return "X";
    }
}

bool ParseIntegerField(std::string_view text, int32_t& value)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return false;
    const std::size_t last = text.find_last_not_of(" \t");
    std::string_view digits = text.substr(first, last - first + 1);
    if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
    if (digits.empty() || digits.front() == '+') return false;
    int64_t wide = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), wide);
    if (result.ec != std::errc() || result.ptr != digits.data() + digits.size()) return false;
    if (wide < INT32_MIN || wide > INT32_MAX) return false;
    value = static_cast<int32_t>(wide);
    return true;
}

std::string GraphPropsControlName(GraphKind kind, GraphPropsField field)
{
    const bool xy = kind == GraphKind::YFromX || kind == GraphKind::XFromY;
    const bool at = kind == GraphKind::Polar || kind == GraphKind::Param;
    const bool eq = kind == GraphKind::Equation;
    const bool df = kind == GraphKind::DifField;
    const bool in = kind == GraphKind::Integral;
    switch (field) {
    case F::None: return "";
    case F::Formula:
        switch (kind) {
        case GraphKind::YFromX: return "FormulaYFromXEdit";
        case GraphKind::XFromY: return "FormulaXFromYEdit";
        case GraphKind::Polar: return "FormulaPolarEdit";
        case GraphKind::Param: return "FormulaParamXEdit";
        case GraphKind::Equation: return "FormulaEquationEdit";
        case GraphKind::DifField: return "FormulaDifFieldEdit";
        case GraphKind::Integral: return "FormulaIntegralEdit";
        case GraphKind::Table: return "";
        }
        return "";
    case F::Formula2: return kind == GraphKind::Param ? "FormulaParamYEdit" : "";
    case F::Min: return xy ? "MinXYEdit" : at ? "MinATEdit" : in ? "MinXYEditInt" : "";
    case F::Max: return xy ? "MaxXYEdit" : at ? "MaxATEdit" : in ? "MaxXYEditInt" : "";
    case F::MinX: return eq ? "MinXEditEq" : df ? "MinXEditDF" : "";
    case F::MaxX: return eq ? "MaxXEditEq" : df ? "MaxXEditDF" : "";
    case F::MinY: return eq ? "MinYEditEq" : df ? "MinYEditDF" : "";
    case F::MaxY: return eq ? "MaxYEditEq" : df ? "MaxYEditDF" : "";
    case F::Steps: return xy ? "StepsNumEditXY" : at ? "StepsNumEditAT" : in ? "StepsNumEditInt" : "";
    case F::MaxGap:
        return xy ? "MaxGapEditXY" : at ? "MaxGapEditAT" : in ? "MaxGapEditInt" : eq ? "MaxGapEditEq" : "";
    case F::StepsX: return eq ? "StepsNumXEditEq" : df ? "StepsNumXEditDF" : "";
    case F::StepsY: return eq ? "StepsNumYEditEq" : df ? "StepsNumYEditDF" : "";
    case F::LineLength: return df ? "LinesLengthEditDF" : "";
    case F::FirstX: return in ? "FirstXEditInt" : "";
    case F::FirstY: return in ? "FirstYEditInt" : "";
    case F::TableCell: return kind == GraphKind::Table ? "NumTableGrid" : "";
    }
    return "";
}

// ------------------------------------------------------------ appearance

GraphPropsValues AppearanceValues(const GraphStyle& s)
{
    GraphPropsValues v;
    v.Lines = s.Lines != 0;
    v.Points = s.Points != 0;
    v.Visible = s.Visible != 0;
    v.ColorIndex = s.Color % 16;
    v.LineWidthIndex = ClampIndex((static_cast<uint32_t>(s.LineStyleWidth) & 15) - 1, 5);
    v.LineStyleIndex = (static_cast<uint32_t>(s.LineStyleWidth) >> 4) % 4;
    v.PointSizeIndex = ClampIndex(s.PointSize / 2, 6);
    v.PointStyleIndex = s.PointStyle % 8;
    v.BrushIndex = s.BrushStyle % 7;
    return v;
}

void ApplyAppearance(GraphStyle& s, const GraphPropsValues& v)
{
    const GraphPropsValues shown = AppearanceValues(s);
    StoreFlag(s.Lines, v.Lines);
    StoreFlag(s.Points, v.Points);
    StoreFlag(s.Visible, v.Visible);
    auto changed = [](int chosen, int current) { return chosen >= 0 && chosen != current; };
    if (changed(v.ColorIndex, shown.ColorIndex)) s.Color = static_cast<uint8_t>(ClampIndex(v.ColorIndex, 16));
    const bool widthChanged = changed(v.LineWidthIndex, shown.LineWidthIndex);
    const bool styleChanged = changed(v.LineStyleIndex, shown.LineStyleIndex);
    if (widthChanged || styleChanged) {
        const int width = widthChanged ? ClampIndex(v.LineWidthIndex, 5) : shown.LineWidthIndex;
        const int style = styleChanged ? ClampIndex(v.LineStyleIndex, 4) : shown.LineStyleIndex;
        s.LineStyleWidth = style * 16 + width + 1;
    }
    if (changed(v.PointSizeIndex, shown.PointSizeIndex)) s.PointSize = 2 * ClampIndex(v.PointSizeIndex, 6) + 1;
    if (changed(v.PointStyleIndex, shown.PointStyleIndex))
        s.PointStyle = static_cast<uint8_t>(ClampIndex(v.PointStyleIndex, 8));
    if (changed(v.BrushIndex, shown.BrushIndex)) s.BrushStyle = static_cast<uint8_t>(ClampIndex(v.BrushIndex, 7));
}

// ------------------------------------------------------------ the model

namespace {

void CopyAppearance(GraphPropsValues& to, const GraphPropsValues& from)
{
    to.Lines = from.Lines;
    to.Points = from.Points;
    to.Visible = from.Visible;
    to.ColorIndex = from.ColorIndex;
    to.LineWidthIndex = from.LineWidthIndex;
    to.LineStyleIndex = from.LineStyleIndex;
    to.PointSizeIndex = from.PointSizeIndex;
    to.PointStyleIndex = from.PointStyleIndex;
    to.BrushIndex = from.BrushIndex;
}

GraphPropsValues ValuesOf(const GraphRecord& r)
{
    GraphPropsValues v;
    CopyAppearance(v, AppearanceValues(r.GetStyle()));
    const uint8_t kind = static_cast<uint8_t>(r.Kind);
    v.KindIndex = kind < kOfferedKindCount ? kind : -1;
    if (KindHasFormula(r.Kind)) v.Formula = r.Formula.Str();
    if (const LineParams* line = LineOf(r)) {
        v.OwnInterval = line->CommonInterval == 0;
        v.OwnBuild = line->CommonBuild == 0;
        v.Min = NumberText(line->Min);
        v.Max = NumberText(line->Max);
        v.Steps = IntegerText(line->Steps);
        v.MaxGap = IntegerText(line->MaxGap);
    }
    switch (r.Kind) {
    case GraphKind::Param: v.Formula2 = r.Param.Formula2.Str(); break;
    case GraphKind::Equation: {
        const EquationParams& p = r.Equation.Params;
        v.RelationIndex = ClampIndex(static_cast<int>(r.Equation.Relation), 3);
        v.OwnInterval = p.CommonInterval == 0;
        v.MinX = NumberText(p.MinX);
        v.MaxX = NumberText(p.MaxX);
        v.MinY = NumberText(p.MinY);
        v.MaxY = NumberText(p.MaxY);
        v.StepsX = IntegerText(p.StepsX);
        v.StepsY = IntegerText(p.StepsY);
        v.MaxGap = IntegerText(p.MaxGap);
        break;
    }
    case GraphKind::DifField: {
        const DifFieldParams& p = r.DifField.Params;
        v.DirectionIndex = ClampIndex(static_cast<int>(r.DifField.Direction), 2);
        v.OwnInterval = p.CommonInterval == 0;
        v.MinX = NumberText(p.MinX);
        v.MaxX = NumberText(p.MaxX);
        v.MinY = NumberText(p.MinY);
        v.MaxY = NumberText(p.MaxY);
        v.StepsX = IntegerText(p.SeriesX);
        v.StepsY = IntegerText(p.SeriesY);
        v.LineLength = IntegerText(p.LineLength);
        break;
    }
    case GraphKind::Integral: {
        const IntegralParams& p = r.Integral.Params;
        v.DirectionIndex = ClampIndex(static_cast<int>(r.Integral.Direction), 2);
        v.OwnInterval = p.CommonInterval == 0;
        v.OwnBuild = p.CommonBuild == 0;
        v.Min = NumberText(p.MinX);
        v.Max = NumberText(p.MaxX);
        v.FirstX = NumberText(p.FirstX);
        v.FirstY = NumberText(p.FirstY);
        v.Steps = IntegerText(p.Steps);
        v.MaxGap = IntegerText(p.MaxGap);
        break;
    }
    case GraphKind::Table: {
        const TableFlags flags = r.GetTableFlags();
        v.SortIndex = SortIndexOf(flags.Sort());
        v.Smoothing = flags.Smoothing();
        v.QualityIndex = static_cast<int>(flags.Quality());
        v.Cells.resize(2 * kTableSlots);
        for (int slot = 0; slot < kTableSlots; ++slot) {
            const TablePoint p = r.GetTablePoint(slot);
            v.Cell(slot, 0) = CellText(p.X.Get());
            v.Cell(slot, 1) = CellText(p.Y.Get());
        }
        break;
    }
    default: break;
    }
    return v;
}

}  // namespace

TGraphPropsModel::TGraphPropsModel(const GraphRecord& record, bool defaultsMode)
    : record_(record), shown_(ValuesOf(record)), defaultsMode_(defaultsMode)
{
}

GraphPropsValues TGraphPropsModel::Values() const { return ValuesOf(record_); }

bool TGraphPropsModel::ChangeKind(int kindIndex, const DocumentOptions& options, GraphPropsValues& values)
{
    if (defaultsMode_ || kindIndex < 0 || kindIndex >= kOfferedKindCount) return false;
    const GraphKind oldKind = record_.Kind;
    const GraphKind newKind = static_cast<GraphKind>(kindIndex);
    ApplyKindDefaults(record_, newKind, options);
    shown_ = ValuesOf(record_);
    GraphPropsValues fresh = shown_;
    CopyAppearance(fresh, values);
    if (KindHasFormula(oldKind) && KindHasFormula(newKind)) fresh.Formula = values.Formula;
    values = std::move(fresh);
    return true;
}

std::optional<GraphPropsFailure> TGraphPropsModel::Validate(const GraphPropsValues& values) const
{
    const GraphKind kind = record_.Kind;
    if (!defaultsMode_) {
        if (auto f = FormulaChecks(kind, values)) return f;
        if (kind == GraphKind::Table)
            if (auto f = TableChecks(values)) return f;
    }
    for (const Check& check : ParameterChecks(kind, values))
        if (auto f = check(values)) return f;
    return std::nullopt;
}

std::optional<GraphPropsFailure> TGraphPropsModel::Accept(const GraphPropsValues& values)
{
    if (auto failure = Validate(values)) return failure;
    StoreValues(values);
    shown_ = ValuesOf(record_);
    return std::nullopt;
}

void TGraphPropsModel::StoreValues(const GraphPropsValues& v)
{
    GraphRecord& r = record_;
    const GraphPropsValues& shown = shown_;
    GraphStyle style = r.GetStyle();
    ApplyAppearance(style, v);
    r.SetStyle(style);

    if (!defaultsMode_ && KindHasFormula(r.Kind)) r.Formula.Assign(v.Formula);
    if (LineParams* line = LineOf(r)) {
        // Polar and parametric graphs always use their own interval.
        if (r.Kind == GraphKind::YFromX || r.Kind == GraphKind::XFromY) StoreFlag(line->CommonInterval, !v.OwnInterval);
        StoreFlag(line->CommonBuild, !v.OwnBuild);
        StoreNumber(line->Min, v.Min, shown.Min);
        StoreNumber(line->Max, v.Max, shown.Max);
        StoreInteger(line->Steps, v.Steps);
        StoreInteger(line->MaxGap, v.MaxGap);
    }
    auto storeRelation = [](auto& target, int index, int count) {
        using Byte = std::remove_reference_t<decltype(target)>;
        if (index >= 0 && index != ClampIndex(static_cast<int>(target), count))
            target = static_cast<Byte>(ClampIndex(index, count));
    };
    switch (r.Kind) {
    case GraphKind::Param:
        if (!defaultsMode_) r.Param.Formula2.Assign(v.Formula2);
        break;
    case GraphKind::Equation: {
        EquationParams& p = r.Equation.Params;
        if (!defaultsMode_) storeRelation(r.Equation.Relation, v.RelationIndex, 3);
        StoreFlag(p.CommonInterval, !v.OwnInterval);
        StoreNumber(p.MinX, v.MinX, shown.MinX);
        StoreNumber(p.MaxX, v.MaxX, shown.MaxX);
        StoreNumber(p.MinY, v.MinY, shown.MinY);
        StoreNumber(p.MaxY, v.MaxY, shown.MaxY);
        StoreInteger(p.StepsX, v.StepsX);
        StoreInteger(p.StepsY, v.StepsY);
        StoreInteger(p.MaxGap, v.MaxGap);
        break;
    }
    case GraphKind::DifField: {
        DifFieldParams& p = r.DifField.Params;
        if (!defaultsMode_) storeRelation(r.DifField.Direction, v.DirectionIndex, 2);
        StoreFlag(p.CommonInterval, !v.OwnInterval);
        StoreNumber(p.MinX, v.MinX, shown.MinX);
        StoreNumber(p.MaxX, v.MaxX, shown.MaxX);
        StoreNumber(p.MinY, v.MinY, shown.MinY);
        StoreNumber(p.MaxY, v.MaxY, shown.MaxY);
        StoreInteger(p.SeriesX, v.StepsX);
        StoreInteger(p.SeriesY, v.StepsY);
        StoreInteger(p.LineLength, v.LineLength);
        break;
    }
    case GraphKind::Integral: {
        IntegralParams& p = r.Integral.Params;
        if (!defaultsMode_) storeRelation(r.Integral.Direction, v.DirectionIndex, 2);
        StoreFlag(p.CommonInterval, !v.OwnInterval);
        StoreFlag(p.CommonBuild, !v.OwnBuild);
        StoreNumber(p.MinX, v.Min, shown.Min);
        StoreNumber(p.MaxX, v.Max, shown.Max);
        StoreNumber(p.FirstX, v.FirstX, shown.FirstX);
        StoreNumber(p.FirstY, v.FirstY, shown.FirstY);
        StoreInteger(p.Steps, v.Steps);
        StoreInteger(p.MaxGap, v.MaxGap);
        break;
    }
    case GraphKind::Table: {
        const bool flagsChanged = v.SortIndex != shown.SortIndex || v.Smoothing != shown.Smoothing ||
                                  v.QualityIndex != shown.QualityIndex;
        if (flagsChanged) {
            const TableQuality quality = static_cast<TableQuality>(ClampIndex(v.QualityIndex, 3));
            r.SetTableFlags(TableFlags::Make(SortOfIndex(v.SortIndex), v.Smoothing, quality));
        }
        if (defaultsMode_ || v.Cells.size() != shown.Cells.size()) break;
        for (int slot = 0; slot < kTableSlots; ++slot) {
            const bool sameX = v.Cell(slot, 0) == shown.Cell(slot, 0);
            const bool sameY = v.Cell(slot, 1) == shown.Cell(slot, 1);
            if (sameX && sameY) continue;
            TablePoint p = r.GetTablePoint(slot);
            if (!sameX) p.X = CellValue(v.Cell(slot, 0));
            if (!sameY) p.Y = CellValue(v.Cell(slot, 1));
            r.SetTablePoint(slot, p);
        }
        break;
    }
    default: break;
    }
}

// ------------------------------------------------------------ defaults

GraphRecord KindDefaultsRecord(const DocumentOptions& options, GraphKind kind)
{
    GraphRecord r = NewGraphRecord(options);
    ApplyKindDefaults(r, kind, options);
    return r;
}

void StoreKindDefaults(DocumentOptions& d, const GraphRecord& r)
{
    switch (r.Kind) {
    case GraphKind::YFromX: d.DefaultYFromX = r.Line; break;
    case GraphKind::XFromY: d.DefaultXFromY = r.Line; break;
    case GraphKind::Polar: d.DefaultPolar = r.Line; break;
    case GraphKind::Param: d.DefaultParam = r.Param.Line; break;
    case GraphKind::Equation: d.DefaultEquation = r.Equation.Params; break;
    case GraphKind::DifField: d.DefaultDifField = r.DifField.Params; break;
    case GraphKind::Integral: d.DefaultIntegral = r.Integral.Params; break;
    case GraphKind::Table: d.DefaultTableFlags = r.GetTableFlags(); break;
    }
}

}  // namespace vg
