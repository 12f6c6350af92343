#pragma once

// The words the engines' outputs carry, in French and in English: a
// template's, the tables' headings, the names of temperaments, string sets
// and the sources of a string's constants. Standard C++, for every front
// end; csv and json keys never change with the language.

#include "language.h"
#include "string_catalogue.h"
#include "string_columns.h"
#include "table_columns.h"
#include "temperament.h"
#include "template_words.h"

#include <string>
#include <string_view>

namespace corvane::language {

drawing::TemplateWords TemplateWordsIn(Language language);

// A column's heading; a length's names the unit it is shown in ("Depuis le
// sillet (mm)").
std::string TableHeading(board::TableColumn column, Language language, board::Unit unit);
std::string StringHeading(board::StringColumn column, Language language, board::Unit unit);
std::string_view ConstantsSourceName(board::ConstantsSource source, Language language) noexcept;

// A temperament's name as the engine gives it, in words: the built-in
// tables' ("just-12" -> "Juste, 5-limite (12 notes)"), the classic scales'
// in English; any other name (a Scala description, "19-EDO") as it is.
std::string TemperamentTitle(std::string_view name, Language language);

// A string set of the catalogue, named for a list.
std::string StringSetTitle(const board::NamedStringSet& set, Language language);

// Notes by letter in English ("C", "D#"), in solfège in French.
board::NoteNaming NoteNamingIn(Language language) noexcept;

} // namespace corvane::language
