#pragma once
// TCalculator: evaluates a postfix form for given variable values. The value
// stack is sized once by the constructor; Calculate allocates nothing and
// never throws: every problem becomes error code 7 or 8.

#include <cmath>
#include <cstdint>
#include <memory>

#include <vector>

#include "engine/calculator_program.h"
#include "engine/engine_messages.h"
#include "engine/extended_math.h"
#include "engine/stack_list.h"

namespace vg {

class TCalculator {
public:
    // Sizes the value stack for `postfix`, which must outlive the calculator's
    // use of it. A list that is not a well-formed postfix form (never the
    // output of a successful Transform) evaluates to error code 8.
    explicit TCalculator(const TStackList& postfix);
    virtual ~TCalculator() = default;
    TCalculator(const TCalculator&) = delete;
    TCalculator& operator=(const TCalculator&) = delete;

    // Value of the postfix form with the first variable equal to x, passed
    // through NearZero. errorCode 0 on success, else 7 or 8 (the returned value
    // must then not be used).
    Extended Calculate(const TStackList& postfix, EngineError& errorCode, Extended x) noexcept
    {
        if (kernel::Splittable(x)) {
            variables_[0] = kernel::SplitOf(x);
            variables_[1] = {0, 0};
            return CalculateStored(postfix, errorCode);
        }
        return Evaluate(postfix, errorCode, x, 0);
    }

    // The largest number of values the form holds on the stack at once.
    std::int32_t MaxDepth = 0;

    // Natural logarithms of the last few power bases: the powers of one base
    // (X^2, X^3, ...) and constant bases (2^X) meet the same argument again
    // and again. A look-up gives exactly what kernel::Ln gives.
    // The values are kept split (see kernel::Split): an evaluation reads what
    // the one before may have just written.
    struct LogMemo {
        static constexpr int kSize = 4;
        kernel::Split arguments[kSize] = {{NAN, 0}, {NAN, 0}, {NAN, 0}, {NAN, 0}};  // NaN matches nothing
        kernel::Split logarithms[kSize] = {};
        int next = 0;
        Extended Log(Extended v) noexcept;
    };

protected:
    Extended Evaluate(const TStackList& postfix, EngineError& errorCode, Extended x,
                      Extended y) noexcept;
    // The same with both variables split (see kernel::Split) into variables_
    // by the caller: written there straight from the x87 unit, a variable
    // reaches the program without a trip through vector registers.
    Extended CalculateStored(const TStackList& postfix, EngineError& errorCode) noexcept;
    // The variables of the running evaluation, read a double at a time: a
    // wider copy would wait for both halves' stores to leave the core.
    kernel::Split variables_[2] = {};

private:
    bool Fits(const TStackList& postfix) const noexcept;
    bool Decoded(const TStackList& postfix) const noexcept;
    // The decoded program; the list must be the one it was decoded from.
    // Reads the variables from variables_.
    Extended Run(EngineError& errorCode) noexcept;
    // Any list, lexeme by lexeme (and non-finite variables, whose error must
    // come at the variable's place in the walk).
    Extended Walk(const TStackList& postfix, EngineError& errorCode, Extended x,
                  Extended y) noexcept;

    std::unique_ptr<Extended[]> Stack;
    const TStackList* sizedFor_ = nullptr;
    std::size_t sizedCount_ = 0;
    std::uint64_t decodedRevision_ = 0;  // the list's revision when the program was made
    bool wellFormed_ = false;
    LogMemo logs_;
    program::Program program_;
    // One per step (used by the powers and functions), and ln |x|, ln |y|: a
    // grid of two variables meets the same arguments again along its rows,
    // the powers of a variable its logarithm.
    std::vector<program::Recall> recalls_;
    program::Recall variableLogs_[2];
    program::Recall& RecallOf(const program::Step* s) noexcept { return recalls_[s - program_.steps.data()]; }
};

// One operation of the evaluator on ready operands: a is the left operand of
// a binary operator and is ignored by unary operators and functions. Applies
// the same limits as Calculate (magnitude 1e500, faults) but not the final
// NearZero rounding. errorCode 0, 7 or 8; the result is meaningless unless 0.
Extended ApplyOperation(LexCode code, Extended a, Extended b, EngineError& errorCode) noexcept;

class TCalculator2Var : public TCalculator {
public:
    using TCalculator::TCalculator;
    using TCalculator::Calculate;

    // Value with the first variable equal to x and the second equal to y.
    Extended Calculate(const TStackList& postfix, EngineError& errorCode, Extended x,
                       Extended y) noexcept
    {
        if (kernel::Splittable(x) && kernel::Splittable(y)) {
            variables_[0] = kernel::SplitOf(x);
            variables_[1] = kernel::SplitOf(y);
            return CalculateStored(postfix, errorCode);
        }
        return Evaluate(postfix, errorCode, x, y);
    }
};

}  // namespace vg
