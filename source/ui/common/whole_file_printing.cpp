#include "whole_file_printing.h"

#include "file_names.h"
#include "problem_text.h"
#include "whole_file.h"

#include <QByteArray>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>

namespace corvane::ui {

namespace {

QString Reason(const QString& path, const QString& problem)
{
    return QStringLiteral("%1 : %2").arg(path, problem);
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
    const std::string_view pdf(bytes.constData(), std::size_t(bytes.size()));
    if (written.error() != QFileDevice::NoError || !files::PdfIsWhole(pdf))
        return Reason(target,
            QStringLiteral("les pages n'ont pas pu être écrites en entier (disque plein ?)"));
    if (const auto problem = files::WriteWholeFile(drawing::NativeFileName(target), pdf))
        return Reason(target, language::WriteProblemReasonText(*problem));
    return std::nullopt;
}

} // namespace corvane::ui
