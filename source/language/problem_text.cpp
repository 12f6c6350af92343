#include "problem_text.h"

#include "figure_text.h"
#include "translation.h"

#include <string>

namespace corvane::language {

QString ProblemText(const board::Problem& problem, const QString& subject)
{
    std::vector<std::string> values = problem.values;
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

QString SlottingProblemText(const drawing::SlottingProblem& problem, board::Unit unit)
{
    const auto shown = [&](double mm) { return board::LengthWithUnitText(mm, unit); };
    using Kind = drawing::SlottingProblem::Kind;
    const double limit = problem.kind == Kind::SlotDepth ? drawing::MaxSlotDepthMm
        : problem.kind == Kind::ToolDiameter             ? drawing::MaxToolDiameterMm
                                                         : drawing::MaxSlottedBoardMm;
    return QString::fromStdString(drawing::Filled(
        Translate("Slotting", drawing::SlottingProblemPattern(problem.kind)).toStdString(),
        { shown(problem.valueMm), shown(limit) }));
}

bool NamesSubject(board::ProblemKind kind)
{
    return board::ProblemPattern(kind).find("%1") != std::string_view::npos;
}

} // namespace corvane::language
