#pragma once

// The command speaks the user's language: French where the regional
// settings are French, English otherwise. Its texts, like the engines',
// are written in French; English comes from the translations built into
// the program (the engine's and the command's own, context "corvane-frets").
// csv and json keys never change with the language.

#include "design.h"
#include "language.h"
#include "problem.h"

#include <initializer_list>
#include <string>
#include <string_view>

// The command's texts are written in French and marked for Qt's lupdate,
// which gathers them into the translation file, in the command's context:
// Say(QT_TRANSLATE_NOOP("corvane-frets", "…")).
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace corvane::cli {

// Chooses the language from LC_ALL, LC_MESSAGES and LANG; called first.
void ChooseCommandLanguage();

// A text of the command in the user's language, %1, %2… replaced by the
// values in order.
std::string Say(const char* french, std::initializer_list<std::string_view> values = {});

// The reader of the command's messages: the user's language, lengths in
// the design's unit, numbers with a period.
language::Reader CommandReader(board::Unit unit);

// An engine's problem, its subject (%1) the design field's own name.
std::string ProblemSaid(const board::Problem& problem, std::string_view field = {},
    board::Unit unit = board::Unit::Millimetre);
// A design field's name in words ("nombre de frettes").
std::string FieldSubjectSaid(std::string_view field);
// A design that cannot be used, its field named by the option that sets it
// ("--slot-width : …") or in words; a design file that cannot be opened.
std::string DesignErrorSaid(const board::DesignError& error, board::Unit unit);
std::string DesignFileErrorSaid(const board::DesignError& error);

} // namespace corvane::cli
