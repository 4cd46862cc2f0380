#include "engine/derivative.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

#include "engine/calculator.h"
#include "engine/check_formula.h"
#include "engine/derivative_text.h"
#include "engine/transformator.h"

namespace vg {
namespace {

bool IsDifferentiableCode(LexCode code)
{
    switch (code) {
    case lex::Number:
    case lex::Var1:
    case lex::Negate:
    case lex::Power:
    case lex::Minus:
    case lex::Plus:
    case lex::Multiply:
    case lex::Divide:
    case lex::Sin:
    case lex::Cos:
    case lex::Sqrt:
    case lex::Atan:
    case lex::Exp:
    case lex::Ln:
    case lex::Lg:
    case lex::Tan:
    case lex::Cot:
    case lex::Asin:
    case lex::Acos:
    case lex::Sinh:
    case lex::Cosh:
    case lex::Tanh:
    case lex::Coth:
    case lex::Asinh:
    case lex::Acosh:
    case lex::Atanh:
    case lex::Acoth: return true;
    default: return false;
    }
}

// Produces the derivative token sequence with an explicit work stack: each
// rule schedules its tokens, the prints P(e) of subtrees and the
// derivatives D(e) of subtrees in output order, so no rule recurses.
class DerivativeWriter {
public:
    TokenSequence Write(const ExprNode& root)
    {
        pending_.push_back(D(root));
        while (!pending_.empty()) {
            const Item item = pending_.back();
            pending_.pop_back();
            switch (item.kind) {
            case Item::kToken: out_.Push(item.code, item.value); break;
            case Item::kPrint: out_.Append(PrintTree(*item.node)); break;
            case Item::kDerive: ScheduleRule(*item.node); break;
            }
        }
        return std::move(out_);
    }

private:
    struct Item {
        enum Kind : std::uint8_t { kToken, kPrint, kDerive } kind;
        LexCode code;
        Extended value;
        const ExprNode* node;
    };

    static Item T(LexCode code) { return {Item::kToken, code, 0, nullptr}; }
    static Item N(Extended value) { return {Item::kToken, lex::Number, value, nullptr}; }
    static Item P(const ExprNode& e) { return {Item::kPrint, 0, 0, &e}; }
    static Item D(const ExprNode& e) { return {Item::kDerive, 0, 0, &e}; }
    static constexpr LexCode L = lex::LeftParen;
    static constexpr LexCode R = lex::RightParen;

    void Schedule(std::initializer_list<Item> items)
    {
        for (auto it = items.end(); it != items.begin();) pending_.push_back(*--it);
    }

    // ( [-] 1 / fn ( P(u) ) ^ 2 * D(u) )
    void ReciprocalSquare(LexCode fn, bool negated, const ExprNode& u)
    {
        if (negated) {
            Schedule({T(L), T(lex::Negate), N(1), T(lex::Divide), T(fn), T(L), P(u), T(R),
                      T(lex::Power), N(2), T(lex::Multiply), D(u), T(R)});
        } else {
            Schedule({T(L), N(1), T(lex::Divide), T(fn), T(L), P(u), T(R), T(lex::Power), N(2),
                      T(lex::Multiply), D(u), T(R)});
        }
    }

    // ( [-] 1 / sqrt ( 1 - P(u) ^ 2 ) * D(u) )
    void ArcSineLike(bool negated, const ExprNode& u)
    {
        if (negated) {
            Schedule({T(L), T(lex::Negate), N(1), T(lex::Divide), T(lex::Sqrt), T(L), N(1),
                      T(lex::Minus), P(u), T(lex::Power), N(2), T(R), T(lex::Multiply), D(u),
                      T(R)});
        } else {
            Schedule({T(L), N(1), T(lex::Divide), T(lex::Sqrt), T(L), N(1), T(lex::Minus), P(u),
                      T(lex::Power), N(2), T(R), T(lex::Multiply), D(u), T(R)});
        }
    }

    // ( fn ( P(u) ) * D(u) )
    void Chain(LexCode fn, const ExprNode& u)
    {
        Schedule({T(L), T(fn), T(L), P(u), T(R), T(lex::Multiply), D(u), T(R)});
    }

    void SchedulePower(const ExprNode& e)
    {
        const ExprNode& a = *e.Left;
        const ExprNode& b = *e.Right;
        if (a.IsNumber()) {
            Schedule({T(L), P(e), T(lex::Multiply), T(lex::Ln), T(L), P(a), T(R), T(lex::Multiply),
                      D(b), T(R)});
        } else if (b.IsNumber()) {
            const Extended c = b.Value;
            Schedule({T(L), N(c), T(lex::Multiply), P(a), T(lex::Power), N(c - 1),
                      T(lex::Multiply), D(a), T(R)});
        } else {
            Schedule({T(L), P(e), T(lex::Multiply), T(L), P(b), T(lex::Divide), P(a),
                      T(lex::Multiply), D(a), T(lex::Plus), D(b), T(lex::Multiply), T(lex::Ln),
                      T(L), P(a), T(R), T(R), T(R)});
        }
    }

