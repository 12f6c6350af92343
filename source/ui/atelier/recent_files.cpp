#include "recent_files.h"

#include <QFileInfo>
#include <QSettings>

namespace corvane::atelier {
namespace {

const QString RecentFilesKey = QStringLiteral("recentFiles");
const QString LastUnitKey = QStringLiteral("lastUnit");
const QString LastPaperKey = QStringLiteral("pdfPaper");

QSettings Settings()
{
    return QSettings(QStringLiteral("Corvane"), QStringLiteral("Atelier"));
}

void Store(const QStringList& files)
{
    Settings().setValue(RecentFilesKey, files);
}

} // namespace

QStringList RecentFiles()
{
    // A list grown by hand or by another program is shown, and kept, at
    // its usual length.
    return Settings().value(RecentFilesKey).toStringList().mid(0, MaximumRecentFiles);
}

void RememberRecentFile(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList files = RecentFiles();
    files.removeAll(absolute);
    files.prepend(absolute);
    while (files.size() > MaximumRecentFiles)
        files.removeLast();
    Store(files);
}

void ForgetRecentFile(const QString& path)
{
    QStringList files = RecentFiles();
    files.removeAll(QFileInfo(path).absoluteFilePath());
    Store(files);
}

void ClearRecentFiles()
{
    Store({});
}

QString LastUnitSymbol()
{
    const QString symbol = Settings().value(LastUnitKey).toString();
    if (symbol == QStringLiteral("cm") || symbol == QStringLiteral("in"))
        return symbol;
    return QStringLiteral("mm");
}

void RememberUnitSymbol(const QString& symbol)
{
    Settings().setValue(LastUnitKey, symbol);
}

QString LastPaperName()
{
    return Settings().value(LastPaperKey).toString();
}

void RememberPaperName(const QString& name)
{
    Settings().setValue(LastPaperKey, name);
}

} // namespace corvane::atelier
