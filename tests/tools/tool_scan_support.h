#pragma once

// A progress that records what a scan reports and presses Esc on request.

#include <vector>

#include "tools/tool_scan.h"

namespace vg::test {

class RecordingProgress : public ScanProgress {
public:
    void ShowPercent(int percent) override { percents.push_back(percent); }
    void ResultAdded() override { ++resultsAdded; }
    void SetBusyCursor(bool on) override { busy += on ? 1 : -1; }
    bool EscapePressed() override { return ++checks == escapeAtCheck; }

    int escapeAtCheck = 0;  // the check that answers Esc; 0: never
    int checks = 0;
    int busy = 0;
    int resultsAdded = 0;
    std::vector<int> percents;
};

}  // namespace vg::test
