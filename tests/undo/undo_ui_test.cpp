// The Edit menu's Undo and Redo and the Standard toolbar's buttons on the
// real main window: they follow the active document's own history.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QMdiArea>
#include <QTemporaryDir>

#include <memory>

#include "app/graph_operations.h"
#include "app/ui/main_form.h"
#include "app/ui/mdi_child.h"
#include "app/undo_manager.h"
#include "document/document_options.h"
#include "document/graph_model.h"
#include "support/ui_robots.h"

namespace vg {
namespace {

class UndoCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        test::UseSettingsFolderIn(dir_);
        form_ = test::StartMainForm();
        ASSERT_NE(form_->ActiveChild(), nullptr);
    }

    void TearDown() override
    {
        for (TMDIChild* child : form_->Children()) child->SetModified(false);
        form_.reset();
    }

    QAction* UndoItem() const { return form_->Item(CommandId::Undo); }
    QAction* RedoItem() const { return form_->Item(CommandId::Redo); }
    bool UndoOn() const { return UndoItem()->isEnabled() && form_->Button(CommandId::Undo)->isEnabled(); }
    bool RedoOn() const { return RedoItem()->isEnabled() && form_->Button(CommandId::Redo)->isEnabled(); }

    QTemporaryDir dir_;
    std::unique_ptr<TMainForm> form_;
};

TEST_F(UndoCommands, gridToggle_isUndoneAndRedoneFromTheEditMenu)
{
    TMDIChild* child = form_->ActiveChild();
    EXPECT_FALSE(UndoOn());
    EXPECT_FALSE(RedoOn());
    EXPECT_EQ(UndoItem()->text(), "&Undo");

    const uint8_t before = child->Document().Options.HorLines;
    form_->Item(CommandId::HorLinesToggle)->trigger();
    EXPECT_NE(child->Document().Options.HorLines, before);
    EXPECT_TRUE(UndoOn());
    EXPECT_EQ(UndoItem()->text(), "&Undo Change options");

    UndoItem()->trigger();
    EXPECT_EQ(child->Document().Options.HorLines, before);
    EXPECT_FALSE(UndoOn());
    EXPECT_TRUE(RedoOn());
    EXPECT_EQ(RedoItem()->text(), "&Redo Change options");

    form_->Button(CommandId::Redo)->trigger();
    EXPECT_NE(child->Document().Options.HorLines, before);
    EXPECT_TRUE(UndoOn());
    EXPECT_FALSE(RedoOn());
}

TEST_F(UndoCommands, eachWindowsHistory_drivesTheCommandsAndItsGraphList)
{
    TMDIChild* first = form_->ActiveChild();
    DocumentOptions d = DefaultDocumentOptions();
    GraphRecord record = NewGraphRecord(d);
    record.Formula.Assign("X");
    AddGraphToDocument(first->Document(), record);
    AddGraphToDocument(first->Document(), record);
    // Activating the window again rebuilds its lists.
    form_->NewDocument();
    QApplication::processEvents();
    EXPECT_FALSE(UndoOn());
    form_->MdiArea()->setActiveSubWindow(first);
    QApplication::processEvents();
    EXPECT_TRUE(UndoOn());  // the other window's own history
    auto* list = form_->findChild<QComboBox*>("FuncComboBox");
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(UndoItem()->text(), "&Undo Add graph");

    UndoItem()->trigger();
    EXPECT_EQ(first->Document().GraphCount(), 1);
    EXPECT_EQ(list->count(), 1);
    RedoItem()->trigger();
    EXPECT_EQ(list->count(), 2);
}

}  // namespace
}  // namespace vg
