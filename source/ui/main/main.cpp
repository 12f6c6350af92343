#include "base_design.h"
#include "base_window.h"
#include "display_guard.h"
#include "look.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <optional>

int main(int argc, char* argv[])
{
    std::future<void> fontConfiguration = corvane::ui::ReadFontConfigurationAhead();
    std::optional<corvane::ui::DisplayGuard> displayGuard(std::in_place);
    QApplication application(argc, argv);
    displayGuard.reset();

    // The print dialog and the standard buttons come from Qt; in the user's
    // language when Qt's translations are installed, as the rest is French.
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    // Before any widget exists, so every font the window asks for resolves
    // to the faces this system has.
    corvane::ui::InstallFontSubstitutions();
    // The window's own font is the program's: every text box lays out its
    // empty text in the application font while it is created, so any other
    // font would be loaded for nothing before the window's own.
    const corvane::ui::FontDesign& font = corvane::ui::BaseDefaultFont;
    QApplication::setFont(corvane::ui::DesignFont(font.face, font.points, font.bold));

    // The first text laid out would otherwise read the configuration again.
    fontConfiguration.wait();
    corvane::ui::Base base;
    base.show();
    return application.exec();
}
