#include "whole_file_printing.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QSaveFile>
#include <QTemporaryDir>

namespace corvane::ui {

namespace {

// The number written at `at` in the bytes, or -1.
qsizetype NumberAt(const QByteArray& bytes, qsizetype at)
{
    qsizetype end = at;
    while (end < bytes.size() && bytes[end] >= '0' && bytes[end] <= '9')
        ++end;
    bool ok = false;
    const qsizetype value = bytes.mid(at, end - at).toLongLong(&ok);
    return ok ? value : -1;
}

// True when the PDF ends as a whole file does and its cross-reference
// table finds every object where it says: a write that failed part-way,
// whether it cut the end or left a gap, moves or loses what follows.
bool PdfIsWhole(const QByteArray& pdf)
{
    if (!pdf.startsWith("%PDF-") || !pdf.trimmed().endsWith("%%EOF"))
        return false;
    const qsizetype startxref = pdf.lastIndexOf("startxref");
    if (startxref < 0)
        return false;
    qsizetype at = startxref + 9;
    while (at < pdf.size() && (pdf[at] == '\n' || pdf[at] == '\r' || pdf[at] == ' '))
        ++at;
    const qsizetype table = NumberAt(pdf, at);
    if (table < 0 || table >= startxref || pdf.mid(table, 4) != "xref")
        return false;

    // "xref", then "0 N", then N entries of 20 bytes: "oooooooooo ggggg n\n".
    const qsizetype firstLine = pdf.indexOf('\n', table) + 1;
    const qsizetype countAt = pdf.indexOf(' ', firstLine) + 1;
    const qsizetype count = countAt > 0 ? NumberAt(pdf, countAt) : -1;
    const qsizetype entries = pdf.indexOf('\n', countAt) + 1;
    if (count <= 0 || entries <= 0 || entries + 20 * count > startxref)
        return false;
    for (qsizetype object = 1; object < count; ++object) {
        const qsizetype entry = entries + 20 * object;
        if (pdf[entry + 17] != 'n')
            continue;
        const qsizetype offset = NumberAt(pdf, entry);
        if (offset < 0 || !pdf.mid(offset, 24).startsWith(QByteArray::number(object) + " 0 obj"))
            return false;
    }
    return true;
}

QString Reason(const QString& path, const QString& problem)
{
    return QStringLiteral("%1 : %2").arg(path, problem);
}

// Writes the bytes to the target whole or not at all; the reason otherwise.
std::optional<QString> Replace(const QString& target, const QByteArray& bytes)
{
    const QFileInfo info(target);
    if (info.exists() && !info.isFile()) {
        // A device or a pipe cannot be replaced by renaming; it is written
        // in place, and every error counts.
        QFile device(target);
        if (!device.open(QIODevice::WriteOnly) || device.write(bytes) != bytes.size()
            || !device.flush()) {
            return Reason(target, device.errorString());
        }
        device.close();
        if (device.error() != QFileDevice::NoError)
            return Reason(target, device.errorString());
        return std::nullopt;
    }
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return Reason(target, file.errorString());
    return std::nullopt;
}

} // namespace

std::optional<QString> PrintWhole(QPrinter& printer, const std::function<bool(QPrinter&)>& paint)
{
    const QString target = printer.outputFileName();
    if (target.isEmpty()) {
        if (paint(printer))
            return std::nullopt;
        return QStringLiteral("l'imprimante « %1 » ne répond pas").arg(printer.printerName());
    }

    const QTemporaryDir scratch;
    if (!scratch.isValid())
        return QStringLiteral("aucun fichier temporaire ne peut être créé (%1)")
            .arg(scratch.errorString());
    const QString pages = scratch.filePath(QStringLiteral("pages.pdf"));
    printer.setOutputFileName(pages);
    const bool painted = paint(printer);
    printer.setOutputFileName(target);
    if (!painted)
        return Reason(target, QStringLiteral("le fichier ne peut pas être créé"));

    QFile written(pages);
    if (!written.open(QIODevice::ReadOnly))
        return Reason(target, written.errorString());
    const QByteArray bytes = written.readAll();
    if (written.error() != QFileDevice::NoError || !PdfIsWhole(bytes))
        return Reason(target,
            QStringLiteral("les pages n'ont pas pu être écrites en entier (disque plein ?)"));
    return Replace(target, bytes);
}

} // namespace corvane::ui
