#include "sheet_printing.h"

#include "sheets.h"
#include "twips.h"
#include "whole_file_printing.h"

#include <QPageSize>
#include <QMessageBox>
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
        if (dialog.exec() != QDialog::Accepted)
            return;
        // The user chose the paper; the sheet goes at its true size in its
        // top-left corner.
        PrintReportingFailure(printer, sheet, dialogParent_);
    }

private:
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

bool PrintSheetOn(QPrinter& printer, QWidget& sheet)
{
    // Rendered straight onto a printer, QWidget::render falls back to a
    // bitmap of the widgets. Recorded as a picture first, the widgets' own
    // drawing commands (text, lines, fills) reach the printer as they are.
    QPicture drawing;
    QPainter recorder(&drawing);
    sheet.render(
        &recorder, QPoint(0, 0), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    recorder.end();

    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // Playing a picture already scales it from its own dots per inch to the
    // printer's; what is left is to make a sheet pixel 1/96 inch.
    const double pictureDpiX = drawing.logicalDpiX();
    const double pictureDpiY = drawing.logicalDpiY();
    painter.scale(pictureDpiX / PixelsPerInch, pictureDpiY / PixelsPerInch);
    painter.drawPicture(0, 0, drawing);
    return painter.end();
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
