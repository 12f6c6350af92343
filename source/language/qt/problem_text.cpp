#include "problem_text.h"

#include "phrase.h"
#include "translation.h"

#include <QLocale>

namespace corvane::language {

Reader InterfaceReader(board::Unit unit)
{
    return { CurrentLanguage(), unit, QLocale().decimalPoint().toStdString() };
}

QString ProblemText(const board::Problem& problem, const QString& subject, board::Unit unit)
{
    return QString::fromStdString(Phrase(problem, InterfaceReader(unit), subject.toStdString()));
}

QString FieldSubjectText(std::string_view field)
{
    return QString::fromStdString(FieldName(field, CurrentLanguage()));
}

QString DesignErrorText(const board::DesignError& error, board::Unit unit)
{
    return QString::fromStdString(language::DesignErrorText(error, InterfaceReader(unit)));
}

QString DesignFileErrorText(const board::DesignError& error)
{
    return QString::fromStdString(language::DesignFileErrorText(error, InterfaceReader()));
}

QString WriteProblemText(const files::WriteProblem& problem)
{
    return ProblemText(board::WriteProblemOf(problem));
}

QString WriteProblemReasonText(const files::WriteProblem& problem)
{
    return ProblemText(board::WriteProblemOf(problem).cause.front());
}

} // namespace corvane::language
