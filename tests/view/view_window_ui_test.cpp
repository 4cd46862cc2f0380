// The view commands, the mouse and the trace on the real main window
// (offscreen): each changes the document's interval as one undo step, and
// the overlays are painted over the picture without touching it.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QWheelEvent>

#include <memory>
#include <string>
#include <vector>

#include "app/message_dialog_model.h"
#include "app/ui/main_form.h"
#include "app/ui/mdi_child.h"
#include "app/ui/trace_form.h"
#include "app/ui/view_commands.h"
#include "app/undo_manager.h"
#include "app/view_interval.h"
#include "document/apply_options.h"
#include "document/graph_model.h"
#include "support/ui_robots.h"

namespace vg {
namespace {

class ViewWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        test::UseSettingsFolderIn(dir_);
        form_ = test::StartMainForm(InstallViewCommands);
        ASSERT_NE(form_->ActiveChild(), nullptr);
        child_ = form_->ActiveChild();
        child_->showMaximized();
        Settle();
    }

    void TearDown() override
    {
        for (TMDIChild* child : form_->Children()) child->SetModified(false);
        form_.reset();
    }

    // Lets the window lay itself out and draw its picture.
    void Settle()
    {
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
        Canvas()->grab();
    }

    TDocumentCanvas* Canvas() const { return child_->Canvas(); }
    const DocumentOptions& Options() const { return child_->Document().Options; }
    std::string UndoText() const { return form_->Item(CommandId::Undo)->text().toStdString(); }
    std::size_t UndoSteps() const { return child_->UndoManager().UndoList().size(); }

    // The widget position of an image pixel (ratio 1 offscreen).
    QPointF At(long double u, long double v) const
    {
        const PlotMapping& m = Canvas()->Frame().Mapping;
        return QPointF(m.ToScreenX(u) + 0.5, m.ToScreenY(v) + 0.5);
    }

    void Mouse(QEvent::Type type, QPointF pos, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QMouseEvent event(type, pos, Canvas()->mapToGlobal(pos), button, held, Qt::NoModifier);
        QApplication::sendEvent(Canvas(), &event);
    }

    void Wheel(QPointF pos, int angle, Qt::KeyboardModifiers keys = Qt::NoModifier)
    {
        QWheelEvent event(pos, Canvas()->mapToGlobal(pos), QPoint(), QPoint(0, angle), Qt::NoButton, keys,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(Canvas(), &event);
        Settle();
    }

    void SetOptions(const DocumentOptions& d)
    {
        ApplyDocumentOptions(child_->Document(), d);
        GlobalDocumentOptionsFromChild();
        Settle();
    }

    void GlobalDocumentOptionsFromChild()
    {
        // Activation copies the document's records into the program-wide ones.
        form_->MdiArea()->setActiveSubWindow(nullptr);
        form_->MdiArea()->setActiveSubWindow(child_);
    }

    QTemporaryDir dir_;
    std::unique_ptr<TMainForm> form_;
    TMDIChild* child_ = nullptr;
};

TEST_F(ViewWindow, intervalButtonsAreUndoneOneByOne)
{
    form_->Button(CommandId::IncreaseXY)->trigger();
    EXPECT_EQ(Options().MaxX.Get(), 20);
    EXPECT_EQ(Options().LabelsYStep.Get(), 2);
    form_->Button(CommandId::MoveRight)->trigger();
    EXPECT_EQ(Options().MinX.Get(), 0);
    EXPECT_EQ(UndoText(), "&Undo Change options");
    EXPECT_EQ(UndoSteps(), 2u);
    form_->Item(CommandId::Undo)->trigger();
    EXPECT_EQ(Options().MinX.Get(), -20);
    form_->Item(CommandId::Undo)->trigger();
    EXPECT_EQ(Options().MaxX.Get(), 10);
    EXPECT_EQ(UndoText(), "&Undo");
    // Centre and the sets are commands like the buttons.
    form_->Item(CommandId::TrigonometricalSet)->trigger();
    EXPECT_EQ(Options().LabelsXSuffix.View(), "p");
    form_->Item(CommandId::StandardOptions)->trigger();
    EXPECT_EQ(Options().LabelsXSuffix.View(), "");
    EXPECT_EQ(UndoSteps(), 2u);
}

TEST_F(ViewWindow, aRefusedChangeShowsItsMessageAndRecordsNothing)
{
    DocumentOptions d = Options();
    d.MinX = -6e99L;
    d.MaxX = 6e99L;
    SetOptions(d);
    const std::size_t steps = UndoSteps();
    std::vector<std::string> messages;
    ScopedMessageDialogHandler answer([&messages](const std::string& text, TMsgDlgType, TMsgDlgButtons, int) {
        messages.push_back(text);
        return mrOk;
    });
    form_->Button(CommandId::IncreaseX)->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], kXBoundaryMessage);
    EXPECT_EQ(Options().MaxX.Get(), 6e99L);
    EXPECT_EQ(UndoSteps(), steps);
}

