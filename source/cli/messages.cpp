#include "messages.h"

#include "option_table.h"
#include "phrase.h"
#include "translation.h"

#include <QString>

#include <algorithm>

namespace corvane::cli {

namespace {

constexpr const char* Context = "corvane-frets";

} // namespace

void ChooseCommandLanguage()
{
    const QString language = language::CommandLanguage();
    language::LoadTranslations(language, { QStringLiteral("corvane-frets") });
}

std::string Say(const char* french, std::initializer_list<std::string_view> values)
{
    QString text = language::Translate(Context, french);
    // A value keeps the message on one line: its control characters escaped.
    for (const std::string_view value : values) {
        const std::string shown = board::QuotedValue(value, std::string::npos);
        text = text.arg(QString::fromUtf8(shown.data(), qsizetype(shown.size())));
    }
    return text.toStdString();
}

language::Reader CommandReader(board::Unit unit)
{
    // Messages write numbers with a period, whatever the regional settings.
    return { language::CurrentLanguage(), unit, "." };
}

std::string ProblemSaid(const board::Problem& problem, std::string_view field, board::Unit unit)
{
    return language::Phrase(problem, CommandReader(unit),
        field.empty() ? std::string() : language::FieldName(field, language::CurrentLanguage()));
}

std::string FieldSubjectSaid(std::string_view field)
{
    return language::FieldName(field, language::CurrentLanguage());
}

std::string DesignErrorSaid(const board::DesignError& error, board::Unit unit)
{
    // A field the user set with an option is named by the option.
    for (const CommandOption& option : CommandOptions())
        if (option.fields[0] == error.field || option.fields[1] == error.field)
            return language::Phrase(error.problem, CommandReader(unit), option.name);
    return language::DesignErrorText(error, CommandReader(unit));
}

std::string DesignFileErrorSaid(const board::DesignError& error)
{
    return language::DesignFileErrorText(error, CommandReader(board::Unit::Millimetre));
}

} // namespace corvane::cli
