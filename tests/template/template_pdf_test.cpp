// The printed template, measured as a person would check it: the PDF is
// rendered at 300 dpi, the pages are put back together by their
// registration crosses, and the ruler and the frets are measured in pixels.

#include "classic_board.h"
#include "painter_renderer.h"
#include "said.h"
#include "template_export.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cmath>

using namespace corvane::drawing;
using corvane::cli::Mode;
using corvane::testing_support::ClassicBoard;
using corvane::testing_support::Said;
using corvane::testing_support::TemperedChromatic;

namespace {

constexpr double Dpi = 300;
constexpr double PixelsPerMm = Dpi / 25.4;

struct Run {
    int start, end; // inclusive
    double centre() const { return (start + end) / 2.0; }
    double lengthMm() const { return (end - start + 1) / PixelsPerMm; }
};

// Dark runs along a row or a column of a grey image.
std::vector<Run> Runs(const QImage& image, int index, bool alongRow)
{
    std::vector<Run> runs;
    const int count = alongRow ? image.width() : image.height();
    int start = -1;
    for (int i = 0; i <= count; ++i) {
        const bool dark = i < count
            && (alongRow ? image.constScanLine(index)[i] : image.constScanLine(i)[index]) < 128;
        if (dark && start < 0)
            start = i;
        if (!dark && start >= 0) {
            runs.push_back(Run { start, i - 1 });
            start = -1;
        }
    }
    return runs;
}

struct Stroke { // a horizontal mark: its centre and length
    double x, y, lengthMm;
};

// Horizontal runs of at least minimumMm, the rows of one thick line merged.
std::vector<Stroke> HorizontalStrokes(const QImage& image, double minimumMm, double maximumMm)
{
    std::vector<Stroke> strokes;
    std::vector<int> rowsOf;
    for (int y = 0; y < image.height(); ++y)
        for (const Run& run : Runs(image, y, true)) {
            if (run.lengthMm() < minimumMm || run.lengthMm() > maximumMm)
                continue;
            auto same = std::find_if(strokes.begin(), strokes.end(), [&](const Stroke& s) {
                return std::abs(s.x - run.centre()) < 3 && std::abs(s.y - y) < 6;
            });
            if (same == strokes.end()) {
                strokes.push_back(Stroke { run.centre(), double(y), run.lengthMm() });
                rowsOf.push_back(1);
            } else {
                const auto k = std::size_t(same - strokes.begin());
                same->y = (same->y * rowsOf[k] + y) / (rowsOf[k] + 1);
                ++rowsOf[k];
            }
        }
    return strokes;
}

struct PageFeatures {
    std::vector<Stroke> crosses; // sorted by x then y
    std::vector<double> boardLines; // x of the nut, fret and saddle lines
    double millimetreRulerMm = 0; // between its 0 and 100 ticks
    double inchRulerMm = 0; // between its 0 and 4 in ticks
};

double OuterTickDistanceMm(const QImage& image, const Stroke& baseline)
{
    // Only under the baseline: the cut line also crosses this row.
    const double halfLength = (baseline.lengthMm / 2 + 1) * PixelsPerMm;
    auto ticks = Runs(image, int(std::lround(baseline.y + 4 * PixelsPerMm)), true);
    std::erase_if(
        ticks, [&](const Run& r) { return std::abs(r.centre() - baseline.x) > halfLength; });
    if (ticks.size() < 2)
        return 0;
    return (ticks.back().centre() - ticks.front().centre()) / PixelsPerMm;
}

PageFeatures Measure(const QImage& image)
{
    PageFeatures page;
    page.crosses = HorizontalStrokes(image, 7.5, 8.5);
    std::sort(page.crosses.begin(), page.crosses.end(), [](const Stroke& a, const Stroke& b) {
        return std::abs(a.x - b.x) > 3 ? a.x < b.x : a.y < b.y;
    });
    const auto longStrokes = HorizontalStrokes(image, 99, 10000);
    // The board's top edge is the highest long line; its frets are sampled
    // twice under it, away from the dashed centre line.
    const auto topEdge = std::min_element(
        longStrokes.begin(), longStrokes.end(), [](auto& a, auto& b) { return a.y < b.y; });
    if (topEdge == longStrokes.end())
        return page;
    const int rowA = int(std::lround(topEdge->y + 8 * PixelsPerMm));
    const int rowB = int(std::lround(topEdge->y + 20 * PixelsPerMm));
    const auto runsB = Runs(image, rowB, true);
    for (const Run& run : Runs(image, rowA, true)) {
        const bool nearCross = std::any_of(page.crosses.begin(), page.crosses.end(),
            [&](const Stroke& c) { return std::abs(c.x - run.centre()) < 2 * PixelsPerMm; });
        const bool continues = std::any_of(runsB.begin(), runsB.end(),
            [&](const Run& b) { return std::abs(b.centre() - run.centre()) < 2; });
        if (!nearCross && continues)
            page.boardLines.push_back(run.centre());
    }
    // The rulers' baselines are the two lowest long lines, millimetres above inches.
    std::vector<Stroke> rulers = longStrokes;
    std::sort(rulers.begin(), rulers.end(), [](auto& a, auto& b) { return a.y > b.y; });
    if (rulers.size() >= 2) {
        page.millimetreRulerMm = OuterTickDistanceMm(image, rulers[1]);
        page.inchRulerMm = OuterTickDistanceMm(image, rulers[0]);
    }
    return page;
}

std::vector<QImage> RenderPages(const QString& pdf, const QString& directory)
{
    QProcess render;
    render.start(QStringLiteral(PDFTOPPM_PROGRAM),
        { "-r", "300", "-gray", "-png", pdf, directory + "/page" });
    if (!render.waitForFinished(60000) || render.exitCode() != 0)
        return {};
    std::vector<QImage> pages;
    QDir dir(directory);
    for (const QString& name : dir.entryList({ "page-*.png" }, QDir::Files, QDir::Name))
        pages.push_back(QImage(dir.filePath(name)).convertToFormat(QImage::Format_Grayscale8));
    return pages;
}

} // namespace

