#pragma once

#include <cstdint>

#include "setup/bit_reader.h"
#include "setup/decode_status.h"
#include "setup/output_window.h"

namespace vg {

struct ImplodeOptions {
    bool LargeWindow = false;  // 8 KiB dictionary (flag bit 1), else 4 KiB
    bool LiteralTree = false;  // three trees (flag bit 2), else two
};

// Implode (method 6): decodes until the output holds size bytes.
DecodeStatus Explode(BitReader& bits, OutputWindow& out, ImplodeOptions options, std::uint64_t size);

}  // namespace vg
