#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace vg {

static_assert(std::numeric_limits<long double>::digits == 64,
              "long double must be the 80-bit extended type");

// An 80-bit extended value as it lies in records and files: 10 bytes,
// little-endian. Kept as bytes so that records copy and compare exactly and
// so that any bit pattern read from a file is harmless until it is used.
struct Ext80 {
    uint8_t bytes[10];

    static Ext80 From(long double v)
    {
        Ext80 e;
        std::memcpy(e.bytes, &v, sizeof e.bytes);
        return e;
    }
    long double Get() const
    {
        long double v = 0;
        std::memcpy(&v, bytes, sizeof bytes);
        return v;
    }
    operator long double() const { return Get(); }
    Ext80& operator=(long double v)
    {
        *this = From(v);
        return *this;
    }
};
static_assert(sizeof(Ext80) == 10 && alignof(Ext80) == 1);

// +infinity marks an undefined value and an unused table slot.
inline constexpr long double kUndefined = std::numeric_limits<long double>::infinity();

// Anything but a finite number counts as undefined (NaN can only come from
// foreign bytes, and is treated like +infinity).
inline bool IsDefined(long double v) { return std::isfinite(v); }

}  // namespace vg
