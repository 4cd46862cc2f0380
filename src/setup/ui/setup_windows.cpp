#include "setup/ui/setup_windows.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>

#include <filesystem>
#include <iostream>
#include <memory>
#include <sstream>

#include "setup/setup_cli.h"
#include "setup/setup_texts.h"
#include "setup/ui/backdrop_form.h"
#include "setup/ui/folder_form.h"
#include "setup/ui/install_form.h"
#include "setup/ui/setup_messages.h"
#include "setup/ui/setup_pages.h"

namespace vg::installer {
namespace {

QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

// The flow's pages as modal windows over the backdrop.
class WindowFrontEnd : public InstallFrontEnd, public ExtractionObserver {
public:
    explicit WindowFrontEnd(TMainForm& backdrop) : backdrop_(backdrop) {}

    void ShowWelcome() override
    {
        TWelcomeForm form(&backdrop_);
        form.exec();
    }

    bool AcceptLicense(const std::string& licenseText) override
    {
        TLicenseForm form(Q(licenseText), &backdrop_);
        return form.exec() == TLicenseForm::kYes;
    }

    std::optional<std::string> ChooseFolder(const std::string& proposed) override
    {
        TFirstForm form(Q(proposed), &backdrop_);
        if (form.exec() != QDialog::Accepted)
            return std::nullopt;
        return form.Folder().toStdString();
    }

    ExtractionObserver& BeginExtraction() override
    {
        install_ = std::make_unique<TInstallForm>(&backdrop_);
        install_->SetInfo(setup_text::kPreparation);
        install_->SetPosition(0);
        install_->PlaceOnScreen();
        install_->show();
        Pump();
        return *this;
    }

    void FileStarted(const std::string& name) override
    {
        install_->SetInfo(Q(ExtractingText(name)));
        Pump();
    }

    void ProgressChanged(int position) override
    {
        if (position != install_->Position()) {
            install_->SetPosition(position);
            Pump();
        }
    }

    void EntryFinished(const std::string&, int result) override
    {
        if (result != 0)
            install_->SetFailedCount(++failed_);
    }

    bool ContinueAfterFailures(const std::vector<FailedEntry>& failures) override
    {
        return AskSetupWarning(install_.get(), Q(FailureSummaryText(failures)));
    }

    void EndExtraction() override
    {
        if (install_)
            install_->hide();
    }

    std::size_t ChooseLanguage(const std::vector<std::string>& items) override
    {
        TLanguageForm form(items, &backdrop_);
        form.exec();
        return static_cast<std::size_t>(form.ChosenItem());
    }

    void IntegrationWritten(const std::vector<std::string>&) override {}

    void ShowError(const std::string& text) override { ShowSetupError(&backdrop_, Q(text)); }

private:
    static void Pump() { QCoreApplication::processEvents(); }

    TMainForm& backdrop_;
    std::unique_ptr<TInstallForm> install_;
    std::size_t failed_ = 0;
};

void ShowBackdrop(TMainForm& backdrop)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        backdrop.setGeometry(screen->availableGeometry());
    backdrop.showMaximized();
}

}  // namespace

int RunSetupWindowsFlow(const InstallOptions& options)
{
    TMainForm backdrop;
    ShowBackdrop(backdrop);
    int status = kInstallIncomplete;
    try {
        WindowFrontEnd ui(backdrop);
        status = RunInstallFlow(ui, options);
    } catch (const std::filesystem::filesystem_error&) {
        ShowSetupError(&backdrop, setup_text::kInputOutputError);
    } catch (const std::ios_base::failure&) {
        ShowSetupError(&backdrop, setup_text::kInputOutputError);
    } catch (const std::exception& e) {
        ShowSetupError(&backdrop, QString::fromLocal8Bit(e.what()));
    }
    backdrop.close();
    return status;
}

int RunUninstallWindowsFlow(const std::string& installFolder)
{
    if (!AskSetupQuestion(nullptr, Q(UninstallQuestionText(installFolder))))
        return kSetupExitFailed;
    std::ostringstream problems;
    const int status = UninstallAndReport(installFolder, std::cout, problems);
    if (status == kSetupExitOk)
        ShowSetupInformation(nullptr, Q(UninstalledText(installFolder)));
    else
        ShowSetupError(nullptr, Q(problems.str()));
    std::cerr << problems.str();
    return status;
}

int RunSetupWindows(int argc, char** argv, const InstallOptions& options)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(setup_text::kApplicationTitle);
    int status = kInstallIncomplete;
    QTimer::singleShot(0, [&] {
        status = RunSetupWindowsFlow(options);
        QApplication::quit();
    });
    QApplication::exec();
    return status;
}

int RunUninstallWindows(int argc, char** argv, const std::string& installFolder)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(setup_text::kUninstallCaption);
    return RunUninstallWindowsFlow(installFolder);
}

}  // namespace vg::installer
