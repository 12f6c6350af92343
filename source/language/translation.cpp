#include "translation.h"

#include "text_encoding.h"

#include <QCoreApplication>
#include <QFile>
#include <QTranslator>

#include <cstdlib>
#include <memory>
#include <vector>

namespace corvane::language {

namespace {

const QString TranslationDirectory = QStringLiteral(":/i18n");
const QString EngineCatalogue = QStringLiteral("corvane-engine");

std::vector<std::unique_ptr<QTranslator>>& Loaded()
{
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

} // namespace

bool HasTranslation(const QString& language)
{
    return QFile::exists(
        QStringLiteral("%1/%2_%3.qm").arg(TranslationDirectory, EngineCatalogue, language));
}

QString CommandLanguage()
{
    for (const char* variable : { "LC_ALL", "LC_MESSAGES", "LANG" }) {
        const char* value = std::getenv(variable);
        if (value == nullptr || *value == '\0')
            continue;
        const QString setting = QString::fromLocal8Bit(value);
        return setting.startsWith(QStringLiteral("fr")) ? QStringLiteral("fr")
                                                        : QStringLiteral("en");
    }
    return QStringLiteral("en");
}

void LoadTranslations(const QString& language, const QStringList& catalogues)
{
    Loaded().clear();
    if (language == QStringLiteral("fr"))
        return;
    for (const QString& catalogue : QStringList { EngineCatalogue } + catalogues) {
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

drawing::TemplateWords InterfaceTemplateWords()
{
    const auto translated = [](const std::string& french) {
        return Translate("TemplateWords", french.c_str()).toStdString();
    };
    drawing::TemplateWords words;
    for (std::string* word : { &words.nut, &words.saddle, &words.title, &words.fannedLengths,
             &words.oneString, &words.strings, &words.oneFret, &words.frets, &words.straightBoard,
             &words.nutSquare, &words.bridgeSquare, &words.fretSquare, &words.distances,
             &words.distancesByString, &words.printAtTrueSize, &words.pageOf,
             &words.intonationTitle, &words.fretAxis, &words.centsAxis, &words.beforeCompensation,
             &words.afterCompensation, &words.stringNumber, &words.classicModeAndLength,
             &words.noMode, &words.classicDistances })
        *word = translated(*word);
    return words;
}

QString TemperamentNameText(const std::string& name)
{
    return Translate("TemperamentNames", board::SingleBlanks(name).c_str());
}

board::NoteNaming InterfaceNoteNaming()
{
    return Translate("NoteNames", "Do") == QStringLiteral("C") ? board::NoteNaming::Letters
                                                               : board::NoteNaming::Solfege;
}

} // namespace corvane::language
