#pragma once

// A progress that records what a scan reports and presses Esc on request,
// and the table-driven check of a tool window's input.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tools/tool_input.h"
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

// A change to a valid input of a tool window and the refusal it meets: the
// message as the message box shows it (empty: accepted) and the field that
// gets the focus.
template <class Input, class Field>
struct InputCheckRow {
    const char* name;
    std::function<void(Input&)> change;
    std::string message;
    Field field;
};

// Applies each row's change to valid and compares what check(input) answers
// (an optional InputFailure) with the row.
template <class Rows, class Input, class Check>
void ExpectInputChecks(const Rows& rows, const Input& valid, Check check)
{
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Input input = valid;
        row.change(input);
        const auto failure = check(input);
        if (row.message.empty()) {
            EXPECT_FALSE(failure) << InputFailureText(*failure);
            continue;
        }
        ASSERT_TRUE(failure);
        EXPECT_EQ(InputFailureText(*failure), row.message);
        EXPECT_EQ(failure->FocusField, row.field);
    }
}

}  // namespace vg::test
