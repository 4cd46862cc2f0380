#include "document/record_validity.h"

#include <cmath>

#include "document/log_scale.h"
#include "engine/check_formula.h"
#include "engine/number_text.h"

namespace vg {

namespace {

constexpr long double kMaxCoeff = 1e50L;

long double R(const Ext80& e) { return RoundForDisplay(e.Get()); }

bool InMagnitude(long double v, long double limit) { return std::fabs(v) <= limit; }

bool InRange(int32_t v, int32_t lo, int32_t hi) { return v >= lo && v <= hi; }

bool NonZeroWithin(const Ext80& e, long double limit)
{
    long double v = R(e);
    return v != 0 && InMagnitude(v, limit);
}

bool ValidInterval(const Ext80& min, const Ext80& max)
{
    long double lo = R(min), hi = R(max);
    return InMagnitude(lo, kMaxMagnitude) && InMagnitude(hi, kMaxMagnitude) && lo < hi;
}

bool ValidLogScale(bool log, const Ext80& max, const Ext80& base)
{
    return !log || LogScaleFits(base.Get(), max.Get());
}

bool ValidLogBase(const Ext80& base)
{
    long double b = R(base);
    return b > 1 && b <= 1000;
}

bool FormulaOk(const ShortString<255>& text, const char* var)
{
    EngineError error = kEngineOk;
    return CheckFormula(text.View(), var, error);
}

bool Formula2VarOk(const ShortString<255>& text)
{
    EngineError error = kEngineOk;
    return CheckFormula2Var(text.View(), "X", "Y", error);
}

bool ValidTableValue(const Ext80& e)
{
    long double v = e.Get();
    if (std::isinf(v) && v > 0) return true;
    return InMagnitude(RoundForDisplay(v), kMaxMagnitude);
}

bool ValidTable(const GraphRecord& g)
{
    for (int slot = 0; slot < kTableSlots; ++slot) {
        TablePoint p = g.GetTablePoint(slot);
        if (!ValidTableValue(p.X) || !ValidTableValue(p.Y)) return false;
    }
    return true;
}

uint8_t Mod(uint8_t v, int n) { return static_cast<uint8_t>(v % n); }

// Non-negative remainder, so that a negative width read from a file does not
// stay negative.
int32_t Mod(int32_t v, int32_t n)
{
    int32_t r = v % n;
    return r < 0 ? r + n : r;
}

void RoundExt(Ext80& e) { e = RoundForDisplay(e.Get()); }

}  // namespace

long double RoundForDisplay(long double v)
{
    return std::isfinite(v) ? RoundToDisplay(v) : v;
}

bool IsValidLineParams(const LineParams& p)
{
    return ValidInterval(p.Min, p.Max) && InRange(p.Steps, kMinSteps, kMaxSteps) &&
           InRange(p.MaxGap, kMinMaxGap, kMaxMaxGap);
}

bool IsValidEquationParams(const EquationParams& p)
{
    return ValidInterval(p.MinX, p.MaxX) && ValidInterval(p.MinY, p.MaxY) &&
           InRange(p.StepsX, kMinEquationSteps, kMaxEquationSteps) &&
           InRange(p.StepsY, kMinEquationSteps, kMaxEquationSteps) && InRange(p.MaxGap, kMinMaxGap, kMaxMaxGap);
}

bool IsValidDifFieldParams(const DifFieldParams& p)
{
    return ValidInterval(p.MinX, p.MaxX) && ValidInterval(p.MinY, p.MaxY) &&
           InRange(p.SeriesX, kMinSeries, kMaxSeries) && InRange(p.SeriesY, kMinSeries, kMaxSeries) &&
           InRange(p.LineLength, kMinLineLength, kMaxLineLength);
}

bool IsValidIntegralParams(const IntegralParams& p)
{
    return ValidInterval(p.MinX, p.MaxX) && InMagnitude(R(p.FirstX), kMaxMagnitude) &&
           InMagnitude(R(p.FirstY), kMaxMagnitude) && InRange(p.Steps, kMinSteps, kMaxSteps) &&
           InRange(p.MaxGap, kMinMaxGap, kMaxMaxGap);
}

bool IsValidDocumentOptions(const DocumentOptions& d)
{
    return ValidInterval(d.MinX, d.MaxX) && ValidInterval(d.MinY, d.MaxY) && NonZeroWithin(d.CoeffX, kMaxCoeff) &&
           NonZeroWithin(d.CoeffY, kMaxCoeff) && ValidLogBase(d.LogBaseX) && ValidLogBase(d.LogBaseY) &&
           ValidLogScale(d.LogX, d.MaxX, d.LogBaseX) && ValidLogScale(d.LogY, d.MaxY, d.LogBaseY) &&
           InRange(d.Steps, kMinSteps, kMaxSteps) && InRange(d.MaxGap, kMinMaxGap, kMaxMaxGap) &&
           NonZeroWithin(d.HorStep, kMaxMagnitude) && NonZeroWithin(d.VertStep, kMaxMagnitude) &&
           NonZeroWithin(d.RadialStep, kMaxMagnitude) && NonZeroWithin(d.MarksXStep, kMaxMagnitude) &&
           NonZeroWithin(d.MarksYStep, kMaxMagnitude) && NonZeroWithin(d.LabelsXStep, kMaxMagnitude) &&
           NonZeroWithin(d.LabelsYStep, kMaxMagnitude) && NonZeroWithin(d.AngularStep, 2) &&
           d.LabelsXFont.Size > 0 && d.LabelsYFont.Size > 0 && d.AxisXNameFont.Size >= 1 &&
           IsValidLineParams(d.DefaultXFromY) && IsValidLineParams(d.DefaultYFromX) &&
           IsValidLineParams(d.DefaultPolar) && IsValidLineParams(d.DefaultParam) &&
           IsValidEquationParams(d.DefaultEquation) && IsValidIntegralParams(d.DefaultIntegral) &&
           IsValidDifFieldParams(d.DefaultDifField);
}

bool IsValidGraphRecord(const GraphRecord& g)
{
    switch (g.Kind) {
    case GraphKind::YFromX: return IsValidLineParams(g.Line) && FormulaOk(g.Formula, "X");
    case GraphKind::XFromY: return IsValidLineParams(g.Line) && FormulaOk(g.Formula, "Y");
    case GraphKind::Polar: return IsValidLineParams(g.Line) && FormulaOk(g.Formula, "A");
    case GraphKind::Param:
        return IsValidLineParams(g.Param.Line) && FormulaOk(g.Formula, "T") && FormulaOk(g.Param.Formula2, "T");
    case GraphKind::Equation:
        return static_cast<uint8_t>(g.Equation.Relation) <= 2 && IsValidEquationParams(g.Equation.Params) &&
               Formula2VarOk(g.Formula);
    case GraphKind::DifField:
        return static_cast<uint8_t>(g.DifField.Direction) <= 1 && IsValidDifFieldParams(g.DifField.Params) &&
               Formula2VarOk(g.Formula);
    case GraphKind::Table: return ValidTable(g);
    default: return false;  // Integral records and unknown kinds are refused
    }
}

void NormaliseDocumentOptions(DocumentOptions& d)
{
    for (Ext80* e : {&d.MinX, &d.MaxX, &d.MinY, &d.MaxY, &d.CoeffX, &d.CoeffY, &d.HorStep, &d.VertStep,
                     &d.MarksXStep, &d.MarksYStep, &d.LabelsXStep, &d.LabelsYStep})
        RoundExt(*e);
    for (uint8_t* s : {&d.HorStyle, &d.VertStyle, &d.AxisXStyle, &d.AxisXPointer, &d.AxisYStyle, &d.AxisYPointer})
        *s = Mod(*s, 4);
    for (uint8_t* c :
         {&d.HorColor, &d.VertColor, &d.BackColor, &d.AxisXColor, &d.AxisYColor, &d.MarksXColor, &d.MarksYColor})
        *c = Mod(*c, 16);
    d.HorWidth = Mod(d.HorWidth, 6);
    d.VertWidth = Mod(d.VertWidth, 6);
    d.AxisXWidth = Mod(d.AxisXWidth, 6);
    d.AxisYWidth = Mod(d.AxisYWidth, 6);
}

void NormaliseGraphRecord(GraphRecord& g)
{
    switch (g.Kind) {
    case GraphKind::YFromX:
    case GraphKind::XFromY:
    case GraphKind::Polar:
        RoundExt(g.Line.Min);
        RoundExt(g.Line.Max);
        break;
    case GraphKind::Param:
        RoundExt(g.Param.Line.Min);
        RoundExt(g.Param.Line.Max);
        break;
    case GraphKind::Equation:
        RoundExt(g.Equation.Params.MinX);
        RoundExt(g.Equation.Params.MaxX);
        RoundExt(g.Equation.Params.MinY);
        RoundExt(g.Equation.Params.MaxY);
        break;
    case GraphKind::DifField:
    case GraphKind::Integral:
        // Both kinds hold four extended values at 286 .. 316.
        RoundExt(g.DifField.Params.MinX);
        RoundExt(g.DifField.Params.MaxX);
        RoundExt(g.DifField.Params.MinY);
        RoundExt(g.DifField.Params.MaxY);
        break;
    case GraphKind::Table:
        for (int slot = 0; slot < kTableSlots; ++slot) {
            TablePoint p = g.GetTablePoint(slot);
            g.SetTablePoint(slot, RoundForDisplay(p.X), RoundForDisplay(p.Y));
        }
        break;
    }
}

}  // namespace vg