TEST_F(ViewWindow, theWheelZoomsAboutThePointer)
{
    const QPointF origin = At(0, 0);
    Wheel(origin, 120);
    EXPECT_NEAR(static_cast<double>(Options().MinX.Get()), -5, 0.1);
    EXPECT_NEAR(static_cast<double>(Options().MaxY.Get()), 5, 0.1);
    EXPECT_EQ(UndoSteps(), 1u);
    // Half a notch does nothing yet; the second half completes it.
    Wheel(At(0, 0), -60, Qt::ControlModifier);
    EXPECT_EQ(UndoSteps(), 1u);
    const long double maxY = Options().MaxY.Get();
    Wheel(At(0, 0), -60, Qt::ControlModifier);
    EXPECT_EQ(UndoSteps(), 2u);
    EXPECT_NEAR(static_cast<double>(Options().MaxX.Get()), 10, 0.2);
    EXPECT_EQ(Options().MaxY.Get(), maxY);  // Ctrl: X only
    EXPECT_EQ(UndoText(), "&Undo Change options");
}

TEST_F(ViewWindow, aRectangleDraggedWithTheLatchedButtonBecomesTheInterval)
{
    QAction* select = form_->Button(CommandId::SelectInterval);
    select->trigger();
    ASSERT_TRUE(select->isChecked());
    const QPointF a = At(-5, 5), b = At(5, -5);
    // A drag of five pixels selects nothing and leaves the button down.
    Mouse(QEvent::MouseButtonPress, a, Qt::LeftButton, Qt::LeftButton);
    Mouse(QEvent::MouseMove, a + QPointF(5, 5), Qt::NoButton, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, a + QPointF(5, 5), Qt::LeftButton, Qt::NoButton);
    EXPECT_TRUE(select->isChecked());
    EXPECT_EQ(UndoSteps(), 0u);

    Mouse(QEvent::MouseButtonPress, a, Qt::LeftButton, Qt::LeftButton);
    Mouse(QEvent::MouseMove, b, Qt::NoButton, Qt::LeftButton);
    ASSERT_TRUE(Canvas()->Selection().Band());
    // The band is painted over the picture, in its inverse colours.
    const QImage shown = Canvas()->grab().toImage();
    const CanvasRect band = *Canvas()->Selection().Band();
    const int x = band.left + (band.top % 2 == band.left % 2 ? 0 : 1);
    EXPECT_EQ(shown.pixel(x, band.top) & 0xFFFFFF, ~Canvas()->Image().pixel(x, band.top) & 0xFFFFFF);
    Mouse(QEvent::MouseButtonRelease, b, Qt::LeftButton, Qt::NoButton);
    Settle();
    EXPECT_FALSE(select->isChecked());
    EXPECT_NEAR(static_cast<double>(Options().MinX.Get()), -5, 0.1);
    EXPECT_NEAR(static_cast<double>(Options().MaxY.Get()), 5, 0.1);
    EXPECT_EQ(UndoSteps(), 1u);
    EXPECT_FALSE(Canvas()->Selection().Band());
}

