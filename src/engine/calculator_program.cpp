#include "engine/calculator_program.h"

#include <algorithm>
#include <cstdlib>

#include "engine/extended_math.h"

namespace vg::program {
namespace {

// The postfix form as a tree: operands are leaves, operators and functions
// have one (right) or two children.
struct Node {
    LexCode code = 0;
    Extended value = 0;  // numbers
    int left = -1, right = -1;
    std::uint8_t variables = 0;  // bit 0: depends on x, bit 1: on y
};

// Deeper forms are left to the plain walk: the generator recurses.
constexpr int kMaxHeight = 1000;

bool BuildTree(const TStackList& postfix, std::vector<Node>& nodes, int& root)
{
    std::vector<int> open;
    std::vector<int> height;
    for (std::size_t i = postfix.Count(); i-- > 0;) {
        const Lexeme& l = postfix[i];
        Node n;
        n.code = l.Code;
        if (IsOperand(l.Code)) {
            if (l.Code == lex::Number) n.value = l.Value;
            if (l.Code == lex::Var1) n.variables = 1;
            if (l.Code == lex::Var2) n.variables = 2;
        } else if (IsBinaryOperator(l.Code)) {
            if (open.size() < 2) return false;
            n.right = open.back();
            open.pop_back();
            n.left = open.back();
            open.pop_back();
        } else {
            if (open.empty()) return false;
            n.right = open.back();
            open.pop_back();
        }
        if (n.left >= 0) n.variables |= nodes[n.left].variables;
        if (n.right >= 0) n.variables |= nodes[n.right].variables;
        const int h = 1 + std::max(n.left < 0 ? 0 : height[n.left], n.right < 0 ? 0 : height[n.right]);
        if (h > kMaxHeight) return false;
        nodes.push_back(n);
        height.push_back(h);
        open.push_back(static_cast<int>(nodes.size()) - 1);
    }
    if (open.size() != 1) return false;
    root = open.back();
    return true;
}

class Generator {
public:
    Generator(const std::vector<Node>& nodes, int root, Program& program)
        : nodes_(nodes), program_(program), allVariables_(nodes[root].variables)
    {
    }

    void Generate(int index)
    {
        const Node& n = nodes_[index];
        if (IsOperand(n.code)) {
            Emit(WithOperand(Step{}, kLoad, n));
            return;
        }
        if (n.left < 0) {
            Generate(n.right);
            Step u = Unary(n.code);
            u.recall = u.op == kFunction && Recalled(n);
            Emit(u);
            return;
        }
        const Node& left = nodes_[n.left];
        const Node& right = nodes_[n.right];
        if (IsOperand(right.code)) {
            Generate(n.left);
            OperatorOperand(n.code, right);
            Step& last = program_.steps.back();
            // A square or a lower power costs less than a look at the last result.
            if (last.op == kVariablePower || (last.op == kVariableWholePower && std::abs(last.whole) > 2)) {
                last.recall = Recalled(n);
            }
        } else if (IsOperand(left.code)) {
            Generate(n.right);
            OperandOperator(n.code, left);
        } else {
            Generate(n.left);
            Step push;
            push.op = kPush;
            Emit(push);
            if (++below_ > program_.depth) program_.depth = below_;
            Generate(n.right);
            Emit(BinaryBelow(n.code));
            --below_;
        }
    }

    void Finish()
    {
        Step end;
        end.op = kEnd;
        Emit(end);
    }

private:
    // A result that depends on fewer variables than the formula (or on none)
    // is met again while the others change: worth remembering.
    bool Recalled(const Node& n) const { return n.variables != allVariables_ && n.code != lex::Random; }

    static Step Unary(LexCode code)
    {
        Step s;
        s.code = code;
        switch (code) {
        case lex::Negate: s.op = kNegate; break;
        case lex::Not: s.op = kNot; break;
        case lex::Sqrt: s.op = kSqrt; break;
        case lex::Abs: s.op = kAbs; break;
        default: s.op = kFunction; break;
        }
        return s;
    }

