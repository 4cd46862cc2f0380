#pragma once
// The data the symbolic differentiation works on: the expression tree
// (ExprNode) and the infix token sequence (TokenNode). Every walk over them is
// iterative and they are freed iteratively, so a degenerate formula of any
// length (a long sum, deeply nested parentheses) cannot exhaust the stack.

#include <cstddef>
#include <memory>
#include <vector>

#include "engine/lexeme.h"
#include "engine/stack_list.h"

namespace vg {

// One node of an expression tree; it owns its subtrees. Leaves are numbers
// and the variable; a function or unary minus keeps its argument in Right; a
// binary operator has both operands.
struct ExprNode {
    LexCode Code = 0;
    Extended Value = 0;  // the number of a number leaf, 0 otherwise
    std::unique_ptr<ExprNode> Right;
    std::unique_ptr<ExprNode> Left;

    explicit ExprNode(LexCode code, Extended value = 0) : Code(code), Value(value) {}
    ExprNode(LexCode code, std::unique_ptr<ExprNode> left, std::unique_ptr<ExprNode> right);
    ~ExprNode();
    ExprNode(const ExprNode&) = delete;
    ExprNode& operator=(const ExprNode&) = delete;

    bool IsNumber() const { return Code == lex::Number; }
    bool IsNumber(Extended v) const { return Code == lex::Number && Value == v; }
};

using ExprTree = std::unique_ptr<ExprNode>;

// Builds the tree of a postfix form (first postfix lexeme on top). Binary
// operators (30..99) take two operands, every other operation one. Returns
// an empty tree when the form is not one well-formed expression.
ExprTree BuildExprTree(const TStackList& postfix);

// Calls visit(node) for every node, children before their parent.
template <class Visit>
void VisitPostOrder(const ExprNode& root, Visit&& visit)
{
    struct Step {
        const ExprNode* node;
        bool childrenDone;
    };
    std::vector<Step> pending{{&root, false}};
    while (!pending.empty()) {
        Step step = pending.back();
        pending.pop_back();
        if (step.childrenDone) {
            visit(*step.node);
            continue;
        }
        pending.push_back({step.node, true});
        if (step.node->Right) pending.push_back({step.node->Right.get(), false});
        if (step.node->Left) pending.push_back({step.node->Left.get(), false});
    }
}

// Structural equality: codes, number values and shape.
bool SameTree(const ExprNode* a, const ExprNode* b);

// One token of an infix sequence.
struct TokenNode {
    LexCode Code = 0;
    Extended Value = 0;
    std::unique_ptr<TokenNode> Next;
};

// A singly linked token sequence that owns its tokens. Positions count from 1.
class TokenSequence {
public:
    TokenSequence() = default;
    ~TokenSequence();
    TokenSequence(TokenSequence&& other) noexcept;
    TokenSequence& operator=(TokenSequence&& other) noexcept;
    TokenSequence(const TokenSequence&) = delete;
    TokenSequence& operator=(const TokenSequence&) = delete;

    // Appends one token at the end.
    void Push(LexCode code, Extended value = 0);
    // Appends the whole of another sequence at the end, leaving it empty.
    void Append(TokenSequence&& tail);
    // The token at a position (1 = first); nullptr beyond the end.
    const TokenNode* At(std::size_t position) const;
    // Removes the token at a position; does nothing beyond the end.
    void Delete(std::size_t position);
    std::size_t Count() const { return count_; }
    const TokenNode* First() const { return head_.get(); }
    void Clear();

    // The tokens as lexemes in order, and back.
    std::vector<Lexeme> ToLexemes() const;
    static TokenSequence FromLexemes(const std::vector<Lexeme>& lexemes);

private:
    std::unique_ptr<TokenNode> head_;
    TokenNode* tail_ = nullptr;
    std::size_t count_ = 0;
};

// The fully parenthesised print of a tree: a leaf as itself, a binary
// operator as ( left op right ), a unary minus as ( - u ), a function as
// name ( u ).
TokenSequence PrintTree(const ExprNode& root);

}  // namespace vg
