#pragma once
// TStackList: the engine's list of lexemes, used as a stack whose top is the
// last pushed lexeme. A lexeme list from the lexer holds the formula in text
// order (first lexeme at the bottom); a postfix form holds the first postfix
// lexeme at the top and is walked from the top down without being consumed.

#include <cstddef>
#include <vector>

#include "engine/lexeme.h"

namespace vg {

class TStackList {
public:
    TStackList() = default;

    // Appends a lexeme at the top.
    void Push(LexCode code, Extended value = 0) { items_.push_back(Lexeme{value, code}); }
    void Push(const Lexeme& lexeme) { items_.push_back(lexeme); }

    // Removes the top lexeme into code/value. Returns false (and changes
    // nothing) when the list is empty.
    bool Pop(LexCode& code, Extended& value);
    bool Pop(Lexeme& lexeme);

    // The lexeme `depth` nodes below the top (0 = top), not removed. Returns
    // false when the list is shorter.
    bool Peek(std::size_t depth, LexCode& code, Extended& value) const;

    // Puts the lexemes in the opposite order (the old top becomes the bottom).
    void Reverse();

    bool Empty() const { return items_.empty(); }
    std::size_t Count() const { return items_.size(); }
    void Clear() { items_.clear(); }

    // Direct access from the bottom (index 0) to the top (Count()-1).
    const Lexeme& operator[](std::size_t fromBottom) const { return items_[fromBottom]; }
    Lexeme& operator[](std::size_t fromBottom) { return items_[fromBottom]; }
    const Lexeme* Data() const { return items_.data(); }
    std::vector<Lexeme>::const_iterator begin() const { return items_.begin(); }
    std::vector<Lexeme>::const_iterator end() const { return items_.end(); }

    bool operator==(const TStackList& other) const;

private:
    std::vector<Lexeme> items_;
};

}  // namespace vg
