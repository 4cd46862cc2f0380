#pragma once
// The evaluator's program: a postfix form decoded once, when the calculator
// is made, into steps that keep the top of the value stack in a register.
// An operand that a binary operator meets directly becomes part of that
// operator's step, and a left operand that is a number or a variable is
// taken after the right subexpression (it cannot fail and has no effect, so
// every result and error code is the one of the plain walk). Powers whose
// base is a variable or a positive number share or precompute the base's
// logarithm, which is the kernel's value in every case; a variable to a
// constant whole exponent keeps the exponent as an integer.

#include <cstdint>
#include <vector>

#include "engine/extended_math.h"
#include "engine/lexeme.h"
#include "engine/stack_list.h"

namespace vg::program {

// Where an operand comes from. The arithmetic steps have one op code per
// kind (base + kind).
inline constexpr std::uint8_t kX = 0;
inline constexpr std::uint8_t kY = 1;
inline constexpr std::uint8_t kNumber = 2;    // a constant a double holds exactly: cheaper to load
inline constexpr std::uint8_t kExtended = 3;  // any other constant

// Op codes, dense so that the evaluator's dispatch is one table jump.
inline constexpr std::uint8_t kLoad = 0;      // top := operand (the old top is dead or pushed)
inline constexpr std::uint8_t kAdd = 4;       // top := top + operand
inline constexpr std::uint8_t kSub = 8;       // top := top - operand
inline constexpr std::uint8_t kSubFrom = 12;  // top := operand - top
inline constexpr std::uint8_t kMul = 16;      // top := top * operand
inline constexpr std::uint8_t kDiv = 20;      // top := top / operand
inline constexpr std::uint8_t kDivInto = 24;  // top := operand / top
inline constexpr std::uint8_t kPush = 28;     // the top goes onto the value stack
inline constexpr std::uint8_t kEnd = 29;      // the value is the top
inline constexpr std::uint8_t kOperatorOperand = 30;      // top := top `code` operand
inline constexpr std::uint8_t kOperandOperator = 31;      // top := operand `code` top
inline constexpr std::uint8_t kVariablePower = 32;        // top := variable(base) ^ operand
inline constexpr std::uint8_t kVariableToTop = 33;        // top := variable(base) ^ top
inline constexpr std::uint8_t kPositiveNumberToTop = 34;  // top := number ^ top, logarithm precomputed
inline constexpr std::uint8_t kPlusBelow = 35;            // top := below + top (and so on)
inline constexpr std::uint8_t kMinusBelow = 36;
inline constexpr std::uint8_t kMultiplyBelow = 37;
inline constexpr std::uint8_t kDivideBelow = 38;
inline constexpr std::uint8_t kPowerBelow = 39;
inline constexpr std::uint8_t kRelateBelow = 40;  // top := below `code` top, a relation or logic
inline constexpr std::uint8_t kNegate = 41;
inline constexpr std::uint8_t kNot = 42;
inline constexpr std::uint8_t kSqrt = 43;
inline constexpr std::uint8_t kAbs = 44;
inline constexpr std::uint8_t kFunction = 45;  // top := `code`(top)
inline constexpr std::uint8_t kVariableWholePower = 46;  // top := variable(base) ^ whole, |whole| <= 64
inline constexpr std::uint8_t kSquare = 47;  // top := top ^ 2
inline constexpr std::uint8_t kOpCount = 48;

struct Step {
    Extended value = 0;  // a kExtended operand; the number of kPositiveNumberToTop
    Extended logarithm = 0;  // kPositiveNumberToTop: kernel::Ln(value)
    double number = 0;   // a kNumber operand
    kernel::Split split = {0, 0};  // a kExtended operand split, when splittable
    bool splittable = false;
    std::uint8_t op = 0;
    LexCode code = 0;         // kOperatorOperand, kOperandOperator, kRelateBelow, kFunction
    std::uint8_t operand = 0; // Operand of kOperatorOperand, kOperandOperator, kVariablePower
    std::uint8_t base = 0;    // kVariablePower, kVariableToTop, kVariableWholePower: kX or kY
    bool recall = false;      // kVariablePower, kVariableWholePower, kFunction: keep the last result (see Recall)
    std::int8_t whole = 0;    // kVariableWholePower: the exponent
};

// The last arguments and result of a step that calls kernels (or the last
// value of a variable and its logarithm). Arguments are compared by their
// split bits; a key that no split has marks it empty.
struct Recall {
    std::uint64_t key[4] = {kNoKey, kNoKey, kNoKey, kNoKey};
    kernel::Split value = {0, 0};
    std::uint8_t error = 0;
    static constexpr std::uint64_t kNoKey = 0x7ff8dead00000000ULL;  // a NaN
};

struct Program {
    std::vector<Step> steps;  // ends with kEnd; empty when the form is not well formed
    std::int32_t depth = 0;   // values the steps keep below the top at most
    bool usesX = false, usesY = false;
};

// Decodes a well-formed postfix form (measured by the calculator).
Program Compile(const TStackList& postfix);

}  // namespace vg::program
