#pragma once

namespace vg {

// How a decoder finished.
enum class DecodeStatus {
    Ok,
    WriteFailed,  // the output could not be written
    Truncated,    // the input ended before the data did
    Malformed,    // invalid codes, malformed trees, output beyond the declared size
    Aborted,      // the receiver of the progress notification asked to stop
};

}  // namespace vg
