#include "graphs_ui_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/ui/graph_commands.h"
#include "app/ui/graph_props_form.h"
#include "app/ui/main_form.h"
#include "app/ui/mdi_child.h"
#include "app/ui/message_dialog.h"
#include "support/ui_robots.h"

namespace vg::graphs_ui_test {

MainWindowFixture::MainWindowFixture()
{
    test::UseSettingsFolderIn(dir_);
    form_ = test::StartMainForm(InstallGraphCommands);
}

MainWindowFixture::~MainWindowFixture()
{
    for (TMDIChild* child : form_->Children()) child->SetModified(false);
    form_.reset();
}

TMDIChild& MainWindowFixture::Child() { return *form_->ActiveChild(); }

void SetText(TGraphPropsForm& dialog, const char* name, const QString& text)
{
    auto* edit = dialog.findChild<QLineEdit*>(name);
    ASSERT_NE(edit, nullptr) << name;
    edit->setText(text);
}

void PressOK(TGraphPropsForm& dialog) { dialog.OKButton->click(); }

}  // namespace vg::graphs_ui_test
