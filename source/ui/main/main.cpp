#include "base_window.h"
#include "look.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);

    // The print dialog and the standard buttons come from Qt; in the user's
    // language when Qt's translations are installed, as the rest is French.
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    // Before any widget exists, so every font the window asks for resolves
    // to the faces this system has.
    corvane::ui::InstallFontSubstitutions();

    corvane::ui::Base base;
    base.show();
    return application.exec();
}
