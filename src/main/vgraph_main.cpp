#include "app/app_globals.h"
#include "app/ui/main_form.h"
#include "app/ui/splash_screen.h"
#include "app/ui/message_dialog.h"
#include "app/ui/translate_component.h"
#include "main/command_modules.h"
#include "platform/display_check.h"

#include <QApplication>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool HandleInfoArgument(int argc, char** argv)
{
    if (argc < 2) return false;
    if (std::strcmp(argv[1], "--help") == 0) {
        std::printf("Usage: VGraph [DOCUMENT.vgr]\n"
                    "Plots and analyses mathematical functions.\n"
                    "  --help     show this text\n"
                    "  --version  show the program version\n");
        return true;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::printf("Vantor Graphs %s\n", VG_VERSION);
        return true;
    }
    return false;
}

std::string_view EnvironmentValue(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string_view(value) : std::string_view();
}

// Without a display the windowing library would abort the program with a
// long and misleading text: say it in one line instead, before it starts.
bool ReportMissingDisplay(int argc, char** argv)
{
    vg::DisplayEnvironment e{EnvironmentValue("QT_QPA_PLATFORM"), EnvironmentValue("DISPLAY"),
                             EnvironmentValue("WAYLAND_DISPLAY")};
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0) e.Platform = argv[i + 1];
    const std::string reason = vg::MissingDisplayReason(e);
    if (reason.empty()) return false;
    std::fprintf(stderr, "VGraph: %s\n", reason.c_str());
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (HandleInfoArgument(argc, argv)) return 0;
    if (ReportMissingDisplay(argc, argv)) return 1;
    QApplication app(argc, argv);
    // QApplication took the C library's locale from the environment; numbers
    // must never be written or read with a decimal comma.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName("Vantor Graphs");
    QApplication::setApplicationDisplayName("Vantor Graphs");
    QApplication::setDesktopFileName("vgraph");
    std::unique_ptr<QSplashScreen> splash = vg::ShowStartWindow();
    vg::InstallMessageDialog();
    std::string languages = vg::ReadLanguagesSetting();
    std::unique_ptr<vg::TQtTranslator> translator = vg::StartTranslator(languages);
    vg::TMainForm form;
    vg::InstallCommandModules(form);
    // The translator may have dropped a language file it could not read.
    vg::ProgramOptions().Common.Languages = languages;
    translator->TranslateAll();
    splash->close();
    form.Start(QApplication::arguments().mid(1));
    int exitCode = QApplication::exec();
    vg::SetTranslator(nullptr);
    return exitCode;
}