class TemplatePdfTest : public QObject {
    Q_OBJECT

private slots:
    void measuresTrueSizeOnEveryPath_data()
    {
        QTest::addColumn<bool>("throughPrinter");
        QTest::newRow("exported PDF") << false;
        // A4 upright in the printer: the pages are turned onto it.
        QTest::newRow("printer PDF") << true;
    }

    void measuresTrueSizeOnEveryPath()
    {
        QFETCH(bool, throughPrinter);
        QTemporaryDir directory;
        const QString pdf = directory.filePath("template.pdf");
        const Drawing board = ClassicBoard(TemperedChromatic, "650", Unit::Millimetre);
        std::optional<corvane::board::Problem> error;
        const TemplateWords words
            = corvane::language::TemplateWordsIn(corvane::language::Language::French);
        if (throughPrinter) {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setPageSize(QPageSize(QPageSize::A4));
            printer.setPageOrientation(QPageLayout::Portrait);
            error = PrintTemplate(board, printer, words);
        } else {
            error = ExportTemplate(
                board, pdf, ExportOptions { *PaperFromName("a4"), Unit::Millimetre, "t", words });
        }
        QVERIFY2(!error, error ? Said(*error).c_str() : "");

        std::vector<QImage> images = RenderPages(pdf, directory.path());
        QCOMPARE(images.size(), std::size_t(3)); // the fewest A4 pages can hold 650 mm
        std::vector<double> lines; // in pixels along the reassembled board
        double offsetX = 0;
        std::vector<Stroke> previousCrosses;
        for (QImage& image : images) {
            if (image.height() > image.width())
                image = image
                            .transformed(QTransform().rotate(-90)) // undo the quarter turn
                            .convertToFormat(QImage::Format_Grayscale8);
            const PageFeatures page = Measure(image);
            QVERIFY2(std::abs(page.millimetreRulerMm - 100) <= 0.2,
                qPrintable(QString::number(page.millimetreRulerMm)));
            QVERIFY2(std::abs(page.inchRulerMm - 101.6) <= 0.2,
                qPrintable(QString::number(page.inchRulerMm)));
            qInfo("rulers %.3f mm and %.3f mm", page.millimetreRulerMm, page.inchRulerMm);
            if (!previousCrosses.empty()) {
                QVERIFY(page.crosses.size() >= 2 && previousCrosses.size() >= 2);
                const Stroke& theirs = previousCrosses[previousCrosses.size() - 2];
                const Stroke& ours = page.crosses[0];
                QVERIFY(std::abs(theirs.y - ours.y) < 2);
                offsetX += theirs.x - ours.x;
            }
            for (double x : page.boardLines)
                if (std::none_of(lines.begin(), lines.end(), [&](double seen) {
                        return std::abs(seen - (x + offsetX)) < 0.5 * PixelsPerMm;
                    }))
                    lines.push_back(x + offsetX);
            previousCrosses = page.crosses;
        }
        std::sort(lines.begin(), lines.end());
        QCOMPARE(lines.size(), std::size_t(26)); // nut, 24 frets, saddle
        const double twelfth = (lines[12] - lines[0]) / PixelsPerMm;
        QVERIFY2(std::abs(twelfth - 325) <= 0.2, qPrintable(QString::number(twelfth)));
        const double saddle = (lines[25] - lines[0]) / PixelsPerMm;
        qInfo("fret 12 at %.3f mm, saddle at %.3f mm", twelfth, saddle);
        QVERIFY2(std::abs(saddle - 650) <= 0.2, qPrintable(QString::number(saddle)));
    }

