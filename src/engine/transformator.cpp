#include "engine/transformator.h"

#include <array>
#include <cstddef>
#include <vector>

namespace vg {
namespace {

// The operator stack entries an incoming lexeme sends to the output, one set
// per kind of incoming lexeme (functions pop nothing).
enum PopSet { kPopsForAdditive, kPopsForRelational, kPopsForPower, kPopsForMultiplicative,
              kPopsForLogical, kPopSetCount, kPopsNothing = kPopSetCount };

PopSet PopSetOf(LexCode incoming)
{
    if (incoming == lex::Negate || incoming == lex::Minus || incoming == lex::Plus)
        return kPopsForAdditive;
    if (incoming == lex::Not || IsRelation(incoming)) return kPopsForRelational;
    if (incoming == lex::Power) return kPopsForPower;
    if (incoming == lex::Multiply || incoming == lex::Divide) return kPopsForMultiplicative;
    if (IsLogical(incoming)) return kPopsForLogical;
    return kPopsNothing;
}

bool IsPoppedBy(PopSet set, LexCode stacked)
{
    const bool arithmetic = stacked == lex::Negate || (stacked >= lex::Power && stacked <= lex::Divide);
    switch (set) {
    case kPopsForAdditive: return arithmetic || IsFunction(stacked);
    case kPopsForRelational: return arithmetic || IsRelation(stacked) || IsFunction(stacked);
    case kPopsForPower: return IsFunction(stacked);
    case kPopsForMultiplicative:
        return stacked == lex::Power || stacked == lex::Multiply || stacked == lex::Divide ||
               IsFunction(stacked);
    case kPopsForLogical:
        return stacked == lex::Negate || stacked == lex::Not || IsBinaryOperator(stacked) ||
               IsFunction(stacked);
    default: return false;
    }
}

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// Operator stack that knows, for each entry, the nearest "(" at or below it
// and, per pop set, the deepest entry of that set above that "(". Both
// searches of the translation become constant time, so long formulas stay
// linear.
class OperatorStack {
public:
    bool Empty() const { return entries_.empty(); }

    void Push(const Lexeme& lexeme)
    {
        Entry e;
        e.lexeme = lexeme;
        const bool paren = lexeme.Code == lex::LeftParen;
        const std::size_t index = entries_.size();
        const Entry* below = entries_.empty() ? nullptr : &entries_.back();
        e.nearestParen = paren ? index : (below ? below->nearestParen : kNone);
        for (int s = 0; s < kPopSetCount; ++s) {
            std::size_t inherited = (below && !paren) ? below->deepest[s] : kNone;
            if (inherited == kNone && !paren && IsPoppedBy(static_cast<PopSet>(s), lexeme.Code))
                inherited = index;
            e.deepest[s] = inherited;
        }
        entries_.push_back(e);
    }

    std::size_t NearestLeftParen() const
    {
        return entries_.empty() ? kNone : entries_.back().nearestParen;
    }

    std::size_t DeepestOf(PopSet set) const
    {
        return entries_.empty() || set == kPopsNothing ? kNone : entries_.back().deepest[set];
    }

    // Moves entries from the top down to index `from` (inclusive) to the output.
    void MoveDownTo(std::size_t from, TStackList& output)
    {
        while (entries_.size() > from) {
            output.Push(entries_.back().lexeme);
            entries_.pop_back();
        }
    }

    void DropTop() { entries_.pop_back(); }

private:
    struct Entry {
        Lexeme lexeme;
        std::size_t nearestParen;
        std::array<std::size_t, kPopSetCount> deepest;
    };
    std::vector<Entry> entries_;
};

}  // namespace

TStackList TExpTransformator::Transform(TStackList lexemes, EngineError& errorCode) const
{
    errorCode = kEngineOk;
    lexemes.Reverse();
    OperatorStack operators;
    TStackList output;
    Lexeme l;
    while (lexemes.Pop(l)) {
        if (IsOperand(l.Code)) {
            output.Push(l);
        } else if (l.Code == lex::LeftParen) {
            operators.Push(l);
        } else if (l.Code == lex::RightParen) {
            const std::size_t paren = operators.NearestLeftParen();
            if (paren == kNone) {
                errorCode = kErrMissingLeftParen;
                return output;
            }
            operators.MoveDownTo(paren + 1, output);
            operators.DropTop();
        } else {
            const std::size_t deepest = operators.DeepestOf(PopSetOf(l.Code));
            if (deepest != kNone) operators.MoveDownTo(deepest, output);
            operators.Push(l);
        }
    }
    if (!operators.Empty()) errorCode = kErrMissingRightParen;
    output.Reverse();
    return output;
}

}  // namespace vg
