#pragma once

// The languages Corvane speaks. The engines and the windows are written in
// French; English comes from Qt translation files built into the programs
// (:/i18n). Everything the engines report is data, phrased here or in a
// window, so both programs say it in the user's language.

#include "temperament.h"
#include "template_words.h"

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace corvane::language {

// "fr" or a language a translation exists for ("en").
bool HasTranslation(const QString& language);

// The command's language from the environment, as the C library reads
// it: LC_ALL, then LC_MESSAGES, then LANG. French settings give "fr";
// any other (C, POSIX, English, German…) "en".
QString CommandLanguage();

// Loads the engine's translation for the language and the named program
// catalogues ("corvane-frets"), for Translate. Loading "fr" unloads them.
void LoadTranslations(const QString& language, const QStringList& catalogues = {});

// Installs what LoadTranslations loaded on the application (for tr() and
// for Qt's own texts), once an application exists.
void InstallLoadedTranslations(QCoreApplication& application);

// The translation of a French source text, from the application's
// translators when there is an application, otherwise from those loaded;
// the source itself when none has it.
QString Translate(const char* context, const char* source);

// A temperament's name as the engine gives it ("Naturelle Diatonique",
// "Juste, 5-limite (12 notes)"), in the interface's language; a name the
// engine did not make (a Scala description, "19-EDO") as it is.
QString TemperamentNameText(const std::string& name);

// How the interface names notes: letters where its language does (the
// English translation names "Do" "C"), solfège otherwise.
board::NoteNaming InterfaceNoteNaming();

// The words a template prints, in the interface's language.
drawing::TemplateWords InterfaceTemplateWords();

} // namespace corvane::language
