#pragma once

// The engines' problems in words: one table holds each kind's pattern in
// French and in English, and one function fills it with the problem's
// values in the reader's unit and decimal separator. Every front end (the
// command, the windows, the web page) phrases through it.

#include "design.h"
#include "language.h"
#include "problem.h"

#include <string>
#include <string_view>

namespace corvane::language {

// The pattern of a kind: %1 is the subject (the field as the front end
// names it), %2, %3… the values in order, then the cause's sentence.
std::string_view Pattern(board::ProblemKind kind, Language language) noexcept;

// Whether the kind's pattern names its subject itself.
bool NamesSubject(board::ProblemKind kind) noexcept;

// The sentence (the end of a sentence, lower case for most kinds): texts
// quoted as the user gave them (at most 60 characters, control characters
// escaped), numbers with the reader's separator, lengths in the reader's
// unit.
std::string Phrase(
    const board::Problem& problem, const Reader& reader, std::string_view subject = {});

// A design field's name in words ("bass_length" -> "diapason des graves",
// "bass scale length"); the key itself when it has none.
std::string FieldName(std::string_view field, Language language);

// A design the engine cannot use: its problem, the field named in words.
std::string DesignErrorText(const board::DesignError& error, const Reader& reader);

// Why a design file cannot be opened: "champ « bass_length » : diapason des
// graves : -650 mm, …", the field being the file's key.
std::string DesignFileErrorText(const board::DesignError& error, const Reader& reader);

} // namespace corvane::language
