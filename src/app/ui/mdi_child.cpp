#include "app/ui/mdi_child.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "app/app_globals.h"
#include "app/coordinate_text.h"
#include "app/document_commands.h"
#include "app/undo_manager.h"
#include "app/view_interval.h"
#include "app/ui/document_render.h"
#include "app/ui/main_form.h"
#include "app/ui/shell_dialogs.h"
#include "app/ui/undo_bridge.h"
#include "document/draw_styles.h"
#include "document/graph_model.h"
#include "platform/qt/qt_canvas.h"

namespace vg {

// ---------------------------------------------------------------------------
// TDocumentCanvas

namespace {

// The arm of the trace pointer's cross, each side of its centre.
constexpr int kCrossArm = 15;

QColor InverseOf(QRgb rgb) { return QColor(255 - qRed(rgb), 255 - qGreen(rgb), 255 - qBlue(rgb)); }

// Paints each pixel in the inverse colour of the picture's pixel there, so
// the mark shows on any background and the picture itself stays untouched.
void PaintInverted(QPainter& painter, const QImage& image, const std::vector<CanvasPoint>& pixels)
{
    for (const CanvasPoint& p : pixels) {
        if (p.x < 0 || p.y < 0 || p.x >= image.width() || p.y >= image.height()) continue;
        painter.fillRect(QRect(p.x, p.y, 1, 1), InverseOf(image.pixel(p.x, p.y)));
    }
}

// Every other pixel of the rectangle's outline (right and bottom exclusive):
// a dotted line one pixel wide.
std::vector<CanvasPoint> DottedOutline(const CanvasRect& r)
{
    std::vector<CanvasPoint> pixels;
    const int right = r.right - 1, bottom = r.bottom - 1;
    auto dot = [&pixels](int x, int y) {
        if ((x + y) % 2 == 0) pixels.push_back({x, y});
    };
    for (int x = r.left; x <= right; ++x) {
        dot(x, r.top);
        if (bottom != r.top) dot(x, bottom);
    }
    for (int y = r.top + 1; y < bottom; ++y) {
        dot(r.left, y);
        if (right != r.left) dot(right, y);
    }
    return pixels;
}

SelectionButton ButtonOf(const QMouseEvent* event)
{
    return event->button() == Qt::LeftButton ? SelectionButton::Left : SelectionButton::Other;
}

}  // namespace

TDocumentCanvas::TDocumentCanvas(TMDIChild* child) : QWidget(child), child_(child)
{
    setObjectName("DocumentCanvas");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
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
    if (document_) frame_ = RenderDocument(*document_, image_, ratio);
    else image_.fill(Qt::white);
    image_.setDevicePixelRatio(ratio);
    // A drag shorter than this many pixels (of this scale) selects nothing.
    selection_.SetThreshold(std::max(1, qRound(kDragThreshold * ratio)));
    stale_ = false;
}

void TDocumentCanvas::paintEvent(QPaintEvent*)
{
    if (stale_ || image_.isNull()) Render();
    QPainter painter(this);
    if (panning_) {
        // Uncovered parts show the background until the release redraws.
        const QColor back = document_ ? QtCanvas::ToQColor(ColorOfIndex(document_->Options.BackColor)) : Qt::white;
        painter.fillRect(rect(), back);
        painter.drawImage(panOffset_, image_);
    } else {
        painter.drawImage(QPoint(0, 0), image_);
    }
    PaintOverlays(painter);
}

void TDocumentCanvas::PaintOverlays(QPainter& painter)
{
    const qreal ratio = image_.devicePixelRatio();
    painter.save();
    // Device pixels from here on.
    painter.scale(1 / ratio, 1 / ratio);
    painter.translate(panOffset_ * ratio);
    if (pointer_ && pointer_->Active) {
        const int arm = qRound(kCrossArm * ratio);
        const int thickness = std::max(1, qRound(ratio));
        PaintInverted(painter, image_,
                      pointer_->CrossPixels(frame_.Mapping, image_.width(), image_.height(), arm, thickness));
    }
    if (const std::optional<CanvasRect> band = selection_.Band()) PaintInverted(painter, image_, DottedOutline(*band));
    painter.restore();
}

void TDocumentCanvas::resizeEvent(QResizeEvent* event)
{
    stale_ = true;
    QWidget::resizeEvent(event);
}

CanvasPoint TDocumentCanvas::ImagePixel(const QPointF& position) const
{
    const qreal ratio = image_.isNull() ? devicePixelRatioF() : image_.devicePixelRatio();
    return {static_cast<int>(std::floor(position.x() * ratio)), static_cast<int>(std::floor(position.y() * ratio))};
}

bool TDocumentCanvas::SelectButtonDown() const
{
    const QAction* button = child_->MainForm()->Button(CommandId::SelectInterval);
    return button && button->isChecked();
}

void TDocumentCanvas::mousePressEvent(QMouseEvent* event)
{
    if (child_->MainForm()->Computing() || panning_) return;
    const bool panButton = event->button() == Qt::MiddleButton ||
                           (event->button() == Qt::LeftButton && spaceHeld_ && !selection_.Selecting());
    if (panButton) {
        child_->MakeActive();
        panning_ = true;
        panStart_ = event->position();
        panOffset_ = {};
        setCursor(Qt::ClosedHandCursor);
        return;
    }
    if (event->button() == Qt::LeftButton) child_->MakeActive();
    selection_.Press(ButtonOf(event), ImagePixel(event->position()), frame_.Mapping.PlotRect, SelectButtonDown());
}

void TDocumentCanvas::mouseMoveEvent(QMouseEvent* event)
{
    const CanvasPoint pixel = ImagePixel(event->position());
    if (panning_) {
        panOffset_ = event->position() - panStart_;
        update();
        return;
    }
    ShowCoordinates(pixel);
    if (selection_.Move(pixel, frame_.Mapping.PlotRect).RepaintBand) update();
}

void TDocumentCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    if (panning_) {
        const bool panButton = event->button() == Qt::MiddleButton || event->button() == Qt::LeftButton;
        if (panButton) FinishPan();
        return;
    }
    FinishSelection(selection_.Release(ButtonOf(event)));
}