    void ScheduleRule(const ExprNode& e)
    {
        const ExprNode* u = e.Right.get();
        switch (e.Code) {
        case lex::Number: Schedule({N(0)}); break;
        case lex::Var1: Schedule({N(1)}); break;
        case lex::Negate: Schedule({T(L), T(lex::Negate), D(*u), T(R)}); break;
        case lex::Plus:
        case lex::Minus: Schedule({T(L), D(*e.Left), T(e.Code), D(*u), T(R)}); break;
        case lex::Multiply:
            Schedule({T(L), D(*e.Left), T(lex::Multiply), P(*u), T(lex::Plus), P(*e.Left),
                      T(lex::Multiply), D(*u), T(R)});
            break;
        case lex::Divide:
            Schedule({T(L), T(L), D(*e.Left), T(lex::Multiply), P(*u), T(lex::Minus), P(*e.Left),
                      T(lex::Multiply), D(*u), T(R), T(lex::Divide), P(*u), T(lex::Power), N(2),
                      T(R)});
            break;
        case lex::Power: SchedulePower(e); break;
        case lex::Exp: Schedule({T(L), P(e), T(lex::Multiply), D(*u), T(R)}); break;
        case lex::Sin: Chain(lex::Cos, *u); break;
        case lex::Cos:
            Schedule({T(L), T(lex::Negate), T(lex::Sin), T(L), P(*u), T(R), T(lex::Multiply),
                      D(*u), T(R)});
            break;
        case lex::Tan: ReciprocalSquare(lex::Cos, false, *u); break;
        case lex::Cot: ReciprocalSquare(lex::Sin, true, *u); break;
        case lex::Asin: ArcSineLike(false, *u); break;
        case lex::Acos: ArcSineLike(true, *u); break;
        case lex::Atan:
            Schedule({T(L), N(1), T(lex::Divide), T(L), N(1), T(lex::Plus), P(*u), T(lex::Power),
                      N(2), T(R), T(lex::Multiply), D(*u), T(R)});
            break;
        case lex::Sinh: Chain(lex::Cosh, *u); break;
        case lex::Cosh: Chain(lex::Sinh, *u); break;
        case lex::Tanh: ReciprocalSquare(lex::Cosh, false, *u); break;
        case lex::Coth: ReciprocalSquare(lex::Sinh, true, *u); break;
        case lex::Asinh:
        case lex::Acosh:
            Schedule({T(L), N(1), T(lex::Divide), T(lex::Sqrt), T(L), P(*u), T(lex::Power), N(2),
                      T(e.Code == lex::Asinh ? lex::Plus : lex::Minus), N(1), T(R),
                      T(lex::Multiply), D(*u), T(R)});
            break;
        case lex::Atanh:
        case lex::Acoth:
            Schedule({T(L), N(1), T(lex::Divide), T(L), N(1), T(lex::Minus), P(*u), T(lex::Power),
                      N(2), T(R), T(lex::Multiply), D(*u), T(R)});
            break;
        case lex::Ln:
            Schedule({T(L), N(1), T(lex::Divide), P(*u), T(lex::Multiply), D(*u), T(R)});
            break;
        case lex::Lg:
            Schedule({T(L), N(1), T(lex::Divide), T(L), P(*u), T(lex::Multiply), T(lex::Ln), T(L),
                      N(10), T(R), T(R), T(lex::Multiply), D(*u), T(R)});
            break;
        case lex::Sqrt:
            Schedule({T(L), N(1), T(lex::Divide), T(L), N(2), T(lex::Multiply), P(e), T(R),
                      T(lex::Multiply), D(*u), T(R)});
            break;
        default: Schedule({N(0)}); break;  // never reached: callers check IsDifferentiable
        }
    }

