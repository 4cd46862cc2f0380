#pragma once

#include "setup/bit_reader.h"
#include "setup/decode_status.h"
#include "setup/output_window.h"

namespace vg {

// Deflate (method 8): stored, fixed-Huffman and dynamic-Huffman blocks up to
// the final block.
DecodeStatus Inflate(BitReader& bits, OutputWindow& out);

}  // namespace vg
