#pragma once

#include <cstdint>

#include "setup/bit_reader.h"
#include "setup/decode_status.h"
#include "setup/output_window.h"

namespace vg {

// Shrink (method 1): dynamic LZW with 9- to 13-bit codes and partial
// clearing; decodes until the output holds size bytes.
DecodeStatus Unshrink(BitReader& bits, OutputWindow& out, std::uint64_t size);

}  // namespace vg
