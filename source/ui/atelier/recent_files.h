#pragma once

#include <QString>
#include <QStringList>

// What the Atelier remembers between sessions, in the user's settings
// (QSettings, organisation "Corvane", application "Atelier"): the designs
// opened or saved last, most recent first, the unit last worked in and the
// paper of the last PDF.
namespace corvane::atelier {

inline constexpr int MaximumRecentFiles = 8;

QStringList RecentFiles();
// Puts the file first, removing an older entry for it; keeps the newest
// MaximumRecentFiles.
void RememberRecentFile(const QString& path);
void ForgetRecentFile(const QString& path);
void ClearRecentFiles();

// "mm", "cm" or "in"; "mm" when nothing was remembered.
QString LastUnitSymbol();
void RememberUnitSymbol(const QString& symbol);

// "a4", "letter", "a3" or "legal"; an empty text when nothing was
// remembered.
QString LastPaperName();
void RememberPaperName(const QString& name);

} // namespace corvane::atelier
