#pragma once

// The Definite Integral window's model: the input check shared by Calculate
// and Add Graph, the composite Simpson sum of Y1(x) - Y2(x) (or of its
// absolute value) with its positive and negative parts, the result texts,
// and the shaded region between the two curves as a graph.

#include <functional>
#include <optional>
#include <string>

#include "document/document_options.h"
#include "document/graph_record.h"
#include "tools/tool_input.h"

namespace vg {

enum class IntegralField { None, Formula1, Formula2, MinX, MaxX, StepsNum };
using IntegralFailure = InputFailure<IntegralField>;

inline constexpr int kMinIntegralSteps = 10;
inline constexpr int kMaxIntegralSteps = 2000;
inline constexpr long double kMaxIntegral = 1e500L;

// The texts of the window's fields.
struct IntegralInput {
    std::string Formula1 = "0";
    std::string Formula2 = "0";
    std::string MinX;
    std::string MaxX;
    std::string StepsNum;
    bool AbsIntegrate = false;
};

// What the sum works on once the input passed.
struct IntegralTask {
    std::string Formula1;
    std::string Formula2;
    long double MinX = 0;  // read with ParseNumberText
    long double MaxX = 0;
    int StepsNum = 0;      // n: the sum has 2n subintervals
    bool AbsIntegrate = false;
};

// The checks in the window's order; the first failure, or the task.
std::optional<IntegralFailure> CheckIntegralInput(const IntegralInput& input, IntegralTask& task);

enum class IntegralStatus { Computed, Interrupted, EvaluationError, TooLarge };

struct IntegralResult {
    IntegralStatus Status = IntegralStatus::Computed;
    long double Value = 0;
    // The Simpson sum of Y1 - Y2 split by its sign: the part where Y1 lies
    // above Y2 (>= 0) and where it lies below (<= 0).
    long double Above = 0;
    long double Below = 0;
};

// The composite Simpson rule over 2n subintervals. Each term is added with
// the engine's addition, whose cancellation rule makes a sum that cancels to
// rounding noise exactly 0. A sum above +1e500 stops it (a large negative
// sum does not). escapePressed, when given, is asked after every point.
IntegralResult ComputeIntegral(const IntegralTask& task, const std::function<bool()>& escapePressed = {});

// What ResultEdit shows (translated): the number, or the message.
std::string IntegralResultText(const IntegralResult& result);
// The two lines below it: "Above: ..." and "Below: ..." (translated); empty
// unless the sum was computed.
std::string IntegralAboveText(const IntegralResult& result);
std::string IntegralBelowText(const IntegralResult& result);

inline constexpr std::size_t kMaxRegionFormulaLength = 250;

// "((Y1)-y)*((Y2)-y)", negative exactly between the two curves; a failure
// ("Too long formulas") when it has 251 characters or more.
std::optional<IntegralFailure> IntegralRegionFormula(const IntegralTask& task, std::string& formula);

// The inequality graph that shades the region over the task's interval.
GraphRecord IntegralRegionRecord(const std::string& formula, const IntegralTask& task,
                                 const DocumentOptions& options);

}  // namespace vg
