#include "atelier_window.h"
#include "display_guard.h"
#include "file_names.h"
#include "interface_language.h"
#include "look.h"

#include <QApplication>
#include <QStringList>

#include <cstdio>
#include <cstring>
#include <optional>

namespace {

constexpr const char* ProgramName = "corvane-atelier";

// --help and --version answer without a display.
bool AnswerInformationOption(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::printf(
                "Usage : %s [FICHIER.corvane]\n"
                "Conception de touches droites ou en éventail, et gabarits en grandeur réelle.\n"
                "\n"
                "  FICHIER.corvane  ouvre ce dessin\n"
                "  --help           affiche cette aide\n"
                "  --version        affiche la version\n",
                ProgramName);
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("%s %s\n", ProgramName, CORVANE_VERSION);
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    if (AnswerInformationOption(argc, argv))
        return 0;

    // Read while the application connects to the display.
    std::future<void> fontConfiguration = corvane::ui::ReadFontConfigurationAhead();
    std::optional<corvane::ui::DisplayGuard> displayGuard(std::in_place, ProgramName);
    QApplication application(argc, argv);
    displayGuard.reset();
    QApplication::setOrganizationName(QStringLiteral("Corvane"));
    QApplication::setApplicationName(QStringLiteral("Atelier"));
    QApplication::setApplicationVersion(QStringLiteral(CORVANE_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.corvane.Corvane.Atelier"));
    corvane::language::InstallInterfaceLanguage(application, QStringLiteral("corvane-atelier"));

    // The first text laid out would otherwise read the configuration again.
    fontConfiguration.wait();
    corvane::atelier::AtelierWindow window;
    window.show();
    // Qt has taken its own options out of argv: what is left after the
    // program's name is the design to open, its name kept byte for byte.
    if (argc > 1)
        window.openFile(corvane::drawing::FileNameFromNative(argv[1]));
    return application.exec();
}
