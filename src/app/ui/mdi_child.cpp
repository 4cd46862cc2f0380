#include "app/ui/mdi_child.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QPainter>
#include <QResizeEvent>

#include "app/document_commands.h"
#include "app/undo_manager.h"
#include "app/ui/document_render.h"
#include "app/ui/main_form.h"
#include "app/ui/shell_dialogs.h"
#include "app/ui/undo_bridge.h"
#include "document/graph_model.h"

namespace vg {

// ---------------------------------------------------------------------------
// TDocumentCanvas

TDocumentCanvas::TDocumentCanvas(QWidget* parent) : QWidget(parent)
{
    setObjectName("DocumentCanvas");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setMinimumSize(1, 1);
}

void TDocumentCanvas::Redraw()
{
    stale_ = true;
    update();
}

void TDocumentCanvas::Render()
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize().expandedTo(QSize(1, 1));
    if (image_.size() != pixels) image_ = QImage(pixels, QImage::Format_RGB32);
    image_.setDevicePixelRatio(1.0);
    if (document_) RenderDocument(*document_, image_, ratio);
    else image_.fill(Qt::white);
    image_.setDevicePixelRatio(ratio);
    stale_ = false;
}

void TDocumentCanvas::paintEvent(QPaintEvent*)
{
    if (stale_ || image_.isNull()) Render();
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), image_);
}

void TDocumentCanvas::resizeEvent(QResizeEvent* event)
{
    stale_ = true;
    QWidget::resizeEvent(event);
}

// ---------------------------------------------------------------------------
// TMDIChild

TMDIChild::TMDIChild(TMainForm* mainForm, std::unique_ptr<TGraphicsManager> document)
    : QMdiSubWindow(nullptr), mainForm_(mainForm), document_(std::move(document)),
      undo_(std::make_unique<TUndoManager>(*document_)),
      undoBridge_(std::make_unique<TUndoBridge>(mainForm, this)),
      canvas_(new TDocumentCanvas(this))
{
    setObjectName("MDIChild");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon(":/icons/vgraph.svg"));
    canvas_->SetDocument(document_.get());
    canvas_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(canvas_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { mainForm_->ShowDocumentPopup(canvas_->mapToGlobal(pos)); });
    setWidget(canvas_);
    document_->SetWindow(this);
    undo_->SetListener(undoBridge_.get());
}

TMDIChild::~TMDIChild()
{
    closing_ = true;
    document_->SetWindow(nullptr);
    document_->SetProgress(nullptr);
}

bool TMDIChild::Modified() const { return document_->Modified; }

void TMDIChild::SetModified(bool modified) { document_->Modified = modified; }

void TMDIChild::SetFileName(const QString& fileName, bool named)
{
    document_->FileName = fileName.toStdString();
    document_->Named = named;
}

QString TMDIChild::FileName() const { return QString::fromStdString(document_->FileName); }

bool TMDIChild::Save()
{
    if (!document_->Named) return SaveAs();
    if (!SaveDocumentFile(*document_, document_->FileName)) {
        ShowErrorMessage(mainForm_, "Input-output error");
        return false;
    }
    document_->Modified = false;
    return true;
}

bool TMDIChild::SaveAs()
{
    QFileDialog dialog(mainForm_, Tr("Save As"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(DocumentFileFilter());
    dialog.setDefaultSuffix("vgr");
    dialog.setFileMode(QFileDialog::AnyFile);
    const QFileInfo current(FileName());
    if (document_->Named) dialog.setDirectory(current.absolutePath());
    dialog.selectFile(current.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    const QString chosen = QFileInfo(dialog.selectedFiles().first()).absoluteFilePath();
    if (!SaveDocumentFile(*document_, chosen.toStdString())) {
        ShowErrorMessage(mainForm_, "Input-output error");
        return false;
    }
    SetFileName(chosen, true);
    setWindowTitle(QFileInfo(chosen).fileName());
    document_->Modified = false;
    return true;
}

bool TMDIChild::AskAndSave()
{
    if (!document_->Modified) return true;
    switch (AskSaveChanges(mainForm_, windowTitle())) {
    case SaveAnswer::Yes: return Save();
    case SaveAnswer::No: return true;
    case SaveAnswer::Cancel: return false;
    }
    return false;
}

void TMDIChild::SetCalculating(bool on) { document_->Calculating = on; }

void TMDIChild::Redraw()
{
    if (!closing_) canvas_->Redraw();
}

void TMDIChild::DrawWithoutGraphs() { Redraw(); }

void TMDIChild::DrawGraphOver(int) { Redraw(); }

void TMDIChild::Repaint()
{
    Redraw();
    canvas_->repaint();
}

void TMDIChild::closeEvent(QCloseEvent* event)
{
    if (closing_) {
        QMdiSubWindow::closeEvent(event);
        return;
    }
    if (mainForm_->Computing()) {
        // A computation of any document is in progress: close once it ends.
        closePending_ = true;
        event->ignore();
        return;
    }
    closePending_ = false;
    if (!AskAndSave()) {
        event->ignore();
        return;
    }
    closing_ = true;
    QMdiSubWindow::closeEvent(event);
}

}  // namespace vg
