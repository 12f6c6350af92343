// Printing a sheet: to a PDF file as the tests inject it, and through the
// print dialog as the print button offers it. The PDF is read back with
// poppler's tools: page size, texts, and where the texts stand.

#include "sheet_test_support.h"
#include "sheets.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrintDialog>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace corvane;
using corvane::test::FakeSource;
using corvane::test::ModalWatcher;
using corvane::test::PdfWord;

namespace {

constexpr int Diatonic = 1;
constexpr int Chromatic = 2;

QString SheetName(int kind)
{
    return kind == Diatonic ? "Capture1" : "Capture";
}

// 20 twips to the point: the sheets' twips are physical.
constexpr double PointsPerTwip = 1.0 / 20;
// Where poppler and Qt may round a coordinate or a page size.
constexpr double Tolerance = 0.5;

const char* const NoteNames[]
    = { " Do#", " Ré", " Ré#", " Mi", " Fa", " Fa#", " Sol", " Sol#", " La", " La#", " Si", " Do" };

QString Position(int slot)
{
    return QStringLiteral("%1,%2").arg(100 + slot).arg(slot, 4, 10, QChar('0'));
}

// A main window after a chromatic scale on a 648.5 mm string: every
// position distinct, note names with their leading blank.
FakeSource PrintedSource(int kind)
{
    FakeSource source;
    source.texts.insert("Longvib", "648.5 mm");
    source.texts.insert(
        "Combo1", kind == Diatonic ? "Naturelle   Diatonique" : "Tempérée Chromatique");
    for (int slot = 1; slot <= 24; ++slot) {
        source.texts.insert(QStringLiteral("Text%1").arg(slot), Position(slot));
        source.texts.insert(QStringLiteral("Text%1").arg(slot + 24), NoteNames[(slot - 1) % 12]);
    }
    return source;
}

QList<int> SheetSlots(int kind)
{
    if (kind == Chromatic) {
        QList<int> shownSlots;
        for (int slot = 1; slot <= 24; ++slot)
            shownSlots.append(slot);
        return shownSlots;
    }
    return { 1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15 };
}

QStringList Words(const QString& text)
{
    return text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
}

// Two position boxes of each sheet, far apart, and how far apart they were
// designed (twips): the PDF must keep that distance at 20 twips a point.
struct Span {
    int firstSlot, secondSlot;
    int dxTwips, dyTwips;
};
Span MeasuredSpan(int kind)
{
    // Capture1: slot 1 in Text3 (120, 1440), slot 15 in Text30 (2400, 3840).
    // Capture: slot 1 in Text1 (120, 1440), slot 24 in Text24 (2400, 6240).
    return kind == Diatonic ? Span { 1, 15, 2280, 2400 } : Span { 1, 24, 2280, 4800 };
}

class RecordingPrinting : public ui::SheetPrinting {
public:
    void printSheet(QWidget& sheet) override
    {
        printed.append(&sheet);
        visibleWhenPrinted = sheet.isVisible();
        textsWhenPrinted = test::ControlTexts(sheet);
    }

    QList<QWidget*> printed;
    bool visibleWhenPrinted = true;
    QMap<QString, QString> textsWhenPrinted;
};

// Picks "Print to File (PDF)" in the print dialog, as the user would in its
// printer list, and types the file name.
bool ChoosePdfFile(QPrintDialog& dialog, const QString& path)
{
    auto* printers = dialog.findChild<QComboBox*>("printers");
    auto* file = dialog.findChild<QLineEdit*>("filename");
    if (printers == nullptr || file == nullptr)
        return false;
    const int toFile = printers->findText("Print to File (PDF)");
    if (toFile < 0)
        return false;
    printers->setCurrentIndex(toFile);
    file->setText(path);
    return true;
}

void ComparePoints(double actual, double expected, const char* what)
{
    QVERIFY2(std::abs(actual - expected) <= Tolerance,
        qPrintable(QString("%1: %2 pt, expected %3 pt").arg(what).arg(actual).arg(expected)));
}

} // namespace

class SheetPrintingTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(directory_.isValid()); }

    void kinds_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("Capture1") << Diatonic;
        QTest::newRow("Capture") << Chromatic;
    }

    // The sheet is printed loaded and before it is shown, and it is the
    // very window that is shown afterwards.
    void printsTheLoadedSheetBeforeShowingIt_data() { kinds_data(); }

    void printsTheLoadedSheetBeforeShowingIt()
    {
        QFETCH(int, kind);
        const FakeSource source = PrintedSource(kind);
        RecordingPrinting printing;
        QWidget* shown = nullptr;
        {
            ModalWatcher watcher([&](QWidget& window) { shown = &window; });
            ui::OpenSheet(kind, source, printing);
            QCOMPARE(watcher.seen(), QStringList { SheetName(kind) });
        }
        QCOMPARE(printing.printed.size(), 1);
        QCOMPARE(printing.printed.front(), shown);
        QVERIFY(!printing.visibleWhenPrinted);
        const QString lengthBox = kind == Diatonic ? "Text2" : "Text49";
        QCOMPARE(printing.textsWhenPrinted.value(lengthBox), QStringLiteral("648.5 mm"));
        QCOMPARE(printing.textsWhenPrinted.value("Label3"), source.texts.value("Combo1"));
    }

    void nothingPrintedWithoutAScale()
    {
        RecordingPrinting printing;
        ModalWatcher watcher;
        ui::OpenSheet(0, PrintedSource(Chromatic), printing);
        QVERIFY(printing.printed.isEmpty());
        QVERIFY(watcher.seen().isEmpty());
    }

    // The page is the sheet, edge to edge, at 20 twips a point.
    void pdfPageIsTheSheet_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QSizeF>("points");
        QTest::newRow("Capture1") << Diatonic << QSizeF(4695 * PointsPerTwip, 4335 * PointsPerTwip);
        QTest::newRow("Capture") << Chromatic << QSizeF(4695 * PointsPerTwip, 6735 * PointsPerTwip);
    }

    void pdfPageIsTheSheet()
    {
        QFETCH(int, kind);
        QFETCH(QSizeF, points);
        const QString pdf = printToPdf(kind);
        const QSizeF page = test::PdfPageSize(pdf);
        ComparePoints(page.width(), points.width(), "page width");
        ComparePoints(page.height(), points.height(), "page height");
    }

    // Everything the sheet shows is text in the PDF: the title, the
    // headings, the length, each position of the sheet's slots and the note
    // names with their accents; the positions of other slots are not.
    void pdfHoldsTheSheetTexts_data() { kinds_data(); }

    void pdfHoldsTheSheetTexts()
    {
        QFETCH(int, kind);
        const FakeSource source = PrintedSource(kind);
        const QStringList words = Words(test::PdfText(printToPdf(kind)));
        QStringList expected = Words(source.texts.value("Combo1"));
        expected << "Longueur"
                 << "Note"
                 << "648.5"
                 << "mm"
                 << "Diap.";
        const QList<int> shownSlots = SheetSlots(kind);
        for (int slot : shownSlots) {
            expected << Position(slot);
            expected << source.texts.value(QStringLiteral("Text%1").arg(slot + 24)).trimmed();
        }
        for (const QString& word : expected)
            QVERIFY2(words.contains(word), qPrintable(word + " missing from " + words.join(' ')));
        for (int slot = 1; slot <= 24; ++slot) {
            if (!shownSlots.contains(slot))
                QVERIFY2(!words.contains(Position(slot)), qPrintable(Position(slot)));
        }
        QVERIFY(words.contains(QStringLiteral("Ré")));
    }

    // True size: two boxes stand as far apart on paper as their twips say,
    // and the first stands inside its own box, measured from the page corner.
    void pdfDrawsAtTrueSize_data() { kinds_data(); }

    void pdfDrawsAtTrueSize()
    {
        QFETCH(int, kind);
        const Span span = MeasuredSpan(kind);
        const QList<PdfWord> words = test::PdfWords(printToPdf(kind));
        const auto first = test::UniquePdfWord(words, Position(span.firstSlot));
        const auto second = test::UniquePdfWord(words, Position(span.secondSlot));
        QVERIFY(first && second);
        ComparePoints(second->xMin - first->xMin, span.dxTwips * PointsPerTwip, "across");
        ComparePoints(second->yMin - first->yMin, span.dyTwips * PointsPerTwip, "down");
        // Slot 1's box: left 120, top 1440, 1455 x 405 twips.
        const QRectF box(
            120 * PointsPerTwip, 1440 * PointsPerTwip, 1455 * PointsPerTwip, 405 * PointsPerTwip);
        QVERIFY(box.contains(QPointF(first->xMin, first->yMin)));
        QVERIFY(box.contains(QPointF(first->xMax, first->yMax)));
    }

    // Cancel prints nothing, even with a file chosen, and the sheet is shown
    // all the same.
    void printDialogCancelled()
    {
        const QString pdf = directory_.filePath("cancelled.pdf");
        auto printing = ui::MakeDialogPrinting(nullptr);
        ModalWatcher watcher([&](QWidget& window) {
            if (auto* dialog = qobject_cast<QPrintDialog*>(&window)) {
                QVERIFY(ChoosePdfFile(*dialog, pdf));
                dialog->reject();
            }
        });
        ui::OpenSheet(Chromatic, PrintedSource(Chromatic), *printing);
        QCOMPARE(watcher.seen(), (QStringList { "QPrintDialog", "Capture" }));
        QVERIFY(!QFileInfo::exists(pdf));
    }

    // Accepted with "Print to File (PDF)", which the dialog offers even on a
    // machine without printers: the paper is the dialog's, the sheet keeps
    // its true size in the top-left corner of the printable area, and
    // nothing is drawn past its edges.
    void printDialogAcceptedToPdf_data() { kinds_data(); }

    void printDialogAcceptedToPdf()
    {
        QFETCH(int, kind);
        const QString pdf = directory_.filePath("dialog.pdf");
        auto printing = ui::MakeDialogPrinting(nullptr);
        ModalWatcher watcher([&](QWidget& window) {
            if (auto* dialog = qobject_cast<QPrintDialog*>(&window)) {
                QVERIFY(ChoosePdfFile(*dialog, pdf));
                dialog->accept();
            }
        });
        ui::OpenSheet(kind, PrintedSource(kind), *printing);
        QCOMPARE(watcher.seen(), (QStringList { "QPrintDialog", SheetName(kind) }));

        const QSizeF page = test::PdfPageSize(pdf);
        const bool a4 = std::abs(page.width() - 595) <= 1 && std::abs(page.height() - 842) <= 1;
        const bool letter = std::abs(page.width() - 612) <= 1 && std::abs(page.height() - 792) <= 1;
        QVERIFY2(
            a4 || letter, qPrintable(QString("page %1 x %2").arg(page.width()).arg(page.height())));

        const Span span = MeasuredSpan(kind);
        const QList<PdfWord> words = test::PdfWords(pdf);
        const auto first = test::UniquePdfWord(words, Position(span.firstSlot));
        const auto second = test::UniquePdfWord(words, Position(span.secondSlot));
        QVERIFY(first && second);
        ComparePoints(second->xMin - first->xMin, span.dxTwips * PointsPerTwip, "across");
        ComparePoints(second->yMin - first->yMin, span.dyTwips * PointsPerTwip, "down");
        QVERIFY(first->xMin < page.width() / 4 && first->yMin < page.height() / 4);

        // At 96 dots per inch a sheet pixel is a page dot. The frame's
        // corner is the first ink; right of the frame and below it the
        // paper stays blank (Capture1's bottom line runs past its right
        // edge, and only the window clips it).
        const QImage image = test::PdfPageImage(pdf, 96);
        QVERIFY(!image.isNull());
        const QSize sheet = kind == Diatonic ? QSize(313, 289) : QSize(313, 449);
        QPoint corner(-1, -1);
        for (int y = 0; y < image.height() / 2 && corner.x() < 0; ++y) {
            for (int x = 0; x < image.width() / 2; ++x) {
                if (qGray(image.pixel(x, y)) < 128) {
                    corner = QPoint(x, y);
                    break;
                }
            }
        }
        QVERIFY(corner.x() >= 0);
        const int margin = 2; // a line off the dot grid blurs into the next dot
        const QRect right(corner.x() + sheet.width() + margin, corner.y(), 40, sheet.height());
        const QRect below(corner.x(), corner.y() + sheet.height() + margin, sheet.width(), 40);
        for (const QRect& blank : { right, below }) {
            for (int y = blank.top(); y <= blank.bottom(); ++y) {
                for (int x = blank.left(); x <= blank.right(); ++x)
                    QVERIFY2(qGray(image.pixel(x, y)) > 250,
                        qPrintable(QString("ink at %1, %2").arg(x).arg(y)));
            }
        }
    }

private:
    QString printToPdf(int kind)
    {
        const QString pdf = directory_.filePath(SheetName(kind) + ".pdf");
        auto printing = ui::MakePdfFilePrinting(pdf);
        ModalWatcher watcher;
        ui::OpenSheet(kind, PrintedSource(kind), *printing);
        if (watcher.seen() != QStringList { SheetName(kind) })
            qWarning() << "the sheet did not open:" << watcher.seen();
        return pdf;
    }

    QTemporaryDir directory_;
};

int main(int argc, char* argv[])
{
    SheetPrintingTest tests;
    return test::RunWindowTests(tests, argc, argv);
}

#include "sheet_printing_test.moc"
