#include "sheet_printing.h"

#include "sheet_window.h"
#include "sheets.h"
#include "template_export.h"
#include "template_options.h"
#include "twips.h"
#include "whole_file_printing.h"

#include <QMessageBox>
#include <QPageSize>
#include <QPainter>
#include <QPicture>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>

namespace corvane::ui {

namespace {

constexpr double TwipsPerInch = 1440.0;
constexpr double PixelsPerInch = TwipsPerInch / TwipsPerPixel;

QString DocumentName(const QWidget& sheet)
{
    return sheet.windowTitle().trimmed();
}

// Prints the sheet; a printer that cannot be opened or a file that could
// not be written whole is said, not passed over: the user would otherwise
// wait for a page, or trust a truncated file. The sheet opens afterwards
// either way.
void PrintReportingFailure(QPrinter& printer, QWidget& sheet, QWidget* messageParent)
{
    const auto failure
        = PrintWhole(printer, [&sheet](QPrinter& device) { return PrintSheetOn(device, sheet); });
    if (failure)
        QMessageBox::warning(messageParent, DocumentName(sheet),
            QStringLiteral("L'impression a échoué : %1").arg(*failure));
}

class DialogPrinting : public SheetPrinting {
public:
    explicit DialogPrinting(QWidget* dialogParent)
        : dialogParent_(dialogParent)
    {
    }

    void printSheet(QWidget& sheet) override
    {
        // A new QPrinter starts on the system's default printer; with no
        // printer installed it starts on a PDF file, which the dialog offers
        // either way.
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(DocumentName(sheet));
        QPrintDialog dialog(&printer, dialogParent_);
        dialog.setOptions(
            QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
        dialog.setMinMax(1, 1);
        auto* templateTab
            = new TemplateOptionsWidget(TemplateOptionsWidget::Use::Printing, &dialog);
        dialog.setOptionTabs({ templateTab });
        if (dialog.exec() != QDialog::Accepted)
            return;
        if (templateTab->printTemplate()) {
            printWithTemplate(printer, sheet, templateTab->choice());
            return;
        }
        // The user chose the paper; the sheet goes at its true size in its
        // top-left corner.
        PrintReportingFailure(printer, sheet, dialogParent_);
    }

private:
    // The sheet's page, then the template's pages, in one job. A template
    // that cannot be drawn is said before anything is printed.
    void printWithTemplate(QPrinter& printer, QWidget& sheet, const TemplateChoice& choice)
    {
        const auto* sheetWindow = qobject_cast<const SheetWindow*>(&sheet);
        const WindowTemplate made = sheetWindow != nullptr
            ? BuildWindowTemplate(sheetWindow->templateTexts(), choice)
            : WindowTemplate { {}, {}, QStringLiteral("Aucun gabarit pour cette feuille.") };
        std::optional<QString> error = made.error;
        if (!error) {
            // Too many pages is known before the job starts: then nothing prints.
            const drawing::Pagination pages
                = drawing::Paginate(*made.drawing, drawing::PaperOf(printer));
            if (pages.error)
                error = ClassicProblemText(*pages.error);
        }
        if (!error) {
            // Whole or not at all, like the sheet alone.
            std::optional<board::Problem> pagesError;
            const auto failure = PrintWhole(printer, [&](QPrinter& device) {
                QPainter painter;
                if (!painter.begin(&device))
                    return false;
                PaintSheetOn(painter, sheet);
                pagesError = drawing::AppendTemplatePages(
                    *made.drawing, device, painter, ClassicTemplateWords());
                return painter.end() && !pagesError;
            });
            if (pagesError)
                error = ClassicProblemText(*pagesError);
            else if (failure)
                error = QStringLiteral("L'impression a échoué : %1").arg(*failure);
        }
        if (error)
            QMessageBox::warning(dialogParent_, DocumentName(sheet), *error);
    }

    QPointer<QWidget> dialogParent_;
};

class PdfFilePrinting : public SheetPrinting {
public:
    explicit PdfFilePrinting(const QString& path)
        : path_(path)
    {
    }

    void printSheet(QWidget& sheet) override
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path_);
        printer.setDocName(DocumentName(sheet));
        // The page is the sheet itself, edge to edge: the file can then be
        // placed or printed at 100 % anywhere, and its page size alone shows
        // that the sheet kept its designed size.
        const QSizeF inches = QSizeF(sheet.size()) / PixelsPerInch;
        printer.setPageSize(
            QPageSize(inches, QPageSize::Inch, DocumentName(sheet), QPageSize::ExactMatch));
        printer.setPageMargins(QMarginsF(0, 0, 0, 0));
        printer.setFullPage(true);
        PrintReportingFailure(printer, sheet, nullptr);
    }

private:
    QString path_;
};

} // namespace

namespace {

// Rendered straight onto a printer, QWidget::render falls back to a bitmap
// of the widgets. Recorded as a picture first, the widgets' own drawing
// commands (text, lines, fills) reach the printer as they are.
QPicture RecordSheet(QWidget& sheet)
{
    QPicture drawing;
    QPainter recorder(&drawing);
    sheet.render(
        &recorder, QPoint(0, 0), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    recorder.end();
    return drawing;
}

void PlaySheet(QPainter& painter, const QPicture& drawing)
{
    // Playing a picture already scales it from its own dots per inch to the
    // printer's; what is left is to make a sheet pixel 1/96 inch.
    painter.save();
    painter.scale(drawing.logicalDpiX() / PixelsPerInch, drawing.logicalDpiY() / PixelsPerInch);
    painter.drawPicture(0, 0, drawing);
    painter.restore();
}

} // namespace

bool PrintSheetOn(QPrinter& printer, QWidget& sheet)
{
    const QPicture drawing = RecordSheet(sheet);

    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    PlaySheet(painter, drawing);
    return painter.end();
}

void PaintSheetOn(QPainter& painter, QWidget& sheet)
{
    PlaySheet(painter, RecordSheet(sheet));
}

std::unique_ptr<SheetPrinting> MakeDialogPrinting(QWidget* dialogParent)
{
    return std::make_unique<DialogPrinting>(dialogParent);
}

std::unique_ptr<SheetPrinting> MakePdfFilePrinting(const QString& path)
{
    return std::make_unique<PdfFilePrinting>(path);
}

} // namespace corvane::ui
