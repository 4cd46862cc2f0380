#include "engine/derivative_text.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <vector>

#include "engine/numeric_utils.h"

namespace vg {
namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// The weakest operator at the top level of a parenthesised content.
enum Level { kLevelAdditive = 0, kLevelMultiplicative = 1, kLevelPower = 2, kLevelOperand = 3 };

int OperatorLevel(LexCode code)
{
    switch (code) {
    case lex::Plus:
    case lex::Minus:
    case lex::Negate: return kLevelAdditive;
    case lex::Multiply:
    case lex::Divide: return kLevelMultiplicative;
    case lex::Power: return kLevelPower;
    default: return kLevelOperand;
    }
}

bool IsArithmeticOperator(LexCode code) { return code >= lex::Power && code <= lex::Divide; }

// The four removal rules. before/after are the neighbours of the pair ("("
// at the start, ")" at the end).
bool PairIsRedundant(LexCode before, LexCode after, int level, bool startsWithNegate)
{
    const bool operandPlace =
        before == lex::LeftParen || before == lex::Negate || IsArithmeticOperator(before);
    if (operandPlace && level == kLevelOperand) return true;
    if (after != lex::Power) {
        if (before == lex::Multiply && level != kLevelAdditive) return true;
        if (before == lex::Divide && level == kLevelPower) return true;
        if ((before == lex::Negate || before == lex::Minus) && level != kLevelAdditive) return true;
    }
    const bool additiveAfter = after == lex::RightParen || after == lex::Plus || after == lex::Minus;
    const bool multiplicativeAfter = after == lex::Multiply || after == lex::Divide;
    if (before == lex::Plus) {
        if (additiveAfter && !startsWithNegate) return true;
        if (multiplicativeAfter && level != kLevelAdditive) return true;
    }
    if (before == lex::LeftParen) {
        if (additiveAfter) return true;
        if (multiplicativeAfter && level != kLevelAdditive) return true;
    }
    return false;
}

// Matching ")" and content level of every "(" (kNone for an unmatched one).
void MatchPairs(const std::vector<Lexeme>& t, std::vector<std::size_t>& match,
                std::vector<int>& level)
{
    match.assign(t.size(), kNone);
    level.assign(t.size(), kLevelOperand);
    std::vector<std::size_t> open;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const LexCode c = t[i].Code;
        if (c == lex::LeftParen) {
            open.push_back(i);
        } else if (c == lex::RightParen) {
            if (open.empty()) continue;
            match[open.back()] = i;
            open.pop_back();
        } else if (!open.empty()) {
            int& l = level[open.back()];
            const int here = OperatorLevel(c);
            if (here < l) l = here;
        }
    }
}

std::string FixedText(Extended value, int decimals)
{
    char buffer[96];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                                 decimals);
    return std::string(buffer, r.ec == std::errc() ? r.ptr : buffer);
}

std::string TrimFraction(std::string text)
{
    if (text.find('.') == std::string::npos) return text;
    while (!text.empty() && text.back() == '0') text.pop_back();
    if (!text.empty() && text.back() == '.') text.pop_back();
    return text;
}

std::string LowerCase(const char* text)
{
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

}  // namespace

void RemoveRedundantParentheses(TokenSequence& tokens)
{
    const std::vector<Lexeme> t = tokens.ToLexemes();
    const std::size_t n = t.size();
    std::vector<std::size_t> match;
    std::vector<int> level;
    MatchPairs(t, match, level);

    // The tokens still present, as a doubly linked list over the indices
    // (n stands for "none" at both ends). A pair is decided before any pair
    // inside it, so its content is always intact when it is looked at.
    std::vector<std::size_t> prev(n), next(n);
    for (std::size_t i = 0; i < n; ++i) {
        prev[i] = i == 0 ? n : i - 1;
        next[i] = i + 1;
    }
    std::vector<bool> deleted(n, false);
    auto unlink = [&](std::size_t i) {
        deleted[i] = true;
        if (prev[i] != n) next[prev[i]] = next[i];
        if (next[i] != n) prev[next[i]] = prev[i];
    };

    for (std::size_t i = 0; i < n; ++i) {
        if (t[i].Code != lex::LeftParen || match[i] == kNone) continue;
        const std::size_t close = match[i];
        const LexCode before = prev[i] == n ? lex::LeftParen : t[prev[i]].Code;
        const LexCode after = next[close] == n ? lex::RightParen : t[next[close]].Code;
        const bool startsWithNegate = i + 1 < close && t[i + 1].Code == lex::Negate;
        if (PairIsRedundant(before, after, level[i], startsWithNegate)) {
            unlink(i);
            unlink(close);
        }
    }

    std::vector<Lexeme> kept;
    kept.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        if (!deleted[i]) kept.push_back(t[i]);
    }
    tokens = TokenSequence::FromLexemes(kept);
}

std::string DerivativeNumberText(Extended value)
{
    std::string text;
    const Extended magnitude = std::fabs(value);
    if ((magnitude >= 0.001L && magnitude <= 1e6L) || NearZero(value) == 0) {
        text = TrimFraction(FixedText(value, 7));
    } else {
        char buffer[96];
        const auto r = std::to_chars(buffer, buffer + sizeof buffer, value,
                                     std::chars_format::scientific, 11);
        const std::string scientific(buffer, r.ec == std::errc() ? r.ptr : buffer);
        const std::size_t e = scientific.find('e');
        Extended mantissa = 0;
        int exponent = 0;
        if (e == std::string::npos ||
            std::from_chars(scientific.data(), scientific.data() + e, mantissa).ec != std::errc() ||
            std::from_chars(scientific.data() + e + (scientific[e + 1] == '+' ? 2 : 1),
                            scientific.data() + scientific.size(), exponent)
                    .ec != std::errc()) {
            return scientific;  // not finite: no number form exists
        }
        // Appended piece by piece: GCC 12's optimiser mistakes "(" + temporary
        // for an overlapping copy (-Wrestrict).
        const std::string exponentText = DerivativeNumberText(exponent);
        std::string power = "(";
        power += DerivativeNumberText(mantissa);
        power += "*10^";
        if (exponent < 0) {
            power += '(';
            power += exponentText;
            power += ')';
        } else {
            power += exponentText;
        }
        power += ')';
        text = std::move(power);
    }
    if (text == "-0") text = "0";
    return text;
}

std::string TokensText(const TokenSequence& tokens, std::string_view varName)
{
    std::string out;
    for (const TokenNode* t = tokens.First(); t; t = t->Next.get()) {
        switch (t->Code) {
        case lex::Number: {
            const std::string number = DerivativeNumberText(t->Value);
            if (!number.empty() && number.front() == '-') {
                out += "(" + number + ")";
            } else {
                out += number;
            }
            break;
        }
        case lex::Var1: out += varName; break;
        case lex::Negate:
        case lex::Minus: out += '-'; break;
        default:
            out += IsFunction(t->Code) ? LowerCase(LexemeText(t->Code)) : LexemeText(t->Code);
            break;
        }
    }
    return out;
}

}  // namespace vg