    static Step BinaryBelow(LexCode code)
    {
        Step s;
        s.code = code;
        switch (code) {
        case lex::Plus: s.op = kPlusBelow; break;
        case lex::Minus: s.op = kMinusBelow; break;
        case lex::Multiply: s.op = kMultiplyBelow; break;
        case lex::Divide: s.op = kDivideBelow; break;
        case lex::Power: s.op = kPowerBelow; break;
        default: s.op = kRelateBelow; break;
        }
        return s;
    }

    Step WithOperand(Step s, std::uint8_t base, const Node& leaf)
    {
        if (leaf.code == lex::Var1) {
            s.operand = kX;
            program_.usesX = true;
        } else if (leaf.code == lex::Var2) {
            s.operand = kY;
            program_.usesY = true;
        } else if (static_cast<Extended>(static_cast<double>(leaf.value)) == leaf.value) {
            s.operand = kNumber;
            s.number = static_cast<double>(leaf.value);
        } else {
            s.operand = kExtended;
            s.value = leaf.value;
            s.splittable = kernel::Splittable(leaf.value);
            if (s.splittable) s.split = kernel::SplitOf(leaf.value);
        }
        s.op = static_cast<std::uint8_t>(base + s.operand);
        return s;
    }

    // top := top `code` leaf
    void OperatorOperand(LexCode code, const Node& leaf)
    {
        switch (code) {
        case lex::Plus: Emit(WithOperand(Step{}, kAdd, leaf)); return;
        case lex::Minus: Emit(WithOperand(Step{}, kSub, leaf)); return;
        case lex::Multiply: Emit(WithOperand(Step{}, kMul, leaf)); return;
        case lex::Divide: Emit(WithOperand(Step{}, kDiv, leaf)); return;
        default: break;
        }
        Step s = WithOperand(Step{}, 0, leaf);
        const Step previous = program_.steps.back();
        if (code == lex::Power && (previous.op == kLoad + kX || previous.op == kLoad + kY)) {
            // A variable to a power: the step replaces the variable's load.
            program_.steps.pop_back();
            s.op = kVariablePower;
            s.base = previous.operand;
            int n = 0;
            if (leaf.code == lex::Number && kernel::SmallWhole(leaf.value, n)) {
                s.op = kVariableWholePower;
                s.whole = static_cast<std::int8_t>(n);
            }
        } else if (code == lex::Power && leaf.code == lex::Number && leaf.value == 2) {
            s.op = kSquare;
        } else {
            s.op = kOperatorOperand;
            s.code = code;
        }
        Emit(s);
    }

    // top := leaf `code` top
    void OperandOperator(LexCode code, const Node& leaf)
    {
        switch (code) {
        case lex::Plus: Emit(WithOperand(Step{}, kAdd, leaf)); return;  // a + b == b + a, and the
        case lex::Multiply: Emit(WithOperand(Step{}, kMul, leaf)); return;  // cancellation is symmetric
        case lex::Minus: Emit(WithOperand(Step{}, kSubFrom, leaf)); return;
        case lex::Divide: Emit(WithOperand(Step{}, kDivInto, leaf)); return;
        default: break;
        }
        Step s = WithOperand(Step{}, 0, leaf);
        if (code == lex::Power && (s.operand == kX || s.operand == kY)) {
            s.op = kVariableToTop;
            s.base = s.operand;
        } else if (code == lex::Power && leaf.code == lex::Number && leaf.value > 0) {
            s.op = kPositiveNumberToTop;
            s.value = leaf.value;
            s.logarithm = kernel::Ln(leaf.value);
        } else {
            s.op = kOperandOperator;
            s.code = code;
        }
        Emit(s);
    }

    void Emit(const Step& s) { program_.steps.push_back(s); }

    const std::vector<Node>& nodes_;
    Program& program_;
    std::uint8_t allVariables_;
    std::int32_t below_ = 0;
};

}  // namespace

Program Compile(const TStackList& postfix)
{
    Program program;
    std::vector<Node> nodes;
    nodes.reserve(postfix.Count());
    int root = -1;
    if (!BuildTree(postfix, nodes, root)) return program;
    Generator generator(nodes, root, program);
    generator.Generate(root);
    generator.Finish();
    return program;
}

}  // namespace vg::program
