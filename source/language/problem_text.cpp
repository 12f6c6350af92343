#include "problem_text.h"

#include "figure_text.h"
#include "translation.h"

#include <string>

namespace corvane::language {

QString ProblemText(const board::Problem& problem, const QString& subject)
{
    std::vector<std::string> values;
    for (const std::string& value : problem.values)
        values.push_back(board::QuotedValue(value));
    for (const board::Problem& inner : problem.cause)
        values.push_back(ProblemText(inner).toStdString());
    const std::string pattern(board::ProblemPattern(problem.kind));
    const QString translated = Translate("EngineProblem", pattern.c_str());
    return QString::fromStdString(
        board::FillPattern(translated.toStdString(), subject.toStdString(), values));
}

QString FieldSubjectText(std::string_view field)
{
    return Translate("FieldSubject", std::string(board::FieldSubject(field)).c_str());
}

QString DesignFileErrorText(const board::DesignError& error)
{
    if (error.field.empty())
        return ProblemText(error.problem);
    // The engine names a temperament's fields by their own names.
    std::string field = error.field;
    if (field.rfind("temperament.", 0) == 0)
        field.erase(0, std::string_view("temperament.").size());
    if (field == "content")
        field = "scala";
    return Translate("EngineProblem", "champ « %1 » : %2")
        .arg(QString::fromStdString(error.field),
            ProblemText(error.problem, FieldSubjectText(field)));
}

bool NamesSubject(board::ProblemKind kind)
{
    return board::ProblemPattern(kind).find("%1") != std::string_view::npos;
}

} // namespace corvane::language