    // Every scale, with and without a mode, in every unit, in every format.
    void everyScaleWritesEveryFormat()
    {
        const char* scales[]
            = { "Tempérée Diatonique", "Tempérée Chromatique", "Naturelle   Diatonique",
                  "Naturelle   Chromatique", "Pythagore Diatonique", "Pythagore Chromatique" };
        const struct {
            const char* length;
            Unit unit;
        } lengths[]
            = { { "650", Unit::Millimetre }, { "65", Unit::Centimetre }, { "25.5", Unit::Inch } };
        const struct {
            const char* suffix;
            QByteArray start;
        } formats[] = { { "pdf", "%PDF-" }, { "svg", "<?xml" }, { "dxf", "999\ndxflib" } };
        QTemporaryDir directory;
        for (const char* scale : scales)
            for (const Mode mode : { Mode::Sol, Mode::None })
                for (const auto& length : lengths)
                    for (const auto& format : formats) {
                        const QString path
                            = directory.filePath(QStringLiteral("t.") + format.suffix);
                        const auto error
                            = ExportTemplate(ClassicBoard(scale, length.length, length.unit, mode),
                                path, ExportOptions { *PaperFromName("a4"), length.unit, "t" });
                        QVERIFY2(
                            !error, qPrintable(QString::fromUtf8(scale) + " " + format.suffix));
                        QFile file(path);
                        QVERIFY(file.open(QIODevice::ReadOnly));
                        QVERIFY2(file.read(format.start.size()) == format.start, format.suffix);
                    }
    }

    // 650 typed with the inch chosen: refused, and the file already there stays.
    // The box a view keeps labels apart by holds every pixel the renderer
    // inks for the text, whatever its anchor and turn.
    void textBoundsHoldTheInk_data()
    {
        QTest::addColumn<QString>("content");
        QTest::addColumn<int>("anchor");
        QTest::addColumn<double>("rotation");
        QTest::newRow("fret number, centred") << QStringLiteral("24") << int(Anchor::Centre) << 0.0;
        QTest::newRow("note with accent") << QStringLiteral("Ré#") << int(Anchor::Centre) << 0.0;
        QTest::newRow("distance read upwards")
            << QStringLiteral("335,6070") << int(Anchor::Left) << 90.0;
        QTest::newRow("distance ending at the board")
            << QStringLiteral("346,7981") << int(Anchor::Right) << 90.0;
        QTest::newRow("descender") << QStringLiteral("Sillet, jg") << int(Anchor::Left) << 0.0;
    }
    void textBoundsHoldTheInk()
    {
        QFETCH(QString, content);
        QFETCH(int, anchor);
        QFETCH(double, rotation);
        constexpr double PxPerMm = 20;
        Drawing drawing { 60, 60, {}, {}, {} };
        drawing.texts.push_back(Text {
            { 30, 30 }, content.toStdString(), 4.0, Layer::Labels, Anchor(anchor), rotation, {} });
        QImage image(1200, 1200, QImage::Format_Grayscale8);
        image.fill(Qt::white);
        QPainter painter(&image);
        RenderDrawing(drawing, painter, PxPerMm);
        painter.end();
        const Box box = TextBounds(drawing.texts).front();
        int inked = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 160) {
                    ++inked;
                    const bool inside = x + 1 >= box.left * PxPerMm && x <= box.right * PxPerMm
                        && y + 1 >= box.top * PxPerMm && y <= box.bottom * PxPerMm;
                    if (!inside)
                        QFAIL(qPrintable(
                            QStringLiteral("ink at %1, %2 outside the box").arg(x).arg(y)));
                }
        QVERIFY(inked > 0);
    }

    void refusesAnAbsurdTemplateAndKeepsTheOldFile()
    {
        QTemporaryDir directory;
        const QString path = directory.filePath("keep.pdf");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        const auto error = ExportTemplate(ClassicBoard(TemperedChromatic, "650", Unit::Inch), path,
            ExportOptions { *PaperFromName("a4"), Unit::Inch, "t" });
        QVERIFY(error && Said(*error).find("50 au plus") != std::string::npos);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old"));
        QCOMPARE(QDir(directory.path()).entryList(QDir::Files).size(), 1);
    }
};

QTEST_MAIN(TemplatePdfTest)
#include "template_pdf_test.moc"
