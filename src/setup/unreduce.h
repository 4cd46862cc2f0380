#pragma once

#include <cstdint>

#include "setup/bit_reader.h"
#include "setup/decode_status.h"
#include "setup/output_window.h"

namespace vg {

// Reduce (methods 2 to 5, compression factor 1 to 4): follower sets, the
// probabilistic byte stage, then the 0x90-escaped copy stage; decodes until
// the output holds size bytes.
DecodeStatus Unreduce(BitReader& bits, OutputWindow& out, unsigned factor, std::uint64_t size);

}  // namespace vg
