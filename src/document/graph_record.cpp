#include "document/graph_record.h"

#include <algorithm>
#include <cstring>

namespace vg {

namespace {

uint8_t* SlotAddress(GraphRecord& r, int slot)
{
    return reinterpret_cast<uint8_t*>(&r) + kTablePointsOffset + sizeof(TablePoint) * slot;
}
const uint8_t* SlotAddress(const GraphRecord& r, int slot)
{
    return reinterpret_cast<const uint8_t*>(&r) + kTablePointsOffset + sizeof(TablePoint) * slot;
}

}  // namespace

TablePoint GraphRecord::GetTablePoint(int slot) const
{
    TablePoint p;
    std::memcpy(&p, SlotAddress(*this, slot), sizeof p);
    return p;
}

void GraphRecord::SetTablePoint(int slot, const TablePoint& p)
{
    std::memcpy(SlotAddress(*this, slot), &p, sizeof p);
}

void GraphRecord::SetTablePoint(int slot, long double x, long double y)
{
    SetTablePoint(slot, TablePoint{Ext80::From(x), Ext80::From(y)});
}

TableFlags GraphRecord::GetTableFlags() const
{
    return TableFlags{KindPart[kTableFlagsOffset - kKindPartOffset]};
}

void GraphRecord::SetTableFlags(TableFlags flags)
{
    KindPart[kTableFlagsOffset - kKindPartOffset] = flags.Value;
}

GraphStyle GraphRecord::GetStyle() const
{
    GraphStyle s;
    std::memcpy(&s, &Lines, sizeof s);
    return s;
}

void GraphRecord::SetStyle(const GraphStyle& style)
{
    std::memcpy(&Lines, &style, sizeof style);
}

int GraphRecord::LineWidth() const
{
    return std::clamp(static_cast<int>(LineStyleWidth & 15), 1, 5);
}

int GraphRecord::PointSizePixels() const
{
    int64_t index = std::clamp<int64_t>((static_cast<int64_t>(PointSize) - 1) / 2, 0, 5);
    return static_cast<int>(2 * index + 1);
}

const char* GraphKindText(GraphKind kind)
{
    switch (kind) {
    case GraphKind::YFromX: return "Y(x)";
    case GraphKind::XFromY: return "X(y)";
    case GraphKind::Polar: return "R(a) - polar coordinate system";
    case GraphKind::Param: return "X(t) and Y(t) - parametrical equations";
    case GraphKind::Equation: return "f(x,y)>|=|<0 - equation or inequality";
    case GraphKind::DifField: return "dy/dx or dx/dy - slope field";
    case GraphKind::Table: return "Table";
    case GraphKind::Integral: return "Integral";
    }
    return "";
}

bool IsKnownKind(GraphKind kind)
{
    return static_cast<uint8_t>(kind) <= static_cast<uint8_t>(GraphKind::Integral);
}

}  // namespace vg
