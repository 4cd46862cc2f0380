#pragma once

#include "app/ui/busy_cursor.h"
#include "document/compute_progress.h"

class QLabel;
class QWidget;

namespace vg {

class TComputationGuard;

// A graph computation's progress in the main window's status bar, with the
// Esc check of the computation guard.
class TStatusProgress : public ComputeProgress {
public:
    TStatusProgress(QWidget* owner, QLabel* panel0, QLabel* panel1, TComputationGuard* guard)
        : owner_(owner), panel0_(panel0), panel1_(panel1), guard_(guard)
    {
    }

    std::string Translate(const std::string& english) const override;
    void ShowStatus(int panel, const std::string& text) override;
    void SetBusyCursor(bool busy) override;
    void ProcessMessages() override;
    bool EscapePressed() override;
    void ShowError(const std::string& englishMessage) override;

private:
    QWidget* owner_;
    QLabel* panel0_;
    QLabel* panel1_;
    TComputationGuard* guard_;
    TNestedBusyCursor busyCursor_;
};

}  // namespace vg
