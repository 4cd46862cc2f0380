#include "document/compute_progress.h"

namespace vg {

ComputeProgress& NoComputeProgress()
{
    static ComputeProgress none;
    return none;
}

std::string GraphProgressText(const ComputeProgress& progress, int graphNumber, int percent)
{
    return progress.Translate("Graph N") + " " + std::to_string(graphNumber) + ": " +
           std::to_string(percent) + "%";
}

}  // namespace vg
