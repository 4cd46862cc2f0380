#include "document/graph_model.h"

#include "document/compute_pass.h"

#include <cassert>
#include <cstring>
#include <new>

#include "document/effective_params.h"
#include "engine/check_formula.h"
#include "engine/lexer.h"
#include "engine/number_text.h"

namespace vg {

// ---------------------------------------------------------------- TFunction

TFunction::TFunction(TGraphicsManager* owner) : Owner(owner)
{
    std::memset(&Record, 0, sizeof Record);
}

void TFunction::FreeValues()
{
    Values_.reset();
}

bool TFunction::AllocateValues(std::size_t bytes)
{
    Values_.reset(new (std::nothrow) uint8_t[bytes == 0 ? 1 : bytes]());
    return Values_ != nullptr;
}

long double TFunction::GetValue(std::size_t i) const
{
    assert(i >= 1 && 10 * i <= ValuesSize);
    Ext80 e;
    std::memcpy(e.bytes, Values_.get() + 10 * (i - 1), 10);
    return e.Get();
}

void TFunction::SetValue(std::size_t i, long double v)
{
    assert(i >= 1 && 10 * i <= ValuesSize);
    Ext80 e = Ext80::From(v);
    std::memcpy(Values_.get() + 10 * (i - 1), e.bytes, 10);
}

std::size_t TFunction::RowLength() const
{
    switch (Record.Kind) {
    case GraphKind::Polar:
    case GraphKind::Param:
    case GraphKind::Table: return 2;
    case GraphKind::DifField:
        return Record.DifField.Params.SeriesY > 0 ? static_cast<std::size_t>(Record.DifField.Params.SeriesY)
                                                  : 1;
    case GraphKind::Equation:
        return Record.Equation.Relation == EquationRelation::Zero ? 4 : 1;
    default: return 1;
    }
}

long double TFunction::GetCell(std::size_t row, std::size_t column) const
{
    return GetValue(column + (row - 1) * RowLength());
}

void TFunction::SetCell(std::size_t row, std::size_t column, long double v)
{
    SetValue(column + (row - 1) * RowLength(), v);
}

uint16_t TFunction::GetWord(std::size_t i) const
{
    assert(i >= 1 && 2 * i <= ValuesSize);
    uint16_t w;
    std::memcpy(&w, Values_.get() + 2 * (i - 1), 2);
    return w;
}

void TFunction::SetWord(std::size_t i, uint16_t w)
{
    assert(i >= 1 && 2 * i <= ValuesSize);
    std::memcpy(Values_.get() + 2 * (i - 1), &w, 2);
}

bool TFunction::IsEmpty() const
{
    switch (Record.Kind) {
    case GraphKind::Table: return false;
    case GraphKind::Param:
        return IsBlankFormula(Record.Formula.View()) || IsBlankFormula(Record.Param.Formula2.View());
    default: return IsBlankFormula(Record.Formula.View());
    }
}

long double TFunction::EffectiveMinX(const DocumentOptions& d) const { return vg::EffectiveMinX(Record, d); }
long double TFunction::EffectiveMaxX(const DocumentOptions& d) const { return vg::EffectiveMaxX(Record, d); }
long double TFunction::EffectiveMinY(const DocumentOptions& d) const { return vg::EffectiveMinY(Record, d); }
long double TFunction::EffectiveMaxY(const DocumentOptions& d) const { return vg::EffectiveMaxY(Record, d); }
int32_t TFunction::EffectiveSteps(const DocumentOptions& d) const { return vg::EffectiveSteps(Record, d); }
int32_t TFunction::EffectiveMaxGap(const DocumentOptions& d) const { return vg::EffectiveMaxGap(Record, d); }

// ------------------------------------------------------- descriptions

namespace {

std::string DirectionPrefix(FieldDirection direction)
{
    return direction == FieldDirection::DxDy ? "dx/dy=" : "dy/dx=";
}

std::string RelationText(EquationRelation relation)
{
    switch (relation) {
    case EquationRelation::Less: return "<0";
    case EquationRelation::Greater: return ">0";
    default: return "=0";
    }
}

std::string Tr(const TextTranslation& translate, const std::string& text)
{
    return translate ? translate(text) : text;
}

}  // namespace

int CountTablePoints(const GraphRecord& record)
{
    int n = 0;
    for (int slot = 0; slot < kTableSlots; ++slot) {
        TablePoint p = record.GetTablePoint(slot);
        long double x = p.X, y = p.Y;
        if (!IsDefined(x) || !IsDefined(y)) continue;
        if (IsDefined(RoundToDisplay(x)) && IsDefined(RoundToDisplay(y))) ++n;
    }
    return n;
}

std::string GraphDescription(const GraphRecord& r, const TextTranslation& translate)
{
    switch (r.Kind) {
    case GraphKind::YFromX: return "Y(x)=" + r.Formula.Str();
    case GraphKind::XFromY: return "X(y)=" + r.Formula.Str();
    case GraphKind::Polar: return "R(a)=" + r.Formula.Str();
    case GraphKind::Param: return "X(t)=" + r.Formula.Str() + "; Y(t)=" + r.Param.Formula2.Str();
    case GraphKind::Equation: return r.Formula.Str() + RelationText(r.Equation.Relation);
    case GraphKind::DifField: return DirectionPrefix(r.DifField.Direction) + r.Formula.Str();
    case GraphKind::Integral: return DirectionPrefix(r.Integral.Direction) + r.Formula.Str();
    case GraphKind::Table: {
        int n = CountTablePoints(r);
        return Tr(translate, "Table:") + " " + std::to_string(n) + " " +
               Tr(translate, n == 1 ? "item" : "items");
    }
    }
    return r.Formula.Str();
}

// ------------------------------------------------------- data can stay

namespace {

bool SameFormula(const ShortString<255>& a, const ShortString<255>& b)
{
    return UpperCaseCopy(RemoveSpaces(a.View())) == UpperCaseCopy(RemoveSpaces(b.View()));
}

bool SameExt(const Ext80& a, const Ext80& b)
{
    return std::memcmp(a.bytes, b.bytes, 10) == 0;
}

bool SameEffectiveX(const GraphRecord& a, const GraphRecord& b, const DocumentOptions& d)
{
    return EffectiveMinX(a, d) == EffectiveMinX(b, d) && EffectiveMaxX(a, d) == EffectiveMaxX(b, d);
}

bool SameEffectiveY(const GraphRecord& a, const GraphRecord& b, const DocumentOptions& d)
{
    return EffectiveMinY(a, d) == EffectiveMinY(b, d) && EffectiveMaxY(a, d) == EffectiveMaxY(b, d);
}

bool SameTableData(const GraphRecord& a, const GraphRecord& b)
{
    const auto* pa = reinterpret_cast<const uint8_t*>(&a) + kTablePointsOffset;
    const auto* pb = reinterpret_cast<const uint8_t*>(&b) + kTablePointsOffset;
    TableFlags fa = a.GetTableFlags(), fb = b.GetTableFlags();
    return std::memcmp(pa, pb, kTableSlots * sizeof(TablePoint)) == 0 && fa.Sort() == fb.Sort() &&
           fa.Smoothing() == fb.Smoothing();
}

}  // namespace

bool ComputedDataCanStay(const GraphRecord& a, const GraphRecord& b, const DocumentOptions& d)
{
    if (a.Kind != b.Kind) return false;
    if (a.Kind == GraphKind::Table) return SameTableData(a, b);
    if (!SameFormula(a.Formula, b.Formula)) return false;
    bool sameSteps = EffectiveSteps(a, d) == EffectiveSteps(b, d);
    switch (a.Kind) {
    case GraphKind::YFromX: return sameSteps && SameEffectiveX(a, b, d);
    case GraphKind::XFromY: return sameSteps && SameEffectiveY(a, b, d);
    case GraphKind::Polar:
        return sameSteps && SameExt(a.Line.Min, b.Line.Min) && SameExt(a.Line.Max, b.Line.Max);
    case GraphKind::Param:
        return sameSteps && SameFormula(a.Param.Formula2, b.Param.Formula2) &&
               SameExt(a.Param.Line.Min, b.Param.Line.Min) && SameExt(a.Param.Line.Max, b.Param.Line.Max);
    case GraphKind::Equation:
        return a.Equation.Relation == b.Equation.Relation &&
               a.Equation.Params.StepsX == b.Equation.Params.StepsX &&
               a.Equation.Params.StepsY == b.Equation.Params.StepsY && SameEffectiveX(a, b, d) &&
               SameEffectiveY(a, b, d);
    case GraphKind::DifField:
        return a.DifField.Params.SeriesX == b.DifField.Params.SeriesX &&
               a.DifField.Params.SeriesY == b.DifField.Params.SeriesY && SameEffectiveX(a, b, d) &&
               SameEffectiveY(a, b, d);
    case GraphKind::Integral:
        return std::memcmp(a.KindPart, b.KindPart, sizeof a.KindPart) == 0;
    default: return false;
    }
}

// ------------------------------------------------------- new graph colour

uint8_t ChooseNewGraphColor(const TGraphicsManager& document, const DocumentOptions& options)
{
    constexpr int kColors = 16;
    int used[kColors] = {};
    for (const auto& graph : document.Graphs) ++used[graph->Record.ColorIndex()];
    const int background = options.BackColor % kColors;
    const int preferred = options.DefaultStyle.Color % kColors;
    int best = -1;
    for (int k = 1; k <= kColors; ++k) {
        const int color = k % kColors;  // 1, 2, ..., 15, then 0
        if (color == background) continue;
        if (best < 0 || used[color] < used[best] || (used[color] == used[best] && color == preferred))
            best = color;
    }
    return static_cast<uint8_t>(best);
}

// ------------------------------------------------------- TGraphicsManager

TGraphicsManager::TGraphicsManager(const ViewSettings& view, const DocumentOptions& options)
    : Options(options), View(view)
{
}

TGraphicsManager::~TGraphicsManager()
{
    ClearGraphs();
}

TFunction& TGraphicsManager::AddGraph(const GraphRecord& record)
{
    return InsertGraph(record, GraphCount());
}

TFunction& TGraphicsManager::InsertGraph(const GraphRecord& record, int index)
{
    auto graph = std::make_unique<TFunction>(this);
    graph->Record = record;
    if (index < 0) index = 0;
    if (index > GraphCount()) index = GraphCount();
    auto it = Graphs.insert(Graphs.begin() + index, std::move(graph));
    return **it;
}

void TGraphicsManager::ClearGraphs()
{
    Graphs.clear();
}

int TGraphicsManager::IndexOf(const TFunction& graph) const
{
    for (int i = 0; i < GraphCount(); ++i)
        if (Graphs[static_cast<std::size_t>(i)].get() == &graph) return i;
    return -1;
}

void TGraphicsManager::ComputeAllGraphs()
{
    Calculating = true;
    Window().DrawWithoutGraphs();
    ContinueCalculation = true;
    ComputeGraphPass(*this, Options, std::vector<PassStep>(Graphs.size(), PassStep::Compute));
    Calculating = false;
    Window().Repaint();
}

bool TGraphicsManager::ChangeGraphRecord(int index, const GraphRecord& record)
{
    TFunction& graph = Graph(index);
    GraphRecord old = graph.Record;
    if (!SameBytes(old, record)) {
        Modified = true;
        UndoHook().RecordGraphChange(index, old);
    }
    graph.Record = record;
    if (ComputedDataCanStay(old, record, Options)) return false;
    graph.FreeValues();
    graph.ValuesSize = 0;
    Calculating = true;
    ContinueCalculation = true;
    Window().DrawWithoutGraphs();
    ContinueCalculation = ComputeGraph(graph, Options, index);
    Calculating = false;
    Window().Repaint();
    return true;
}

}  // namespace vg
