#pragma once

#include <QImage>
#include <QMdiSubWindow>

#include <memory>

#include "document/document_hooks.h"

namespace vg {

class TGraphicsManager;
class TMainForm;
class TUndoBridge;
class TUndoManager;

// The surface a document window draws on: the document is drawn into a
// backing image of the widget's size and device pixel ratio, then blitted.
class TDocumentCanvas : public QWidget {
    Q_OBJECT
public:
    explicit TDocumentCanvas(QWidget* parent = nullptr);

    // Draws the document again into the backing image and repaints.
    void Redraw();
    const QImage& Image() const { return image_; }
    void SetDocument(TGraphicsManager* document) { document_ = document; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Render();

    TGraphicsManager* document_ = nullptr;
    QImage image_;
    bool stale_ = true;
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
    // Abandons an interval selection being dragged (none exists yet).
    void AbandonSelection() {}

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
    bool closing_ = false;
    bool closePending_ = false;
};

}  // namespace vg
