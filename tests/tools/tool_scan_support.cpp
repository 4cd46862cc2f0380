// RecordingProgress is header-only; this file keeps the helper in the
// suite's list of shared sources.
#include "tools/tool_scan_support.h"
