#include "write_problem_text.h"

#include "file_names.h"

#include "translation.h"

#include <cstring>

namespace corvane::drawing {

QString WriteProblemReasonText(const files::WriteProblem& problem)
{
    const std::string_view reason = files::WriteFailureReason(problem.failure);
    if (reason.empty())
        return QString::fromLocal8Bit(std::strerror(problem.systemError));
    return language::Translate("WriteFailure", std::string(reason).c_str());
}

QString WriteProblemText(const files::WriteProblem& problem)
{
    return language::Translate("WriteFailure", "Impossible d'écrire « %1 » : %2.")
        .arg(FileNameFromNative(problem.path), WriteProblemReasonText(problem));
}

} // namespace corvane::drawing
