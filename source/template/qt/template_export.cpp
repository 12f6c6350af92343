#include "template_export.h"

#include "dxf_writer.h"
#include "file_names.h"
#include "painter_renderer.h"
#include "svg_writer.h"
#include "template_format.h"
#include "whole_file.h"

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

board::Problem Refused(board::ProblemKind kind)
{
    return { kind, {}, {} };
}

board::Problem Incomplete(const QString& path)
{
    return board::WriteProblemOf({ NativeFileName(path), files::WriteFailure::Incomplete, 0 });
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

std::optional<board::Problem> PaintPages(
    const Pagination& pagination, QPrinter& printer, QPainter& painter, bool startWithNewPage)
{
    const Paper paper = PaperOf(printer);
    const double unitsPerMm = printer.resolution() / MmPerInch;
    const QPointF origin = PrintableOrigin(printer);
    bool newPage = startWithNewPage;
    for (const Drawing& page : pagination.pages) {
        if (newPage && !printer.newPage())
            return Refused(board::ProblemKind::PrinterRefusesPage);
        PaintPage(page, painter, unitsPerMm, origin, pagination.quarterTurned, paper);
        newPage = true;
    }
    return std::nullopt;
}

// The pages are drawn in memory, checked whole, then written through the
// file library like every other file: a full disk can cut nothing short.
std::optional<board::Problem> ExportPdf(
    const Drawing& board, const QString& path, const ExportOptions& options)
{
    const Pagination pagination = Paginate(board, options.paper, options.words);
    if (pagination.error)
        return pagination.error;
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
            return Incomplete(path);
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
        return Incomplete(path);
    if (const auto problem = files::WriteWholeFile(NativeFileName(path), bytes))
        return board::WriteProblemOf(*problem);
    return std::nullopt;
}

} // namespace

Paper PaperOf(const QPrinter& printer)
{
    const QPageLayout layout = printer.pageLayout();
    const QRectF full = layout.fullRect(QPageLayout::Millimeter);
    const QRectF printable = printer.fullPage() ? full : layout.paintRect(QPageLayout::Millimeter);
    return Paper { full.width(), full.height(), printable.left() - full.left(),
        printable.top() - full.top(), full.right() - printable.right(),
        full.bottom() - printable.bottom() };
}

std::optional<board::Problem> ExportTemplate(
    const Drawing& board, const QString& path, const ExportOptions& options)
{
    const std::string nativePath = NativeFileName(path);
    const auto format = TemplateFormatOf(nativePath);
    if (!format)
        return board::Problem { board::ProblemKind::UnknownTemplateFormat, { path.toStdString() },
            {} };
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
        return board::WriteProblemOf(*problem);
    return std::nullopt;
}

std::optional<board::Problem> PrintTemplate(
    const Drawing& board, QPrinter& printer, const TemplateWords& words)
{
    const Pagination pagination = Paginate(board, PaperOf(printer), words);
    if (pagination.error)
        return pagination.error;
    QPainter painter;
    if (!painter.begin(&printer))
        return Refused(board::ProblemKind::PrinterUnavailable);
    auto error = PaintPages(pagination, printer, painter, false);
    if (!painter.end() && !error)
        error = Refused(board::ProblemKind::PrintUnfinished);
    return error;
}

std::optional<board::Problem> AppendTemplatePages(
    const Drawing& board, QPrinter& printer, QPainter& painter, const TemplateWords& words)
{
    const Pagination pagination = Paginate(board, PaperOf(printer), words);
    if (pagination.error)
        return pagination.error;
    return PaintPages(pagination, printer, painter, true);
}

} // namespace corvane::drawing