TEST_F(ViewWindow, aMiddleDragPansAsOneUndoStep)
{
    const PlotMapping before = Canvas()->Frame().Mapping;
    const QPointF start = At(0, 0);
    const QPointF delta(3 * before.PixelsPerUnitX, -2 * before.PixelsPerUnitY);
    Mouse(QEvent::MouseButtonPress, start, Qt::MiddleButton, Qt::MiddleButton);
    for (int i = 1; i <= 4; ++i)
        Mouse(QEvent::MouseMove, start + delta * i / 4, Qt::NoButton, Qt::MiddleButton);
    EXPECT_TRUE(Canvas()->Panning());
    EXPECT_EQ(Options().MinX.Get(), -10);  // nothing changes before the release
    Mouse(QEvent::MouseButtonRelease, start + delta, Qt::MiddleButton, Qt::NoButton);
    Settle();
    // The origin followed the pointer 3 units right and 2 up.
    EXPECT_NEAR(static_cast<double>(Options().MinX.Get()), -13, 0.05);
    EXPECT_NEAR(static_cast<double>(Options().MinY.Get()), -12, 0.05);
    EXPECT_EQ(Options().LabelsXStep.Get(), 1);
    EXPECT_EQ(UndoSteps(), 1u);
    form_->Item(CommandId::Undo)->trigger();
    EXPECT_EQ(Options().MinX.Get(), -10);
}

TEST_F(ViewWindow, theStatusBarReadsTheCoordinatesUnderThePointer)
{
    Mouse(QEvent::MouseMove, At(2.5L, -1), Qt::NoButton, Qt::NoButton);
    const QString text = form_->StatusPanel(1)->text();
    const QStringList parts = text.split(':');
    ASSERT_EQ(parts.size(), 2) << text.toStdString();
    EXPECT_NEAR(parts[0].toDouble(), 2.5, 0.1);
    EXPECT_NEAR(parts[1].toDouble(), -1, 0.1);
    EXPECT_EQ(parts[0].section('.', 1).size(), 2);  // a width of 20: two decimals
    Mouse(QEvent::MouseMove, QPointF(1, 1), Qt::NoButton, Qt::NoButton);  // outside the plot
    EXPECT_TRUE(form_->StatusPanel(1)->text().isEmpty());
}

TEST_F(ViewWindow, theTraceCrossFollowsTheScrollBarAndGoesWithTheWindow)
{
    GraphRecord r = NewGraphRecord(Options());
    r.Formula.Assign("x/2");
    TFunction& graph = child_->Document().AddGraph(r);
    child_->Document().ComputeGraph(graph, Options(), 0);
    GraphRecord eq = NewGraphRecord(Options());
    ApplyKindDefaults(eq, GraphKind::Equation, Options());
    eq.Formula.Assign("x^2+y^2-1");
    child_->Document().AddGraph(eq);
    form_->RebuildGraphsList();
    Settle();

    TTraceForm trace(*child_, 0, form_.get());
    trace.show();
    EXPECT_EQ(trace.TraceScrollBar()->maximum(), 201);
    EXPECT_EQ(trace.ValueLabel(0)->text(), "X=-10");
    EXPECT_EQ(trace.ValueLabel(1)->text(), "Y=-5");
    EXPECT_TRUE(child_->TracePointer().Active);
    trace.TraceScrollBar()->setValue(141);  // x = 4
    EXPECT_EQ(trace.ValueLabel(0)->text(), "X=4");
    EXPECT_EQ(trace.ValueLabel(1)->text(), "Y=2");

    // The cross: the picture's pixels inverted, the picture itself unchanged.
    const QImage shown = Canvas()->grab().toImage();
    const QPointF centre = At(4, 2);
    const int cx = int(centre.x()), cy = int(centre.y());
    for (int dx : {-15, -3, 0, 7, 15})
        EXPECT_EQ(shown.pixel(cx + dx, cy) & 0xFFFFFF, ~Canvas()->Image().pixel(cx + dx, cy) & 0xFFFFFF);
    EXPECT_EQ(shown.pixel(cx + 16, cy), Canvas()->Image().pixel(cx + 16, cy));

    trace.FuncComboBox()->setCurrentIndex(1);
    EXPECT_FALSE(child_->TracePointer().Active);
    EXPECT_FALSE(trace.TraceScrollBar()->isEnabled());
    EXPECT_EQ(trace.MessageLabel()->text(), "The tracing is impossible");

    trace.FuncComboBox()->setCurrentIndex(0);
    EXPECT_TRUE(child_->TracePointer().Active);
    trace.reject();
    EXPECT_FALSE(child_->TracePointer().Active);
}

}  // namespace
}  // namespace vg
