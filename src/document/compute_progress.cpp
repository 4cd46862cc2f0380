#include "document/compute_progress.h"

namespace vg {

ComputeProgress& NoComputeProgress()
{
    static ComputeProgress none;
    return none;
}

void ComputeProgress::ShowGraphPercent(int graphNumber, int percent)
{
    ShowStatus(0, GraphProgressText(*this, graphNumber, percent));
}

std::string GraphProgressText(const ComputeProgress& progress, int graphNumber, int percent)
{
    return progress.Translate("Graph N") + " " + std::to_string(graphNumber) + ": " +
           std::to_string(percent) + "%";
}

}  // namespace vg
