#include "engine/derivative_tree.h"

#include <utility>

namespace vg {

ExprNode::ExprNode(LexCode code, std::unique_ptr<ExprNode> left, std::unique_ptr<ExprNode> right)
    : Code(code), Right(std::move(right)), Left(std::move(left))
{
}

// Detaches the subtrees onto a list before freeing them, so the default
// recursive destruction never runs deeper than one level.
ExprNode::~ExprNode()
{
    if (!Left && !Right) return;
    std::vector<std::unique_ptr<ExprNode>> doomed;
    if (Left) doomed.push_back(std::move(Left));
    if (Right) doomed.push_back(std::move(Right));
    while (!doomed.empty()) {
        std::unique_ptr<ExprNode> node = std::move(doomed.back());
        doomed.pop_back();
        if (node->Left) doomed.push_back(std::move(node->Left));
        if (node->Right) doomed.push_back(std::move(node->Right));
    }
}

ExprTree BuildExprTree(const TStackList& postfix)
{
    std::vector<ExprTree> work;
    for (std::size_t i = postfix.Count(); i-- > 0;) {
        const Lexeme& l = postfix[i];
        if (IsOperand(l.Code)) {
            work.push_back(std::make_unique<ExprNode>(l.Code, l.Code == lex::Number ? l.Value : 0));
        } else if (IsBinaryOperator(l.Code)) {
            if (work.size() < 2) return nullptr;
            ExprTree right = std::move(work.back());
            work.pop_back();
            ExprTree left = std::move(work.back());
            work.pop_back();
            work.push_back(std::make_unique<ExprNode>(l.Code, std::move(left), std::move(right)));
        } else if (IsUnaryOperator(l.Code) || IsFunction(l.Code)) {
            if (work.empty()) return nullptr;
            ExprTree argument = std::move(work.back());
            work.pop_back();
            work.push_back(std::make_unique<ExprNode>(l.Code, nullptr, std::move(argument)));
        } else {
            return nullptr;  // parentheses or unknown codes never belong to a postfix form
        }
    }
    if (work.size() != 1) return nullptr;
    return std::move(work.back());
}

bool SameTree(const ExprNode* a, const ExprNode* b)
{
    std::vector<std::pair<const ExprNode*, const ExprNode*>> pending{{a, b}};
    while (!pending.empty()) {
        auto [x, y] = pending.back();
        pending.pop_back();
        if (!x || !y) {
            if (x != y) return false;
            continue;
        }
        if (x->Code != y->Code || x->Value != y->Value) return false;
        pending.push_back({x->Left.get(), y->Left.get()});
        pending.push_back({x->Right.get(), y->Right.get()});
    }
    return true;
}

TokenSequence::~TokenSequence() { Clear(); }

TokenSequence::TokenSequence(TokenSequence&& other) noexcept
    : head_(std::move(other.head_)), tail_(other.tail_), count_(other.count_)
{
    other.tail_ = nullptr;
    other.count_ = 0;
}

TokenSequence& TokenSequence::operator=(TokenSequence&& other) noexcept
{
    if (this != &other) {
        Clear();
        head_ = std::move(other.head_);
        tail_ = other.tail_;
        count_ = other.count_;
        other.tail_ = nullptr;
        other.count_ = 0;
    }
    return *this;
}

// Unlinks token by token: the default destruction of a long chain of
// unique_ptr would recurse once per token.
void TokenSequence::Clear()
{
    std::unique_ptr<TokenNode> node = std::move(head_);
    while (node) node = std::move(node->Next);
    tail_ = nullptr;
    count_ = 0;
}

void TokenSequence::Push(LexCode code, Extended value)
{
    auto token = std::make_unique<TokenNode>();
    token->Code = code;
    token->Value = value;
    TokenNode* raw = token.get();
    if (tail_) {
        tail_->Next = std::move(token);
    } else {
        head_ = std::move(token);
    }
    tail_ = raw;
    ++count_;
}

void TokenSequence::Append(TokenSequence&& tail)
{
    if (!tail.head_) return;
    if (tail_) {
        tail_->Next = std::move(tail.head_);
    } else {
        head_ = std::move(tail.head_);
    }
    tail_ = tail.tail_;
    count_ += tail.count_;
    tail.tail_ = nullptr;
    tail.count_ = 0;
}

const TokenNode* TokenSequence::At(std::size_t position) const
{
    if (position == 0) return nullptr;
    const TokenNode* node = head_.get();
    for (std::size_t i = 1; node && i < position; ++i) node = node->Next.get();
    return node;
}

void TokenSequence::Delete(std::size_t position)
{
    if (position == 0 || position > count_) return;
    std::unique_ptr<TokenNode>* link = &head_;
    TokenNode* previous = nullptr;
    for (std::size_t i = 1; i < position; ++i) {
        previous = link->get();
        link = &(*link)->Next;
    }
    std::unique_ptr<TokenNode> removed = std::move(*link);
    *link = std::move(removed->Next);
    if (tail_ == removed.get()) tail_ = previous;
    --count_;
}

std::vector<Lexeme> TokenSequence::ToLexemes() const
{
    std::vector<Lexeme> out;
    out.reserve(count_);
    for (const TokenNode* t = head_.get(); t; t = t->Next.get()) out.push_back({t->Value, t->Code});
    return out;
}

TokenSequence TokenSequence::FromLexemes(const std::vector<Lexeme>& lexemes)
{
    TokenSequence out;
    for (const Lexeme& l : lexemes) out.Push(l.Code, l.Value);
    return out;
}

TokenSequence PrintTree(const ExprNode& root)
{
    // A work stack of pending nodes and literal tokens, popped in print order.
    struct Item {
        const ExprNode* node;  // nullptr: emit the token below
        LexCode code;
    };
    TokenSequence out;
    std::vector<Item> pending{{&root, 0}};
    while (!pending.empty()) {
        const Item item = pending.back();
        pending.pop_back();
        const ExprNode* n = item.node;
        if (!n) {
            out.Push(item.code);
        } else if (IsOperand(n->Code)) {
            out.Push(n->Code, n->Value);
        } else if (IsFunction(n->Code)) {
            pending.push_back({nullptr, lex::RightParen});
            pending.push_back({n->Right.get(), 0});
            pending.push_back({nullptr, lex::LeftParen});
            pending.push_back({nullptr, n->Code});
        } else if (!n->Left) {  // unary minus
            pending.push_back({nullptr, lex::RightParen});
            pending.push_back({n->Right.get(), 0});
            pending.push_back({nullptr, n->Code});
            pending.push_back({nullptr, lex::LeftParen});
        } else {
            pending.push_back({nullptr, lex::RightParen});
            pending.push_back({n->Right.get(), 0});
            pending.push_back({nullptr, n->Code});
            pending.push_back({n->Left.get(), 0});
            pending.push_back({nullptr, lex::LeftParen});
        }
    }
    return out;
}

}  // namespace vg
