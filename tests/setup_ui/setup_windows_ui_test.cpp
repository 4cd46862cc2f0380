#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <deque>
#include <functional>

#include "setup/install_test_support.h"
#include "setup/ui/backdrop_form.h"
#include "setup/ui/folder_form.h"
#include "setup/ui/install_form.h"
#include "setup/ui/setup_windows.h"

namespace vg::installer {
namespace {

namespace fs = std::filesystem;

// Plays the user: whenever another window becomes the modal one, the next
// step of the script acts on it. Each step names the window it expects (a
// page's caption, or a message box's text).
class PageRobot {
public:
    struct Step {
        QString Expected;
        std::function<void(QWidget*)> Act;
    };

    explicit PageRobot(std::deque<Step> script) : script_(std::move(script))
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Look(); });
        timer_.start(10);
    }

    const QStringList& Seen() const { return seen_; }
    bool Finished() const { return script_.empty(); }

private:
    static QString KeyOf(QWidget* w)
    {
        if (auto* box = qobject_cast<QMessageBox*>(w))
            return box->text();
        return w->windowTitle();
    }

    void Look()
    {
        QWidget* active = QApplication::activeModalWidget();
        if (active == nullptr || !active->isVisible()) {
            last_ = nullptr;
            return;
        }
        const QString key = KeyOf(active);
        if (active == last_ && key == lastKey_)
            return;
        last_ = active;
        lastKey_ = key;
        seen_ << key;
        if (script_.empty() || script_.front().Expected != key) {
            // Not in the script: get out of the flow (a question is
            // answered Yes, which ends or shortens every flow).
            if (auto* box = qobject_cast<QMessageBox*>(active))
                QTimer::singleShot(0, box, [box] { box->done(QMessageBox::Yes); });
            else
                QTimer::singleShot(0, active, [active] { active->close(); });
            return;
        }
        Step step = script_.front();
        script_.pop_front();
        // Acting later: a click may open a nested modal loop of its own.
        QTimer::singleShot(0, active, [step, active] { step.Act(active); });
    }

    std::deque<Step> script_;
    QTimer timer_;
    QWidget* last_ = nullptr;
    QString lastKey_;
    QStringList seen_;
};

void Click(QWidget* w, const char* button)
{
    auto* b = w->findChild<QPushButton*>(button);
    ASSERT_NE(b, nullptr) << button;
    b->click();
}

std::function<void(QWidget*)> Press(const char* button)
{
    return [button](QWidget* w) { Click(w, button); };
}

std::function<void(QWidget*)> Answer(QMessageBox::StandardButton answer)
{
    return [answer](QWidget* w) { qobject_cast<QMessageBox*>(w)->button(answer)->click(); };
}

std::function<void(QWidget*)> EnterFolder(const fs::path& folder)
{
    return [folder](QWidget* w) {
        w->findChild<QLineEdit*>("DirNameEdit")->setText(QString::fromStdString(folder.string()));
        Click(w, "OKButton");
    };
}

std::function<void(QWidget*)> ChooseLanguage(int row)
{
    return [row](QWidget* w) {
        w->findChild<QListWidget*>("LanguageListBox")->setCurrentRow(row);
        Click(w, "OKButton");
    };
}

class SetupWindows : public ::testing::Test {
protected:
    int RunFlow(std::deque<PageRobot::Step> script, const std::string& corruptEntry = {})
    {
        const fs::path archive = sandbox.Root() / "Setup.dat";
        test::WriteFileBytes(archive, test::ProgramLikeArchive(corruptEntry));
        PageRobot robot(std::move(script));
        const int status = RunSetupWindowsFlow(InstallOptions{archive, false});
        seen = robot.Seen();
        EXPECT_TRUE(robot.Finished()) << seen.join(" | ").toStdString();
        return status;
    }

    test::InstallSandbox sandbox;
    QStringList seen;
};

TEST_F(SetupWindows, pagesComeInTheirOrder_andTheChosenLanguageIsWritten)
{
    const fs::path dir = sandbox.InstallFolder();
    const int status = RunFlow({{"Welcome", Press("OKButton")},
                                {"License", Press("YesButton")},
                                {"Select Directory", EnterFolder(dir)},
                                {"Select Language", ChooseLanguage(2)}});
    EXPECT_EQ(status, 0);
    EXPECT_EQ(seen, (QStringList{"Welcome", "License", "Select Directory", "Select Language"}));
    const std::string lang = dir.string() + "/share/vgraph/lang/";
    EXPECT_EQ(sandbox.LanguagesLine(), "Languages=?" + lang + "german.vgl?!?" + lang + "french.vgl?");
    EXPECT_TRUE(fs::exists(dir / "bin/VGraph"));
}