    std::vector<Item> pending_;
    TokenSequence out_;
};

ExprTree NumberLeaf(Extended value) { return std::make_unique<ExprNode>(lex::Number, value); }

ExprTree Negated(ExprTree argument)
{
    return std::make_unique<ExprNode>(lex::Negate, nullptr, std::move(argument));
}

// Replaces the node by one of its own subtrees.
void ReplaceBy(ExprTree& slot, ExprTree& part)
{
    ExprTree kept = std::move(part);
    slot = std::move(kept);
}

// Folds a node whose operands are numbers; false (node unchanged) when the
// evaluator's operation reports an error.
bool Fold(ExprTree& slot)
{
    const ExprNode& n = *slot;
    EngineError error = kEngineOk;
    const Extended a = n.Left ? n.Left->Value : 0;
    const Extended value = ApplyOperation(n.Code, a, n.Right->Value, error);
    if (error != kEngineOk) return false;
    slot = NumberLeaf(value);
    return true;
}

void SimplifyProduct(ExprTree& slot)
{
    ExprNode& n = *slot;
    const ExprNode& a = *n.Left;
    const ExprNode& b = *n.Right;
    if (a.IsNumber() && b.IsNumber() && Fold(slot)) return;
    if ((a.IsNumber(0) && !b.IsNumber()) || (b.IsNumber(0) && !a.IsNumber())) {
        slot = NumberLeaf(0);
    } else if (a.IsNumber(1)) {
        ReplaceBy(slot, n.Right);
    } else if (b.IsNumber(1)) {
        ReplaceBy(slot, n.Left);
    } else if (a.IsNumber(-1)) {
        slot = Negated(std::move(n.Right));
    } else if (b.IsNumber(-1)) {
        slot = Negated(std::move(n.Left));
    }
}

void SimplifyQuotient(ExprTree& slot)
{
    ExprNode& n = *slot;
    const ExprNode& a = *n.Left;
    const ExprNode& b = *n.Right;
    if (a.IsNumber() && b.IsNumber() && Fold(slot)) return;
    if (b.IsNumber(1)) {
        ReplaceBy(slot, n.Left);
    } else if (a.IsNumber(0) && !b.IsNumber()) {
        slot = NumberLeaf(0);
    }
}

void SimplifySum(ExprTree& slot)
{
    ExprNode& n = *slot;
    const ExprNode& a = *n.Left;
    const ExprNode& b = *n.Right;
    if (a.IsNumber() && b.IsNumber() && Fold(slot)) return;
    if (b.IsNumber(0)) {
        ReplaceBy(slot, n.Left);
    } else if (a.IsNumber(0)) {
        ReplaceBy(slot, n.Right);
    } else if (b.Code == lex::Negate) {
        slot = std::make_unique<ExprNode>(lex::Minus, std::move(n.Left), std::move(n.Right->Right));
    }
}

void SimplifyDifference(ExprTree& slot)
{
    ExprNode& n = *slot;
    const ExprNode& a = *n.Left;
    const ExprNode& b = *n.Right;
    if (a.IsNumber() && b.IsNumber() && Fold(slot)) return;
    if (b.IsNumber(0)) {
        ReplaceBy(slot, n.Left);
    } else if (a.IsNumber(0)) {
        if (b.Code == lex::Negate) {
            ReplaceBy(slot, n.Right->Right);
        } else {
            slot = Negated(std::move(n.Right));
        }
    } else if (b.Code == lex::Negate) {
        slot = std::make_unique<ExprNode>(lex::Plus, std::move(n.Left), std::move(n.Right->Right));
    }
}

void SimplifyPower(ExprTree& slot)
{
    ExprNode& n = *slot;
    const ExprNode& a = *n.Left;
    const ExprNode& b = *n.Right;
    if (a.IsNumber() && b.IsNumber() && Fold(slot)) return;
    if (b.IsNumber(0)) {
        slot = NumberLeaf(1);
    } else if (b.IsNumber(1)) {
        ReplaceBy(slot, n.Left);
    }
}

void SimplifyNegation(ExprTree& slot)
{
    ExprNode& n = *slot;
    if (n.Right->IsNumber()) {
        Fold(slot);
    } else if (n.Right->Code == lex::Negate) {
        ReplaceBy(slot, n.Right->Right);
    }
}

void SimplifyNode(ExprTree& slot)
{
    switch (slot->Code) {
    case lex::Multiply: SimplifyProduct(slot); break;
    case lex::Divide: SimplifyQuotient(slot); break;
    case lex::Plus: SimplifySum(slot); break;
    case lex::Minus: SimplifyDifference(slot); break;
    case lex::Power: SimplifyPower(slot); break;
    case lex::Negate: SimplifyNegation(slot); break;
    default:
        if (IsFunction(slot->Code) && slot->Right->IsNumber()) Fold(slot);
        break;
    }
}

// Compiles the formula with its variable and builds its tree.
EngineError CompileTree(std::string_view formula, std::string_view varName, ExprTree& tree)
{
    TStackList postfix;
    const EngineError error = CompileFormula(formula, varName, std::string_view(), postfix);
    if (error != kEngineOk) return error;
    tree = BuildExprTree(postfix);
    // A successful translation always forms one expression; stay safe anyway.
    return tree ? kEngineOk : kErrDiscordance;
}

// The derivative of a differentiable tree: derived, read again with the
// evaluator's precedence, simplified, printed and stripped of redundant
// parentheses. False only if the derived tokens failed to read back.
bool SimplifiedDerivative(const ExprNode& root, TokenSequence& tokens)
{
    TStackList infix;
    infix.Push(lex::LeftParen);
    const TokenSequence derived = DeriveTokens(root);
    for (const TokenNode* t = derived.First(); t; t = t->Next.get()) infix.Push(t->Code, t->Value);
    infix.Push(lex::RightParen);
    EngineError error = kEngineOk;
    const TStackList postfix = TExpTransformator().Transform(std::move(infix), error);
    if (error != kEngineOk) return false;
    ExprTree tree = BuildExprTree(postfix);
    if (!tree) return false;
    SimplifyTree(tree);
    tokens = PrintTree(*tree);
    RemoveRedundantParentheses(tokens);
    return true;
}

// Shared part of both entry points: false with notDifferentiable or
// errorCode set when there is no derivative.
bool DerivativeOf(std::string_view formula, std::string_view varName, TokenSequence& tokens,
                  bool& notDifferentiable, EngineError& errorCode)
{
    ExprTree tree;
    errorCode = CompileTree(formula, varName, tree);
    if (errorCode != kEngineOk) return false;
    if (!IsDifferentiable(*tree) || !SimplifiedDerivative(*tree, tokens)) {
        notDifferentiable = true;
        return false;
    }
    return true;
}

}  // namespace

bool IsDifferentiable(const ExprNode& root)
{
    bool all = true;
    VisitPostOrder(root, [&](const ExprNode& n) {
        if (!IsDifferentiableCode(n.Code)) all = false;
    });
    return all;
}

int MeasureDepth(const ExprNode& root)
{
    // Children are visited before their parent, so their measures are on top
    // of the value stack when the parent comes.
    std::vector<int> measures;
    VisitPostOrder(root, [&](const ExprNode& n) {
        int deepest = 0;
        const int children = (n.Left ? 1 : 0) + (n.Right ? 1 : 0);
        for (int i = 0; i < children; ++i) {
            deepest = std::max(deepest, measures.back());
            measures.pop_back();
        }
        const bool addsNoDepth =
            n.Code == lex::Negate || n.Code == lex::Plus || n.Code == lex::Minus;
        measures.push_back(addsNoDepth ? deepest : deepest + 1);
    });
    return measures.back();
}

TokenSequence DeriveTokens(const ExprNode& root) { return DerivativeWriter().Write(root); }

void SimplifyTree(ExprTree& root)
{
    struct Step {
        ExprTree* slot;
        bool childrenDone;
    };
    std::vector<Step> pending{{&root, false}};
    while (!pending.empty()) {
        const Step step = pending.back();
        pending.pop_back();
        ExprTree& slot = *step.slot;
        if (!slot) continue;
        if (step.childrenDone) {
            if (slot->Right) SimplifyNode(slot);
            continue;
        }
        pending.push_back({step.slot, true});
        if (slot->Right) pending.push_back({&slot->Right, false});
        if (slot->Left) pending.push_back({&slot->Left, false});
    }
}

void GetDerivativeText(std::string_view formula, std::string_view varName,
                       EngineError& errorCode, std::string& text, bool& notDifferentiable)
{
    errorCode = kEngineOk;
    notDifferentiable = false;
    if (IsBlankFormula(formula)) return;
    TokenSequence tokens;
    if (DerivativeOf(formula, varName, tokens, notDifferentiable, errorCode)) {
        text = TokensText(tokens, varName);
    } else if (notDifferentiable) {
        text.clear();
    }
}

void GetDerivativeLexemes(std::string_view formula, std::string_view varName,
                          TStackList& lexemes, bool& notDifferentiable, EngineError& errorCode)
{
    errorCode = kEngineOk;
    notDifferentiable = false;
    lexemes.Clear();
    if (IsBlankFormula(formula)) return;
    TokenSequence tokens;
    if (!DerivativeOf(formula, varName, tokens, notDifferentiable, errorCode)) return;
    lexemes.Push(lex::LeftParen);
    for (const TokenNode* t = tokens.First(); t; t = t->Next.get()) lexemes.Push(t->Code, t->Value);
    lexemes.Push(lex::RightParen);
}

int DerivationDepth(std::string_view formula, std::string_view varName, EngineError& errorCode)
{
    errorCode = kEngineOk;
    if (IsBlankFormula(formula)) return 0;
    ExprTree tree;
    errorCode = CompileTree(formula, varName, tree);
    if (errorCode != kEngineOk) return 0;
    return MeasureDepth(*tree);
}

}  // namespace vg
