#pragma once

#include "setup/bit_reader.h"
#include "setup/decode_status.h"
#include "setup/output_window.h"

namespace vg {

// What stops a decoder before its next code: the input ran out or the
// receiver of the progress notification asked to stop, or a write failed.
// Ok when it may go on.
inline DecodeStatus StatusBeforeNextCode(const BitReader& bits, const OutputWindow& out)
{
    if (bits.Stopped())
        return bits.StopStatus();
    if (out.WriteFailed())
        return DecodeStatus::WriteFailed;
    return DecodeStatus::Ok;
}

// How a decoder ends after its last code: truncated when it read into the
// padding past the input, otherwise as the output's last writes went.
inline DecodeStatus FinishDecoding(const BitReader& bits, OutputWindow& out)
{
    if (bits.Overran())
        return DecodeStatus::Truncated;
    return out.Finish() ? DecodeStatus::Ok : DecodeStatus::WriteFailed;
}

}  // namespace vg
