// Typed fields of the three tool dialogs: the bytes, split at line breaks,
// fill formula, second formula or variable, minimum, maximum, steps or step,
// and decimals. Every check must answer with a message or accept; accepted
// input is computed (on at most 400 steps, to keep runs short).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/function_analysis.h"
#include "tools/intersections.h"
#include "tools/tool_text.h"
#include "tools/value_table.h"

namespace {

std::vector<std::string> Fields(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> fields(7);
    std::size_t field = 0;
    for (std::size_t i = 0; i < size && field < fields.size(); ++i) {
        if (data[i] == '\n') {
            ++field;
        } else {
            fields[field] += static_cast<char>(data[i]);
        }
    }
    return fields;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::string> f = Fields(data, size);
    const bool zeros = size % 2 == 0, derivative = size % 3 == 0;

    vg::AnalysisInput analysis{f[0], f[3], f[4], f[5], f[6], zeros, true, derivative};
    vg::AnalysisSettings settings;
    if (auto refusal = vg::CheckAnalysisInput(analysis, settings)) {
        vg::InputFailureText(*refusal);
    } else {
        settings.StepsNum = std::min(settings.StepsNum, 400);
        vg::TFunctionAnalysis run(f[0], settings);
        run.Run();
        run.ResultsText(vg::kCrLf);
    }

    vg::IntersectionInput intersection{f[0], f[1], f[3], f[4], f[5], f[6]};
    vg::ScanInterval interval;
    if (auto refusal = vg::CheckIntersectionInput(intersection, interval)) {
        vg::InputFailureText(*refusal);
    } else {
        interval.StepsNum = std::min(interval.StepsNum, 400);
        vg::TIntersections run(f[0], f[1], interval);
        run.Run();
        run.ResultsText(true, vg::kCrLf);
    }

    vg::ValueTableInput table{f[2], f[0], f[3], f[4], f[5]};
    vg::ValueTableSettings bounds;
    if (auto refusal = vg::CheckValueTableInput(table, bounds)) {
        vg::InputFailureText(*refusal);
    } else {
        vg::TValueTable run;
        run.Compute(f[0], f[2], bounds);
        run.TableText(vg::kCrLf);
    }
    return 0;
}
