#pragma once

// The language a Qt program speaks. Its own window texts are written in
// French, English coming from Qt Linguist translations built into it
// (:/i18n); the engines' problems and words are phrased by phrase.h and
// words.h, in the language chosen here.

#include "language.h"
#include "temperament.h"
#include "template_words.h"

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace corvane::language {

// Whether the programs speak the language ("fr", "en").
bool HasTranslation(const QString& language);

// The command's language from the environment (EnvironmentLanguage): "fr"
// or "en".
QString CommandLanguage();

// Speaks the language from now on: the engines' words through the tables,
// and the named programs' catalogues ("corvane-frets") for Translate.
void LoadTranslations(const QString& language, const QStringList& catalogues = {});

// Installs what LoadTranslations loaded on the application (for tr() and
// for Qt's own texts), once an application exists.
void InstallLoadedTranslations(QCoreApplication& application);

// The language loaded last (French until one is).
Language CurrentLanguage();

// The translation of a program's French text, from the application's
// translators when there is an application, otherwise from those loaded;
// the source itself when none has it.
QString Translate(const char* context, const char* source);

// A temperament's name as the engine gives it, in the program's language.
QString TemperamentNameText(const std::string& name);

// How the program names notes: letters in English, solfège in French.
board::NoteNaming InterfaceNoteNaming();

// The words a template prints, in the program's language.
drawing::TemplateWords InterfaceTemplateWords();

} // namespace corvane::language