void TDocumentCanvas::FinishPan()
{
    panning_ = false;
    unsetCursor();
    const QPointF moved = panOffset_ * image_.devicePixelRatio();
    panOffset_ = {};
    update();
    if (moved.isNull() || !document_) return;
    child_->ApplyViewChange(PanView(GlobalDocumentOptions(), frame_.Mapping, moved.x(), moved.y()));
}

void TDocumentCanvas::FinishSelection(const SelectionStep& step)
{
    if (step.RepaintBand) update();
    if (!step.Completed) return;
    if (step.ReleaseButton) child_->MainForm()->Button(CommandId::SelectInterval)->setChecked(false);
    child_->ApplyViewChange(SelectViewInterval(GlobalDocumentOptions(), frame_.Mapping, step.Corner1, step.Corner2));
}

void TDocumentCanvas::wheelEvent(QWheelEvent* event)
{
    event->accept();
    if (child_->MainForm()->Computing() || panning_ || selection_.Selecting() || !document_) return;
    // Shift turns the wheel sideways on some desktops.
    const QPoint angle = event->angleDelta();
    wheelRest_ += angle.y() != 0 ? angle.y() : angle.x();
    const int notches = wheelRest_ / kWheelNotch;
    wheelRest_ -= notches * kWheelNotch;
    if (notches == 0) return;
    const Qt::KeyboardModifiers keys = event->modifiers();
    const WheelAxes axes = keys & Qt::ControlModifier ? WheelAxes::XOnly
                           : keys & Qt::ShiftModifier ? WheelAxes::YOnly
                                                      : WheelAxes::Both;
    const CanvasPoint pixel = ImagePixel(event->position());
    child_->MakeActive();
    child_->ApplyViewChange(WheelZoom(GlobalDocumentOptions(), frame_.Mapping, pixel.x, pixel.y, notches, axes));
}

void TDocumentCanvas::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space) {
        if (!event->isAutoRepeat()) spaceHeld_ = true;
        return;
    }
    QWidget::keyPressEvent(event);
}

void TDocumentCanvas::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space) {
        if (!event->isAutoRepeat()) spaceHeld_ = false;
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void TDocumentCanvas::focusOutEvent(QFocusEvent* event)
{
    spaceHeld_ = false;
    QWidget::focusOutEvent(event);
}

void TDocumentCanvas::leaveEvent(QEvent* event)
{
    ShowCoordinates({-1, -1});
    QWidget::leaveEvent(event);
}

void TDocumentCanvas::ShowCoordinates(const CanvasPoint& pixel)
{
    QString text;
    if (document_ && !frame_.Mapping.PlotRect.IsEmpty() && InsidePlot(pixel, frame_.Mapping.PlotRect)) {
        const PlotMapping& m = frame_.Mapping;
        text = QString::fromStdString(
            PointerCoordinatesText(document_->Options, m.FromScreenX(pixel.x), m.FromScreenY(pixel.y)));
    }
    if (QLabel* panel = child_->MainForm()->StatusPanel(1)) {
        if (!text.isEmpty() || panel->property("coordinates").toBool()) panel->setText(text);
        panel->setProperty("coordinates", !text.isEmpty());
    }
}

void TDocumentCanvas::AbandonGestures()
{
    if (panning_) {
        panning_ = false;
        panOffset_ = {};
        unsetCursor();
        update();
    }
    if (selection_.Deactivate().RepaintBand) update();
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
    canvas_->SetTracePointer(&tracePointer_);
    canvas_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(canvas_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        if (canvas_->Panning() || canvas_->Selection().Selecting()) return;
        MakeActive();  // the menu works on the active document's options
        mainForm_->ShowDocumentPopup(canvas_->mapToGlobal(pos));
    });
    connect(this, &QMdiSubWindow::windowStateChanged, this, [this](Qt::WindowStates before, Qt::WindowStates now) {
        if ((before & Qt::WindowActive) && !(now & Qt::WindowActive)) AbandonSelection();
    });
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

void TMDIChild::AbandonSelection() { canvas_->AbandonGestures(); }

void TMDIChild::MakeActive()
{
    if (mainForm_->ActiveChild() != this) mainForm_->MdiArea()->setActiveSubWindow(this);
}

void TMDIChild::ApplyViewChange(const ViewChange& change)
{
    MakeActive();
    if (TakeViewChange(change)) mainForm_->ApplyGlobalOptions(this);
}

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