TEST_F(SetupWindows, declinedLicence_endsSetup)
{
    EXPECT_NE(RunFlow({{"Welcome", Press("OKButton")}, {"License", Press("NoButton")}}), 0);
    EXPECT_EQ(seen, (QStringList{"Welcome", "License"}));
    EXPECT_FALSE(fs::exists(sandbox.InstallFolder()));
}

TEST_F(SetupWindows, folderPage_refusesBadFolders_andAsksBeforeAborting)
{
    const int status = RunFlow({{"Welcome", Press("OKButton")},
                                {"License", Press("YesButton")},
                                {"Select Directory", EnterFolder(sandbox.Root() / "no/such")},
                                {"Incorrect directory name", Answer(QMessageBox::Ok)},
                                {"Select Directory", EnterFolder(sandbox.Root() / "what?")},
                                {"Incorrect directory name", Answer(QMessageBox::Ok)},
                                {"Select Directory", Press("CancelButton")},
                                {"Do you want to abort the installation?", Answer(QMessageBox::No)},
                                {"Select Directory", [](QWidget* w) { w->close(); }},
                                {"Do you want to abort the installation?", Answer(QMessageBox::Yes)}});
    EXPECT_NE(status, 0);
    EXPECT_EQ(seen.size(), 10);
    EXPECT_FALSE(fs::exists(sandbox.Root() / "no"));
    EXPECT_FALSE(fs::exists(sandbox.Root() / "what?"));
    EXPECT_FALSE(fs::exists(sandbox.SettingsFile()));
}

TEST_F(SetupWindows, failedEntry_isListed_andAbortingRemovesWhatArrived)
{
    const QString summary =
        "These files could not be installed:\n\nbin/vgraph-cli: CRC error\n\nDo you want to continue the installation?";
    const int status = RunFlow({{"Welcome", Press("OKButton")},
                                {"License", Press("YesButton")},
                                {"Select Directory", EnterFolder(sandbox.InstallFolder())},
                                {summary, Answer(QMessageBox::No)}},
                               "bin/vgraph-cli");
    EXPECT_NE(status, 0);
    EXPECT_FALSE(fs::exists(sandbox.InstallFolder()));
    EXPECT_FALSE(fs::exists(sandbox.SettingsFile()));
}

TEST(SetupFolderPage, browseProposesTheProgramFolderInsideTheChosenOne)
{
    test::TempFolder root;
    TFirstForm form(QString::fromStdString((root / "missing/vantor-graphs").string()));
    QString startedIn;
    form.SetFolderChooser([&](QWidget*, const QString& start) {
        startedIn = start;
        return QString("/home/user/programs");
    });
    Click(&form, "BrowseButton");
    EXPECT_EQ(startedIn.toStdString(), root.path().string());
    EXPECT_EQ(form.findChild<QLineEdit*>("DirNameEdit")->text(), "/home/user/programs/vantor-graphs");
}

TEST(SetupBackdrop, fadesFromBlueToBlackIn128Bands)
{
    EXPECT_EQ(TMainForm::BandColor(0), QColor(0, 0, 210));
    EXPECT_EQ(TMainForm::BandColor(64), QColor(0, 0, 105));
    EXPECT_EQ(TMainForm::BandColor(127), QColor(0, 0, 2));
    TMainForm backdrop;
    backdrop.resize(300, 256);
    const QImage image = backdrop.grab().toImage();
    for (int band : {0, 1, 50, 127}) {
        const int row = TMainForm::BandTop(band, 256);
        EXPECT_EQ(image.pixelColor(150, row), TMainForm::BandColor(band)) << band;
        EXPECT_EQ(image.pixelColor(150, row + 1), TMainForm::BandColor(band)) << band;
    }
}

TEST(SetupInstallWindow, sitsNearTheBottomRight_andCountsFailures)
{
    EXPECT_EQ(TInstallForm::PlacementFor(QSize(1280, 800), QSize(380, 90)), QPoint(880, 680));
    TInstallForm form;
    form.SetInfo("Extracting share/vgraph/help/index.html...");
    EXPECT_EQ(form.Info(), "Extracting share/vgraph/help/index.html...");
    form.SetPosition(42);
    EXPECT_EQ(form.Position(), 42);
    auto* failures = form.findChild<QLabel*>("FailureLabel");
    ASSERT_NE(failures, nullptr);
    EXPECT_TRUE(failures->isHidden());
    form.SetFailedCount(2);
    EXPECT_FALSE(failures->isHidden());
    EXPECT_EQ(failures->text(), "Files not installed: 2");
}

}  // namespace
}  // namespace vg::installer
