#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

// The Atelier is written in French and ships an English translation. The
// user's languages, in the order of preference the system gives, decide:
// French (or the C locale, this program's own language) keeps the French
// text; a language with a translation of its own gets it; any other falls
// back to English, which more luthiers read than French.
namespace corvane::atelier {

// The language the interface will use for these preferences ("fr", "en").
QString InterfaceLanguage(const QStringList& uiLanguages);

// Installs, on the application, the Atelier's translation and Qt's own (the
// standard dialogs) for the language the system locale asks for.
void InstallInterfaceLanguage(QCoreApplication& application, const QLocale& locale = QLocale::system());

} // namespace corvane::atelier
