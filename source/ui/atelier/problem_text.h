#pragma once

#include "problem.h"

#include <QString>

// The engine's problems in the interface's language: the same kinds and
// values as its French sentences, phrased by the translation.
namespace corvane::atelier {

// The sentence (the end of a sentence, lower case) with the subject for %1:
// the field's label as the form shows it.
QString ProblemText(const board::Problem& problem, const QString& subject = {});

// Whether the kind's sentence names its subject itself.
bool NamesSubject(board::ProblemKind kind);

// The untranslated pattern of a kind, which must read as the engine's.
const char* ProblemSourcePattern(board::ProblemKind kind);

} // namespace corvane::atelier
