#pragma once

#include <QImage>
#include <QMdiSubWindow>

#include <memory>

#include "app/interval_selection.h"
#include "document/coordinate_system.h"
#include "document/document_hooks.h"
#include "document/trace_pointer.h"

namespace vg {

class TGraphicsManager;
class TMainForm;
class TMDIChild;
class TUndoBridge;
class TUndoManager;
struct ViewChange;

// The surface a document window draws on: the document is drawn into a
// backing image of the widget's size and device pixel ratio, then blitted.
// The trace pointer's cross and the rubber band of an interval selection are
// painted over the blitted picture, in the inverse colours of its pixels; a
// drag with the middle button (or the left one while Space is held) shows
// the picture shifted until the release moves the view.
class TDocumentCanvas : public QWidget {
    Q_OBJECT
public:
    explicit TDocumentCanvas(TMDIChild* child);

    // Draws the document again into the backing image and repaints.
    void Redraw();
    const QImage& Image() const { return image_; }
    void SetDocument(TGraphicsManager* document) { document_ = document; }
    void SetTracePointer(const TTracePointer* pointer) { pointer_ = pointer; }

    // The frame of the last picture: axis units to the image's pixels.
    const PlotFrame& Frame() const { return frame_; }
    // A widget position in the image's pixels.
    CanvasPoint ImagePixel(const QPointF& position) const;
    const TIntervalSelection& Selection() const { return selection_; }
    bool Panning() const { return panning_; }
    // Ends a selection or a drag in progress without changing the view.
    void AbandonGestures();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void Render();
    void PaintOverlays(QPainter& painter);
    void ShowCoordinates(const CanvasPoint& pixel);
    void FinishPan();
    void FinishSelection(const SelectionStep& step);
    bool SelectButtonDown() const;

    TMDIChild* child_;
    TGraphicsManager* document_ = nullptr;
    const TTracePointer* pointer_ = nullptr;
    QImage image_;
    PlotFrame frame_{};
    bool stale_ = true;
    TIntervalSelection selection_;
    bool panning_ = false;
    QPointF panStart_;
    QPointF panOffset_;
    bool spaceHeld_ = false;
    int wheelRest_ = 0;  // eighths of a degree short of a whole notch
};

// A document window: owns one document and asks before a modified one is
// closed.
class TMDIChild : public QMdiSubWindow, public DocumentView {
    Q_OBJECT
public:
    TMDIChild(TMainForm* mainForm, std::unique_ptr<TGraphicsManager> document);
    ~TMDIChild() override;

    TGraphicsManager& Document() { return *document_; }
    const TGraphicsManager& Document() const { return *document_; }
    TDocumentCanvas* Canvas() const { return canvas_; }
    TMainForm* MainForm() const { return mainForm_; }
    // The trace pointer of the document, drawn over the picture while Active.
    TTracePointer& TracePointer() { return tracePointer_; }
    // The document's own undo history.
    TUndoManager& UndoManager() { return *undo_; }

    bool Modified() const;
    void SetModified(bool modified);
    void SetFileName(const QString& fileName, bool named);
    QString FileName() const;

    // Save of the document; an unnamed one goes through SaveAs.
    bool Save();
    // The save dialog, then the write; false when cancelled or failed.
    bool SaveAs();
    // "Save changes to %s?": true when the window may close.
    bool AskAndSave();

    // Set once the window agreed to close: no drawing afterwards.
    void MarkClosing() { closing_ = true; }
    bool IsClosing() const { return closing_; }
    // A close asked for while a computation ran.
    bool ClosePending() const { return closePending_; }

    void SetCalculating(bool on);
    void Redraw();
    // Abandons an interval selection (or a drag of the picture) in progress.
    void AbandonSelection();
    // Shows the message of a refused view change, or applies the accepted
    // record to this document through the program-wide options; the window
    // becomes the active one first, whose options those are.
    void ApplyViewChange(const ViewChange& change);
    // Makes this the active document window (the program-wide options then
    // hold its options).
    void MakeActive();

    // DocumentView
    void DrawWithoutGraphs() override;
    void DrawGraphOver(int index) override;
    void Repaint() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    TMainForm* mainForm_;
    std::unique_ptr<TGraphicsManager> document_;
    // Declared after the document: the history goes first.
    std::unique_ptr<TUndoManager> undo_;
    std::unique_ptr<TUndoBridge> undoBridge_;
    TDocumentCanvas* canvas_;
    TTracePointer tracePointer_;
    bool closing_ = false;
    bool closePending_ = false;
};

}  // namespace vg
