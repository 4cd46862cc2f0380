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

namespace vg::graphs_ui_test {

ModalScript::ModalScript()
{
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, &ModalScript::Poll);
    timer_.start();
}

ModalScript::~ModalScript()
{
    EXPECT_TRUE(steps_.empty()) << steps_.size() << " modal windows never came";
}

void ModalScript::Then(Step step) { steps_.push_back(std::move(step)); }

void ModalScript::Dialog(std::function<void(TGraphPropsForm&)> step)
{
    Then([step](QWidget* modal) {
        auto* dialog = qobject_cast<TGraphPropsForm*>(modal);
        ASSERT_NE(dialog, nullptr) << modal->metaObject()->className();
        step(*dialog);
    });
}

void ModalScript::Press(TMsgDlgBtn button)
{
    Then([this, button](QWidget* modal) {
        auto* box = qobject_cast<TMessageDialog*>(modal);
        ASSERT_NE(box, nullptr) << modal->metaObject()->className();
        messages_.append(box->findChild<QLabel*>("Text")->text());
        box->Button(button)->click();
    });
}

void ModalScript::Poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible() || modal == last_) return;
    last_ = modal;
    if (steps_.empty()) {
        ADD_FAILURE() << "unexpected modal window " << modal->metaObject()->className();
        QTimer::singleShot(0, modal, [modal] { modal->close(); });
        return;
    }
    Step step = std::move(steps_.front());
    steps_.pop_front();
    // Run outside this timer, which must keep polling while the step opens
    // windows of its own.
    QTimer::singleShot(0, modal, [this, step, modal] {
        step(modal);
        last_ = nullptr;  // the same window may come back for the next step
    });
}

MainWindowFixture::MainWindowFixture()
{
    qputenv("VGRAPH_CONFIG_DIR", dir_.filePath("config").toUtf8());
    QDir().mkpath(dir_.filePath("config"));
    form_ = std::make_unique<TMainForm>();
    InstallGraphCommands(*form_);
    form_->Start({});
    for (int i = 0; i < 50 && !form_->Initialized(); ++i) QApplication::processEvents();
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
