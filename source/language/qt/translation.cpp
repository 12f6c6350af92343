#include "translation.h"

#include "words.h"

#include <QCoreApplication>
#include <QTranslator>

#include <memory>
#include <vector>

namespace corvane::language {

namespace {

const QString TranslationDirectory = QStringLiteral(":/i18n");

std::vector<std::unique_ptr<QTranslator>>& Loaded()
{
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

Language& Current()
{
    static Language language = Language::French;
    return language;
}

} // namespace

bool HasTranslation(const QString& language)
{
    return language == QStringLiteral("fr") || language == QStringLiteral("en");
}

QString CommandLanguage()
{
    return QString::fromLatin1(CodeOf(EnvironmentLanguage()));
}

void LoadTranslations(const QString& language, const QStringList& catalogues)
{
    Loaded().clear();
    Current() = LanguageOfCode(language.toStdString());
    if (Current() == Language::French)
        return;
    for (const QString& catalogue : catalogues) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(
                QStringLiteral("%1_%2").arg(catalogue, language), TranslationDirectory))
            Loaded().push_back(std::move(translator));
    }
}

void InstallLoadedTranslations(QCoreApplication& application)
{
    (void)application; // translators are installed process-wide, on the instance
    for (const auto& translator : Loaded())
        QCoreApplication::installTranslator(translator.get());
}

Language CurrentLanguage()
{
    return Current();
}

QString Translate(const char* context, const char* source)
{
    if (QCoreApplication::instance() != nullptr)
        return QCoreApplication::translate(context, source);
    for (const auto& translator : Loaded()) {
        const QString found = translator->translate(context, source);
        if (!found.isNull())
            return found;
    }
    return QString::fromUtf8(source);
}

QString TemperamentNameText(const std::string& name)
{
    return QString::fromStdString(TemperamentTitle(name, Current()));
}

board::NoteNaming InterfaceNoteNaming()
{
    return NoteNamingIn(Current());
}

drawing::TemplateWords InterfaceTemplateWords()
{
    return TemplateWordsIn(Current());
}

} // namespace corvane::language
