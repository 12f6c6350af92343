#include "write_problem_text.h"

#include "translation.h"

#include <cstring>

namespace corvane::language {

QString WriteProblemReasonText(const files::WriteProblem& problem)
{
    const std::string_view reason = files::WriteFailureReason(problem.failure);
    if (reason.empty())
        return QString::fromLocal8Bit(std::strerror(problem.systemError));
    return Translate("WriteFailure", std::string(reason).c_str());
}

QString WriteProblemText(const files::WriteProblem& problem)
{
    return Translate("WriteFailure", "Impossible d'écrire « %1 » : %2.")
        .arg(QString::fromUtf8(problem.path.data(), qsizetype(problem.path.size())),
            WriteProblemReasonText(problem));
}

} // namespace corvane::language
