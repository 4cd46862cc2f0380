#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

#include "document/graph_model.h"
#include "engine/calculator.h"
#include "engine/stack_list.h"

namespace vg {

// A formula compiled once for a whole computation: its postfix form and a
// calculator sized for it, so evaluating allocates nothing.
class CompiledFormula {
public:
    // False on a translation error (the graph then gets no points).
    bool Compile(std::string_view text, std::string_view firstName, std::string_view secondName = {});
    // False when the formula has no value at the point.
    bool Evaluate(long double x, long double& value) noexcept
    {
        EngineError error = kEngineOk;
        value = calculator_->Calculate(postfix_, error, x);
        return error == kEngineOk;
    }
    bool Evaluate(long double x, long double y, long double& value) noexcept
    {
        EngineError error = kEngineOk;
        value = calculator_->Calculate(postfix_, error, x, y);
        return error == kEngineOk;
    }

private:
    TStackList postfix_;
    std::unique_ptr<TCalculator2Var> calculator_;
};

// The status bar, hourglass and Esc check of one graph computation: shown
// when it starts, updated whenever the whole percentage grows, restored when
// it ends (also after an interruption).
class ComputeMeter {
public:
    ComputeMeter(ComputeProgress& progress, int index);
    ~ComputeMeter();
    ComputeMeter(const ComputeMeter&) = delete;
    ComputeMeter& operator=(const ComputeMeter&) = delete;

    // Reports progress as a percentage (0..100); false when the user pressed
    // Esc.
    bool Report(long long done, long long total, int fromPercent = 0, int spanPercent = 100);

private:
    ComputeProgress& progress_;
    int graphNumber_;
    int shown_ = 0;
};

// Allocates the graph's Values block; on failure reports "Not enough memory"
// and leaves the graph without points.
bool AllocateGraphValues(ComputeProgress& progress, TFunction& graph, std::size_t bytes);

// Clears the graph's computed data.
void ClearGraphValues(TFunction& graph);

// Limit of a single Values block; a bigger request fails like exhausted
// memory. Tests lower it to reach the memory failure path.
void SetValuesAllocationLimit(std::size_t bytes);
std::size_t ValuesAllocationLimit();

}  // namespace vg
