#pragma once

#include "design.h"
#include "problem.h"

#include <QString>

// The engine's problems in the interface's language: the engine's own French
// patterns (the one table of them), through the translation.
namespace corvane::language {

// The sentence (the end of a sentence, lower case) with the subject for %1.
QString ProblemText(const board::Problem& problem, const QString& subject = {});

// The engine's name of a design field ("diapason des graves"), translated.
QString FieldSubjectText(std::string_view field);

// Why a design file cannot be opened: "champ « bass_length » : diapason des
// graves : -650 mm, …", the field being the file's key.
QString DesignFileErrorText(const board::DesignError& error);

// Whether the kind's sentence names its subject itself.
bool NamesSubject(board::ProblemKind kind);

} // namespace corvane::language
