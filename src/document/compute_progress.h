#pragma once

#include <string>

namespace vg {

// What a long graph computation needs from the desktop: the status bar, the
// hourglass, a message pump, the Esc check and an error box. The core's
// default does nothing and never reports Esc; the window layer implements it.
class ComputeProgress {
public:
    virtual ~ComputeProgress() = default;

    // English texts pass through here before they are shown.
    virtual std::string Translate(const std::string& english) const { return english; }
    virtual void ShowStatus(int /*panel*/, const std::string& /*text*/) {}
    // "Graph N" + " " + graphNumber + ": " + percent + "%" in panel 0.
    virtual void ShowGraphPercent(int graphNumber, int percent);
    virtual void SetBusyCursor(bool /*busy*/) {}
    virtual void ProcessMessages() {}
    // True when the user pressed Esc since the last call (other keys typed
    // meanwhile are dropped).
    virtual bool EscapePressed() { return false; }
    virtual void ShowError(const std::string& /*englishMessage*/) {}
    // The main window's controls after a computation ends.
    virtual void RefreshControls() {}
};

// The shared do-nothing instance.
ComputeProgress& NoComputeProgress();

// "Graph N" + " " + number + ": " + percent + "%".
std::string GraphProgressText(const ComputeProgress& progress, int graphNumber, int percent);

inline constexpr const char* kEscHintText = "Press Esc to interrupt the calculation";
inline constexpr const char* kReadyText = "Ready";
inline constexpr const char* kNotEnoughMemoryText = "Not enough memory";

}  // namespace vg
