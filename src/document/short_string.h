#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace vg {

// A length-prefixed string of fixed capacity inside a record: a length byte
// and N bytes; bytes after the text are undefined. The length byte of a
// record read from a file is not trusted: it is clamped to N when read.
template <std::size_t N>
struct ShortString {
    static_assert(N >= 1 && N <= 255);
    uint8_t length;
    char text[N];

    static constexpr std::size_t Capacity() { return N; }
    std::size_t Length() const { return std::min<std::size_t>(length, N); }
    std::string Str() const { return std::string(text, Length()); }
    std::string_view View() const { return std::string_view(text, Length()); }
    // Longer texts are cut to the capacity.
    void Assign(std::string_view s)
    {
        std::size_t n = std::min(s.size(), N);
        length = static_cast<uint8_t>(n);
        std::memcpy(text, s.data(), n);
    }
    ShortString& operator=(std::string_view s)
    {
        Assign(s);
        return *this;
    }
};
static_assert(sizeof(ShortString<255>) == 256 && sizeof(ShortString<32>) == 33);

}  // namespace vg
