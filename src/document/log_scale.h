#pragma once

namespace vg {

// Whether a logarithmic axis of this base can show up to end: base^end must
// stay within 1e100, tested as end x log10(base) <= 100 on both values
// rounded to the display precision. A base that is not positive, or any
// value that is not finite, fails. The document file check, the options
// dialogs and the view commands all ask this one question, so no view can be
// made that a file cannot hold.
bool LogScaleFits(long double base, long double end);

}  // namespace vg
