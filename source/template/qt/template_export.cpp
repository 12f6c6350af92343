#include "template_export.h"

#include "dxf_writer.h"
#include "file_names.h"
#include "painter_renderer.h"
#include "svg_writer.h"
#include "template_format.h"
#include "translation.h"
#include "whole_file.h"
#include "write_problem_text.h"

#include <QBuffer>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace corvane::drawing {

namespace {

constexpr int PdfDotsPerInch = 1200;
constexpr double MmPerInch = 25.4;

QString Translated(const char* french)
{
    return language::Translate("TemplateExport", french);
}

// Draws one page of a pagination on a device page whose painter origin is
// `origin` (device units from the paper's corner) and whose paper is
// `devicePaper`; turns the page a quarter when it was laid out turned.
void PaintPage(const Drawing& page, QPainter& painter, double unitsPerMm, QPointF origin,
    bool quarterTurned, const Paper& devicePaper)
{
    painter.save();
    painter.translate(-origin);
    if (quarterTurned) {
        painter.translate(devicePaper.widthMm * unitsPerMm, 0);
        painter.rotate(90);
    }
    RenderDrawing(page, painter, unitsPerMm);
    painter.restore();
}

QPointF PrintableOrigin(const QPrinter& printer)
{
    if (printer.fullPage())
        return {};
    return QPointF(printer.pageLayout().paintRectPixels(printer.resolution()).topLeft());
}

std::optional<QString> PaintPages(
    const Pagination& pagination, QPrinter& printer, QPainter& painter, bool startWithNewPage)
{
    const Paper paper = PaperOf(printer);
    const double unitsPerMm = printer.resolution() / MmPerInch;
    const QPointF origin = PrintableOrigin(printer);
    bool newPage = startWithNewPage;
    for (const Drawing& page : pagination.pages) {
        if (newPage && !printer.newPage())
            return Translated("L'impression a échoué : l'imprimante refuse une nouvelle page.");
        PaintPage(page, painter, unitsPerMm, origin, pagination.quarterTurned, paper);
        newPage = true;
    }
    return std::nullopt;
}

// The pages are drawn in memory, checked whole, then written through the
// file library like every other file: a full disk can cut nothing short.
std::optional<QString> ExportPdf(
    const Drawing& board, const QString& path, const ExportOptions& options)
{
    const Pagination pagination = Paginate(board, options.paper, options.words);
    if (pagination.error)
        return PaginationProblemText(*pagination.error);
    const Paper& paper = options.paper;
    const double shortSide = std::min(paper.widthMm, paper.heightMm);
    const double longSide = std::max(paper.widthMm, paper.heightMm);
    const Paper laidOut = pagination.quarterTurned ? paper.QuarterTurned() : paper;

    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(PdfDotsPerInch);
        writer.setTitle(options.title);
        writer.setCreator(QStringLiteral("Corvane " CORVANE_VERSION));
        writer.setPageLayout(
            QPageLayout(QPageSize(QSizeF(shortSide, longSide), QPageSize::Millimeter, QString(),
                            QPageSize::ExactMatch),
                laidOut.widthMm > laidOut.heightMm ? QPageLayout::Landscape : QPageLayout::Portrait,
                QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        QPainter painter;
        if (!painter.begin(&writer))
            return language::WriteProblemText(
                { NativeFileName(path), files::WriteFailure::Incomplete, 0 });
        const double unitsPerMm = writer.resolution() / MmPerInch;
        bool first = true;
        for (const Drawing& page : pagination.pages) {
            if (!first)
                writer.newPage();
            first = false;
            RenderDrawing(page, painter, unitsPerMm);
        }
        painter.end();
    }
    const std::string_view bytes(pdf.constData(), std::size_t(pdf.size()));
    if (!files::PdfIsWhole(bytes))
        return language::WriteProblemText(
            { NativeFileName(path), files::WriteFailure::Incomplete, 0 });
    if (const auto problem = files::WriteWholeFile(NativeFileName(path), bytes))
        return language::WriteProblemText(*problem);
    return std::nullopt;
}

} // namespace

QString ClassicTemplateProblemText(const ClassicTemplateProblem& problem)
{
    using Kind = ClassicTemplateProblem::Kind;
    switch (problem.kind) {
    case Kind::NoScale:
        return Translated("Choisissez d'abord une gamme : le gabarit dessine ses frettes.");
    case Kind::LengthNotPositive:
        return Translated(
            "La longueur vibrante doit être supérieure à zéro pour dessiner un gabarit.");
    case Kind::WidthNotPositive:
        return Translated("La largeur de la touche doit être supérieure à zéro.");
    case Kind::PositionNotANumber:
        break;
    }
    return Translated("La position « %1 » de la frette %2 n'est pas un nombre.")
        .arg(QString::fromStdString(problem.position))
        .arg(problem.fret);
}

QString PaginationProblemText(const PaginationProblem& problem)
{
    if (problem.kind == PaginationProblem::Kind::PaperTooSmall)
        return Translated("Le papier est trop petit pour le gabarit : il faut une zone imprimable "
                          "d'au moins 17 cm sur 6 cm.");
    const QString metres
        = Translated("Ce gabarit demanderait %1 pages (%2 au plus) pour une planche de %3 m : "
                     "la longueur est-elle dans la bonne unité ? (des millimètres lus comme des "
                     "pouces, par exemple)");
    return metres.arg(problem.pages)
        .arg(MaximumPageCount)
        .arg(QLocale().toString(problem.boardMetres, 'f', 2));
}

Paper PaperOf(const QPrinter& printer)
{
    const QPageLayout layout = printer.pageLayout();
    const QRectF full = layout.fullRect(QPageLayout::Millimeter);
    const QRectF printable = printer.fullPage() ? full : layout.paintRect(QPageLayout::Millimeter);
    return Paper { full.width(), full.height(), printable.left() - full.left(),
        printable.top() - full.top(), full.right() - printable.right(),
        full.bottom() - printable.bottom() };
}

std::optional<QString> ExportTemplate(
    const Drawing& board, const QString& path, const ExportOptions& options)
{
    const std::string nativePath = NativeFileName(path);
    const auto format = TemplateFormatOf(nativePath);
    if (!format)
        return Translated("Le format de « %1 » n'est pas reconnu : le nom doit finir par "
                          ".pdf, .svg ou .dxf.")
            .arg(path);
    std::optional<files::WriteProblem> problem;
    switch (*format) {
    case TemplateFormat::Pdf:
        return ExportPdf(board, path, options);
    case TemplateFormat::Svg:
        problem = WriteSvgFile(board, options.title.toStdString(), nativePath, options.hairline);
        break;
    case TemplateFormat::Dxf:
        problem = WriteDxfFile(board, options.unit, nativePath);
        break;
    }
    if (problem)
        return language::WriteProblemText(*problem);
    return std::nullopt;
}

std::optional<QString> PrintTemplate(
    const Drawing& board, QPrinter& printer, const TemplateWords& words)
{
    const Pagination pagination = Paginate(board, PaperOf(printer), words);
    if (pagination.error)
        return PaginationProblemText(*pagination.error);
    QPainter painter;
    if (!painter.begin(&printer))
        return Translated("L'impression a échoué : l'imprimante ne peut pas être ouverte.");
    auto error = PaintPages(pagination, printer, painter, false);
    if (!painter.end() && !error)
        error = Translated("L'impression a échoué : le travail n'a pas pu être terminé.");
    return error;
}

std::optional<QString> AppendTemplatePages(
    const Drawing& board, QPrinter& printer, QPainter& painter)
{
    const Pagination pagination = Paginate(board, PaperOf(printer));
    if (pagination.error)
        return PaginationProblemText(*pagination.error);
    return PaintPages(pagination, printer, painter, true);
}

} // namespace corvane::drawing
