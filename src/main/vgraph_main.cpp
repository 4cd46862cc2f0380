#include "app/ui/main_form.h"

#include <QApplication>
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
    QApplication::setApplicationName("Vantor Graphs");
    vg::TMainForm form;
    form.showMaximized();
    return QApplication::exec();
}
