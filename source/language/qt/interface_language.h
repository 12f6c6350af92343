#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

// The windows are written in French and ship an English translation. The
// user's languages, in the order of preference the system gives, decide:
// French (or the C locale, the windows' own language) keeps the French
// text; a language with a translation of its own gets it; any other falls
// back to English, which more luthiers read than French.
namespace corvane::language {

// The language the interface will use for these preferences ("fr", "en").
QString InterfaceLanguage(const QStringList& uiLanguages);

// Installs, on the application, the engine's and the program's translations
// and Qt's own (the standard dialogs) for the language the locale asks for.
void InstallInterfaceLanguage(QCoreApplication& application, const QString& programCatalogue,
    const QLocale& locale = QLocale::system());

} // namespace corvane::language
