#include "engine/lexer.h"

#include <charconv>
#include <cstddef>

namespace vg {
namespace {

constexpr Extended kPi = 3.14159265358979323846264338327950288L;

struct Keyword {
    std::string_view text;
    int code;
};

// Searched from first to last, the last match winning ("-" therefore reads
// as binary minus; the unary choice is made from the previous lexeme).
constexpr Keyword kKeywords[] = {
    {"(", 2},      {")", 3},       {"-", 10},      {"-", 31},      {"+", 32},
    {"*", 33},     {"/", 34},      {"^", 30},      {"<", 35},      {">", 36},
    {"<=", 37},    {">=", 38},     {"<>", 39},     {"=", 40},      {"AND", 41},
    {"OR", 42},    {"XOR", 43},    {"NOT", 11},    {"SIN", 101},   {"COS", 102},
    {"TAN", 111},  {"FRAC", 108},  {"EXP", 106},   {"LN", 109},    {"LG", 110},
    {"SQRT", 103}, {"ATAN", 104},  {"ASIN", 113},  {"ACOS", 114},  {"ABS", 105},
    {"INT", 107},  {"COT", 112},   {"SINH", 115},  {"COSH", 116},  {"TANH", 117},
    {"COTH", 118}, {"ASINH", 119}, {"ACOSH", 120}, {"ATANH", 121}, {"ACOTH", 122},
    {"PI", 1},     {"RANDOM", 123}, {"SIGN", 125}, {"ROUND", 124},
};
static_assert(sizeof(kKeywords) / sizeof(kKeywords[0]) == 44);

constexpr int kNoCode = -1;

int LookUpKeyword(std::string_view run)
{
    int code = kNoCode;
    for (const Keyword& k : kKeywords) {
        if (k.text == run) code = k.code;
    }
    return code;
}

// Character classes; 0 means "no class" (spaces, other punctuation, bytes
// outside A..Z after upper-casing).
int CharClass(char c)
{
    if ((c >= '0' && c <= '9') || c == '.') return 1;
    if (c >= 'A' && c <= 'Z') return 2;
    if (c == '(' || c == ')') return 3;
    if (c == '*' || c == '+' || c == '-' || c == '/' || c == '^') return 4;
    if (c == '<' || c == '=' || c == '>') return 5;
    return 0;
}

// Reads digits, an optional single point and digits (no sign, no exponent);
// a point alone is 0. False when the run is not such a number or overflows.
bool ReadDecimal(std::string_view run, Extended& value)
{
    int points = 0;
    for (char c : run) {
        if (c == '.') ++points;
    }
    if (points > 1) return false;
    if (run == ".") {
        value = 0;
        return true;
    }
    Extended v = 0;
    auto [ptr, ec] = std::from_chars(run.data(), run.data() + run.size(), v,
                                     std::chars_format::fixed);
    if (ptr != run.data() + run.size()) return false;
    if (ec == std::errc::result_out_of_range) {
        // A number too small for the extended range reads as 0; one too big
        // for it is no number.
        std::size_t firstNonZero = run.find_first_not_of("0.");
        std::size_t point = run.find('.');
        bool belowOne = point != std::string_view::npos && firstNonZero > point;
        if (!belowOne) return false;
        v = 0;
    } else if (ec != std::errc()) {
        return false;
    }
    value = v;
    return true;
}

bool MayFollow(LexCode before, LexCode after)
{
    const bool operand = IsOperand(after) || after == lex::LeftParen || IsFunction(after);
    if (IsOperand(before) || before == lex::RightParen) {
        return after == lex::RightParen || IsBinaryOperator(after);
    }
    if (before == lex::LeftParen || before == lex::Not) {
        return operand || after == lex::Negate || after == lex::Not;
    }
    if (before == lex::Negate || (before >= lex::Power && before <= lex::Divide)) return operand;
    if (IsRelation(before)) return operand || after == lex::Negate;
    if (IsLogical(before)) return operand || after == lex::Negate || after == lex::Not;
    if (IsFunction(before)) return after == lex::LeftParen;
    return false;
}

bool LexemesAgree(const TStackList& list)
{
    for (std::size_t i = list.Count(); i-- > 1;) {
        if (!MayFollow(list[i - 1].Code, list[i].Code)) return false;
    }
    return true;
}

bool TakesImpliedMultiplication(int previous, int code)
{
    const bool leftSide = previous == lex::Number || previous == lex::RightParen ||
                          previous == lex::Var1 || previous == lex::Var2;
    const bool rightSide = code == lex::Number || code == lex::LeftParen || code == lex::Var1 ||
                           code == lex::Var2 || (code >= 100 && code <= 199);
    return leftSide && rightSide;
}

bool MakesMinusUnary(int previous)
{
    return previous == lex::LeftParen || previous == lex::Not ||
           (previous >= lex::Less && previous <= lex::Xor);
}

}  // namespace

TStackList TLexAnalysator::Analyse(std::string_view text, std::string_view firstName,
                                   std::string_view secondName, EngineError& errorCode) const
{
    errorCode = kEngineOk;
    const std::string s = UpperCaseCopy(text);
    const std::string name1 = UpperCaseCopy(firstName);
    const std::string name2 = UpperCaseCopy(secondName);
    TStackList list;
    int previous = kNoCode;

    // The stretch of equal class last measured: positions inside it share its
    // end, which keeps long words linear to scan.
    std::size_t stretchBegin = 0, stretchEnd = 0;
    std::size_t i = 0;
    while (i < s.size()) {
        if (s[i] == ' ') {
            ++i;
            continue;
        }
        const int cls = CharClass(s[i]);
        std::size_t end;
        if (cls == 3) {
            end = i + 1;
        } else if (i > stretchBegin && i < stretchEnd && CharClass(s[stretchBegin]) == cls) {
            end = stretchEnd;
        } else {
            end = i + 1;
            while (end < s.size() && CharClass(s[end]) == cls) ++end;
            stretchBegin = i;
            stretchEnd = end;
        }
        std::string_view run(s.data() + i, end - i);

        int code = LookUpKeyword(run);
        Extended value = 0;
        if (code == lex::Negate || code == lex::Minus) {
            code = MakesMinusUnary(previous) ? lex::Negate : lex::Minus;
        }
        if (run == name1) code = lex::Var1;
        if (run == name2) code = lex::Var2;
        if (cls == 1) {
            Extended number = 0;
            if (ReadDecimal(run, number)) {
                code = lex::Number;
                value = number;
            }
        }
        if (code == lex::Pi) {
            code = lex::Number;
            value = kPi;
        }
        if (code == kNoCode && run.size() > 1 && cls == 2) {
            // An unknown word: split off its first letter and read again.
            run = run.substr(0, 1);
            code = LookUpKeyword(run);
            if (run == name1) code = lex::Var1;
            if (run == name2) code = lex::Var2;
        }
        if (code == kNoCode) {
            errorCode = kErrSyntax;
            return list;
        }
        if (TakesImpliedMultiplication(previous, code)) list.Push(lex::Multiply, 0);
        list.Push(static_cast<LexCode>(code), value);
        previous = code;
        i += run.size();
    }
    if (!LexemesAgree(list)) errorCode = kErrDiscordance;
    return list;
}

std::string UpperCaseCopy(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

std::string RemoveSpaces(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c != ' ') out.push_back(c);
    }
    return out;
}

const char* LexemeText(LexCode code)
{
    if (code == lex::Negate) return "-";
    for (const Keyword& k : kKeywords) {
        if (k.code == code) return k.text.data();
    }
    return "";
}

}  // namespace vg
