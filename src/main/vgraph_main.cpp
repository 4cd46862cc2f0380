#include "app/app_globals.h"
#include "app/ui/main_form.h"
#include "app/ui/splash_screen.h"
#include "app/ui/message_dialog.h"
#include "app/ui/translate_component.h"
#include "main/command_modules.h"

#include <QApplication>
#include <clocale>
#include <cstdio>
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

}  // namespace

int main(int argc, char** argv)
{
    if (HandleInfoArgument(argc, argv)) return 0;
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
