#pragma once
// TStackList: the engine's list of lexemes, used as a stack whose top is the
// last pushed lexeme. A lexeme list from the lexer holds the formula in text
// order (first lexeme at the bottom); a postfix form holds the first postfix
// lexeme at the top and is walked from the top down without being consumed.

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "engine/lexeme.h"

namespace vg {

class TStackList {
public:
    TStackList() = default;
    // A copy or an assigned list is another list: it gets a revision of its own.
    TStackList(const TStackList& other) : items_(other.items_) {}
    TStackList(TStackList&& other) noexcept : items_(std::move(other.items_)) { other.Touch(); }
    TStackList& operator=(const TStackList& other)
    {
        items_ = other.items_;
        Touch();
        return *this;
    }
    TStackList& operator=(TStackList&& other) noexcept
    {
        items_ = std::move(other.items_);
        Touch();
        other.Touch();
        return *this;
    }

    // Appends a lexeme at the top.
    void Push(LexCode code, Extended value = 0)
    {
        items_.push_back(Lexeme{value, code});
        Touch();
    }
    void Push(const Lexeme& lexeme)
    {
        items_.push_back(lexeme);
        Touch();
    }

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
    void Clear()
    {
        items_.clear();
        Touch();
    }

    // Direct access from the bottom (index 0) to the top (Count()-1). Access
    // that may write counts as a change.
    const Lexeme& operator[](std::size_t fromBottom) const { return items_[fromBottom]; }
    Lexeme& operator[](std::size_t fromBottom)
    {
        Touch();
        return items_[fromBottom];
    }
    const Lexeme* Data() const { return items_.data(); }
    std::vector<Lexeme>::const_iterator begin() const { return items_.begin(); }
    std::vector<Lexeme>::const_iterator end() const { return items_.end(); }

    bool operator==(const TStackList& other) const;

    // Unique to this list's present contents: every change (and every list
    // made or assigned) draws a new value, so a calculator recognises the
    // list it decoded without reading it again.
    std::uint64_t Revision() const { return revision_; }

private:
    static std::uint64_t NextRevision() noexcept;
    void Touch() noexcept { revision_ = NextRevision(); }

    std::vector<Lexeme> items_;
    std::uint64_t revision_ = NextRevision();
};

}  // namespace vg
