#include "interface_language.h"

#include "translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace corvane::language {

QString InterfaceLanguage(const QStringList& uiLanguages)
{
    for (const QString& name : uiLanguages) {
        const QLocale preferred(name);
        if (preferred.language() == QLocale::French || preferred.language() == QLocale::C)
            return QStringLiteral("fr");
        const QString language = QLocale::languageToCode(preferred.language());
        if (HasTranslation(language))
            return language;
    }
    return uiLanguages.isEmpty() ? QStringLiteral("fr") : QStringLiteral("en");
}

void InstallInterfaceLanguage(
    QCoreApplication& application, const QString& programCatalogue, const QLocale& locale)
{
    const QString language = InterfaceLanguage(locale.uiLanguages());
    LoadTranslations(language, { programCatalogue });
    InstallLoadedTranslations(application);
    // English is Qt's own language: its dialogs need no translation then.
    if (language != QStringLiteral("en")) {
        auto* qt = new QTranslator(&application);
        if (qt->load(QStringLiteral("qtbase_%1").arg(language),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
    }
}

} // namespace corvane::language
