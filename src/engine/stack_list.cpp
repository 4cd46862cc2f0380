#include "engine/stack_list.h"

#include <algorithm>
#include <atomic>

namespace vg {

std::uint64_t TStackList::NextRevision() noexcept
{
    static std::atomic<std::uint64_t> counter{0};
    return counter.fetch_add(1, std::memory_order_relaxed) + 1;
}

bool TStackList::Pop(LexCode& code, Extended& value)
{
    if (items_.empty()) return false;
    code = items_.back().Code;
    value = items_.back().Value;
    items_.pop_back();
    Touch();
    return true;
}

bool TStackList::Pop(Lexeme& lexeme)
{
    return Pop(lexeme.Code, lexeme.Value);
}

bool TStackList::Peek(std::size_t depth, LexCode& code, Extended& value) const
{
    if (depth >= items_.size()) return false;
    const Lexeme& l = items_[items_.size() - 1 - depth];
    code = l.Code;
    value = l.Value;
    return true;
}

void TStackList::Reverse()
{
    std::reverse(items_.begin(), items_.end());
    Touch();
}

bool TStackList::operator==(const TStackList& other) const
{
    return std::equal(items_.begin(), items_.end(), other.items_.begin(), other.items_.end(),
                      [](const Lexeme& a, const Lexeme& b) {
                          return a.Code == b.Code && a.Value == b.Value;
                      });
}

}  // namespace vg
