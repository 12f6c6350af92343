#pragma once

#include <QString>
#include <QStringList>

// What the Atelier remembers between sessions, in the user's settings
// (QSettings, organisation "Corvane", application "Atelier"): the designs
// opened or saved last, most recent first, and the unit last worked in.
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

} // namespace corvane::atelier
