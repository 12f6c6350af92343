#include "interface_language.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>

namespace corvane::atelier {
namespace {

const QString TranslationDirectory = QStringLiteral(":/i18n");
const QString TranslationName = QStringLiteral("corvane-atelier");

bool HasTranslation(const QString& language)
{
    return QFile::exists(QStringLiteral("%1/%2_%3.qm").arg(TranslationDirectory, TranslationName, language));
}

} // namespace

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

void InstallInterfaceLanguage(QCoreApplication& application, const QLocale& locale)
{
    const QString language = InterfaceLanguage(locale.uiLanguages());
    if (language != QStringLiteral("fr")) {
        auto* own = new QTranslator(&application);
        if (own->load(QStringLiteral("%1_%2").arg(TranslationName, language), TranslationDirectory))
            QCoreApplication::installTranslator(own);
    }
    // English is Qt's own language: its dialogs need no translation then.
    if (language != QStringLiteral("en")) {
        auto* qt = new QTranslator(&application);
        if (qt->load(QStringLiteral("qtbase_%1").arg(language),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
    }
}

} // namespace corvane::atelier
