#include "app/ui/typed_spin_box.h"

#include <algorithm>

namespace vg {

namespace {
// Wide enough for any value a file or a user brings, short of the int range
// that the box's own arithmetic needs room beyond.
constexpr int kTypedLimit = 999999999;
}  // namespace

TTypedSpinBox::TTypedSpinBox(int lowest, int highest, QWidget* parent)
    : QSpinBox(parent), lowest_(lowest), highest_(highest)
{
    setRange(-kTypedLimit, kTypedLimit);
    setValue(lowest);
}

void TTypedSpinBox::stepBy(int steps)
{
    const long long next = static_cast<long long>(value()) + static_cast<long long>(steps) * singleStep();
    setValue(static_cast<int>(std::clamp<long long>(next, lowest_, highest_)));
    selectAll();
}

QAbstractSpinBox::StepEnabled TTypedSpinBox::stepEnabled() const
{
    StepEnabled enabled = StepNone;
    if (value() < highest_) enabled |= StepUpEnabled;
    if (value() > lowest_) enabled |= StepDownEnabled;
    return enabled;
}

}  // namespace vg
