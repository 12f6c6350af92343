#pragma once

// The engines' problems for a Qt front end: phrased by the one table
// (phrase.h) in the program's language, the window's decimal separator and
// the design's unit.

#include "design.h"
#include "language.h"
#include "problem.h"
#include "whole_file.h"

#include <QString>

namespace corvane::language {

// The reader a window writes for: its language, the design's unit, the
// locale's decimal separator.
Reader InterfaceReader(board::Unit unit = board::Unit::Millimetre);

// The sentence (the end of a sentence, lower case) with the subject for %1.
QString ProblemText(const board::Problem& problem, const QString& subject = {},
    board::Unit unit = board::Unit::Millimetre);

// A design field's name in words ("diapason des graves").
QString FieldSubjectText(std::string_view field);

// A design the engine cannot use, its field named in words.
QString DesignErrorText(const board::DesignError& error, board::Unit unit);

// Why a design file cannot be opened: "champ « bass_length » : …".
QString DesignFileErrorText(const board::DesignError& error);

// "Impossible d'écrire « path » : le disque est plein.", and its reason alone.
QString WriteProblemText(const files::WriteProblem& problem);
QString WriteProblemReasonText(const files::WriteProblem& problem);

} // namespace corvane::language
