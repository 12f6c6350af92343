#pragma once

// A failed write phrased in the interface's language: the French texts of
// the file library, through the translation loaded by the program (none:
// French).

#include "whole_file.h"

#include <QString>

namespace corvane::language {

// "le disque est plein", or the system's own words.
QString WriteProblemReasonText(const files::WriteProblem& problem);

// "Impossible d'écrire « path » : le disque est plein."
QString WriteProblemText(const files::WriteProblem& problem);

} // namespace corvane::language
