#include "messages.h"

#include "problem_text.h"
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

std::string ProblemSaid(const board::Problem& problem, std::string_view field)
{
    return language::ProblemText(
        problem, field.empty() ? QString() : language::FieldSubjectText(field))
        .toStdString();
}

std::string DesignErrorSaid(const board::DesignError& error)
{
    return ProblemSaid(error.problem, error.field);
}

std::string OptionErrorSaid(const board::DesignError& error)
{
    std::string option = "--" + error.field;
    std::replace(option.begin(), option.end(), '_', '-');
    return language::ProblemText(error.problem, QString::fromStdString(option)).toStdString();
}

std::string DesignFileErrorSaid(const board::DesignError& error)
{
    return language::DesignFileErrorText(error).toStdString();
}

} // namespace corvane::cli
