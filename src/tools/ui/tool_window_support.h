#pragma once

// What the analysis, intersections and value table windows share: their
// progress while computing (with Esc), the first-show computation, saving
// and copying results, formula lists, the refusal of a typed field, the
// options windows' interval fields and buttons, and the results windows'
// frame.

#include <QDialog>
#include <QObject>
#include <QString>

#include <functional>
#include <string>
#include <vector>

#include "app/ui/busy_cursor.h"
#include "tools/tool_input.h"
#include "tools/tool_scan.h"
#include "tools/tool_text.h"

class QBoxLayout;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QWidget;

namespace vg {

class TGraphicsManager;
class TMainForm;

// While a window computes: the user's input to every window is held back,
// except that Esc is remembered for the computation's next check.
class TScanInputGuard : public QObject {
    Q_OBJECT
public:
    TScanInputGuard();
    ~TScanInputGuard() override;
    TScanInputGuard(const TScanInputGuard&) = delete;
    TScanInputGuard& operator=(const TScanInputGuard&) = delete;

    // Lets pending events through; true when Esc was pressed since the last
    // call.
    bool EscapePressed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool escape_ = false;
};

// The progress of a tool window's computation: the progress bar, the
// hourglass, the window repainted at every tenth and refresh called whenever
// results should show.
class TWindowScanProgress : public ScanProgress {
public:
    TWindowScanProgress(QWidget* window, QProgressBar* bar, std::function<void()> refresh);
    ~TWindowScanProgress() override;

    std::string Translate(const std::string& english) const override;
    void ShowPercent(int percent) override;
    void ResultAdded() override;
    void SetBusyCursor(bool busy) override;
    void ProcessMessages() override;
    bool EscapePressed() override;

private:
    QWidget* window_;
    QProgressBar* bar_;
    std::function<void()> refresh_;
    TScanInputGuard guard_;
    TNestedBusyCursor busyCursor_;
    qint64 lastRefresh_ = 0;
};

// Calls compute once for each opening of the window (its first show after
// Rearm), from the event loop: a window is activated again after every
// message box or file dialog, and must not compute again then.
class TComputeOnFirstShow : public QObject {
    Q_OBJECT
public:
    TComputeOnFirstShow(QWidget* window, std::function<void()> compute);
    void Rearm() { done_ = false; }
    bool Done() const { return done_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> compute_;
    bool done_ = false;
};

// Save to File: asks for a text file under the translated title and writes
// the text (CR LF lines) through a temporary file; "File write error" when it
// cannot. True when written.
bool SaveResultsText(QWidget* parent, const char* englishTitle, const std::string& text);

// Copy to Clipboard: the text as plain text; "Copy error" when the clipboard
// does not take it.
bool CopyResultsText(const std::string& text);

// The document of the active window, when there is one that is not closing.
const TGraphicsManager* ActiveDocument(const TMainForm& form);

// Refills an editable combo box's list and sets its text.
void FillFormulaList(QComboBox* box, const std::vector<std::string>& formulas, const std::string& text);
std::string FormulaText(const QComboBox* box);
std::string EditText(const QLineEdit* edit);

// A combo box for a formula: editable, at most 250 characters.
QComboBox* NewFormulaComboBox(QWidget* parent, const char* objectName);

// Shows a refusal in the program's error box and puts the focus on field.
void ShowRefusal(const std::string& message, QWidget* field);

// A result grid: no row heads, fixed header texts, read-only cells, one
// empty row; Resize keeps the given columns' widths and stretches the others.
QTableWidget* NewResultGrid(QWidget* parent, const char* objectName, const QStringList& headers);
void ResetResultGrid(QTableWidget* grid);
// Writes a row of texts into the first empty row (row 0 while it is empty)
// or a new last row.
void AppendResultRow(QTableWidget* grid, const QStringList& cells);

QString ToQString(const std::string& text);

// Named controls, their captions in English until the window is translated.
QLineEdit* NewNamedEdit(QWidget* parent, const char* objectName);
QLabel* NewNamedLabel(QWidget* parent, const char* objectName);
QPushButton* NewNamedButton(QWidget* parent, const char* objectName, const char* caption);
// A label of formula notation ("Y1(x)="), which no language translates.
QLabel* NewNotationLabel(QWidget* parent, const char* text);
// A read-only edit without a frame, for a line that may be longer than the
// window.
QLineEdit* NewShowEdit(QWidget* parent, const char* objectName);

// The options window of a scan: the interval fields in their "Parameters"
// group, and OK (the default button), Cancel and Help.
class TScanOptionsForm : public QDialog {
    Q_OBJECT
public:
    QLineEdit* MinXEdit = nullptr;
    QLineEdit* MaxXEdit = nullptr;
    QLineEdit* StepsNumEdit = nullptr;
    QLineEdit* DigitsNumEdit = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* HelpButton = nullptr;

protected:
    using QDialog::QDialog;
    // The window's parts in the order of its layout (and of the focus chain).
    void AddIntervalGroup(QBoxLayout* layout);
    void AddButtons(QBoxLayout* layout, int helpContext);
    template <class Input>
    void ShowIntervalTexts(const Input& input)
    {
        ShowIntervalTexts(input.MinXText, input.MaxXText, input.StepsNumText, input.DigitsNumText);
    }
    // OK: checks the fields and accepts, or refuses with the field focused.
    virtual void OKButtonClick() = 0;

private:
    void ShowIntervalTexts(const std::string& minX, const std::string& maxX, const std::string& stepsNum,
                           const std::string& digitsNum);
};

// A window that computes within its own event loop: neither Esc nor closing
// ends it while it computes.
class TComputingDialog : public QDialog {
    Q_OBJECT
public:
    bool Running() const { return running_; }

public slots:
    void reject() override;

protected:
    using QDialog::QDialog;
    void closeEvent(QCloseEvent* event) override;
    void SetRunning(bool running) { running_ = running; }

private:
    bool running_ = false;
};

// A results window that computes once per opening: the progress bar shows
// while it computes; Close, Save to File and Copy to Clipboard after that.
class TScanResultsForm : public TComputingDialog {
    Q_OBJECT
public:
    // How often this window has computed.
    int Runs() const { return runs_; }

    QProgressBar* ProgressBar = nullptr;
    QPushButton* CloseButton = nullptr;
    QPushButton* SaveToFileButton = nullptr;
    QPushButton* CopyButton = nullptr;

protected:
    using TComputingDialog::TComputingDialog;
    // The window's parts in the order of its layout (and of the focus chain).
    void AddProgressBar(QBoxLayout* layout);
    void AddResultButtons(QBoxLayout* layout);
    void ShowScanning(bool scanning);
    // Runs scan with the window's progress, showing the results as they come;
    // then offers the result buttons with the focus on Close.
    void RunScan(const std::function<void(ScanProgress&)>& scan);
    virtual void ShowResults() = 0;

private:
    int runs_ = 0;
};

}  // namespace vg
