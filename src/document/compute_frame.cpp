#include "document/compute_frame.h"

#include <cmath>
#include <new>

#include "engine/check_formula.h"

namespace vg {

namespace {
std::size_t gAllocationLimit = std::size_t(1) << 31;
}

void SetValuesAllocationLimit(std::size_t bytes) { gAllocationLimit = bytes; }
std::size_t ValuesAllocationLimit() { return gAllocationLimit; }

bool CompiledFormula::Compile(std::string_view text, std::string_view firstName,
                              std::string_view secondName)
{
    postfix_.Clear();
    calculator_.reset();
    if (CompileFormula(text, firstName, secondName, postfix_) != kEngineOk) return false;
    try {
        calculator_ = std::make_unique<TCalculator2Var>(postfix_);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

ComputeMeter::ComputeMeter(ComputeProgress& progress, int index)
    : progress_(progress), graphNumber_(index + 1)
{
    progress_.ShowGraphPercent(graphNumber_, 0);
    progress_.ShowStatus(1, progress_.Translate(kEscHintText));
    progress_.SetBusyCursor(true);
}

ComputeMeter::~ComputeMeter()
{
    progress_.ShowStatus(0, progress_.Translate(kReadyText));
    progress_.RefreshControls();
    progress_.ProcessMessages();
    progress_.SetBusyCursor(false);
}

bool ComputeMeter::Report(long long done, long long total, int fromPercent, int spanPercent)
{
    if (total <= 0) return true;
    int percent = fromPercent + static_cast<int>(std::lround(static_cast<double>(spanPercent) *
                                                             static_cast<double>(done) /
                                                             static_cast<double>(total)));
    if (percent <= shown_) return true;
    shown_ = percent;
    progress_.ShowGraphPercent(graphNumber_, percent);
    progress_.ProcessMessages();
    return !progress_.EscapePressed();
}

bool AllocateGraphValues(ComputeProgress& progress, TFunction& graph, std::size_t bytes)
{
    graph.ValuesSize = 0;
    if (bytes <= gAllocationLimit && graph.AllocateValues(bytes)) {
        graph.ValuesSize = bytes;
        return true;
    }
    graph.FreeValues();
    progress.ProcessMessages();
    progress.ShowError(kNotEnoughMemoryText);
    return false;
}

void ClearGraphValues(TFunction& graph)
{
    graph.FreeValues();
    graph.ValuesSize = 0;
}

}  // namespace vg
