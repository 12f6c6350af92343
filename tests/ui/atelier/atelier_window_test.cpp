// The Atelier's window driven as a user drives it: typing into the form,
// choosing from its lists, opening and saving files.

#include "atelier_driver.h"
#include "atelier_window.h"
#include "board_drawing.h"
#include "board_view.h"
#include "design_file.h"
#include "design_form.h"
#include "interface_language.h"
#include "painter_renderer.h"
#include "pdf_paper_dialog.h"
#include "problem_text.h"
#include "readable_labels.h"
#include "recent_files.h"
#include "workshop_table.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDropEvent>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <functional>
#include <memory>
#include <optional>

using namespace corvane;
using namespace corvane::atelier_driver;

class AtelierWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        window = std::make_unique<AtelierWindow>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    void cleanup()
    {
        window->setWindowModified(false);
        window.reset();
    }

    // Typed lengths, in every unit, reach the engine: the twelfth fret of
    // 12-EDO is at half the scale, whatever the unit.
    void typedLengthsReachTheTable_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("twelfth");
        QTest::newRow("mm") << "mm"
                            << "648"
                            << "324.0000";
        QTest::newRow("cm") << "cm"
                            << "64.8"
                            << "32.4000";
        QTest::newRow("inch fraction") << "in"
                                       << "25 1/2"
                                       << "12.7500";
        QTest::newRow("unit written") << "mm"
                                      << "25.5 in"
                                      << "323.8500";
    }
    void typedLengthsReachTheTable()
    {
        QFETCH(QString, unit);
        QFETCH(QString, typed);
        QFETCH(QString, twelfth);
        atelier::DesignForm& form = *window->form();
        Choose(form.unitField(), form.unitField()->itemText(form.unitField()->findData(unit)));
        Retype(form.lengthField(), typed);
        QCOMPARE(Cell(*window, 12, QStringLiteral("Depuis le sillet")), twelfth);
        // At 25 1/2 in frets 6 and 18 lie a few 1/100000 in short of their 1/64: never a "-0.0000".
        QVERIFY(!window->table()
                     ->toText(QLatin1Char('\t'))
                     .contains(QRegularExpression(QStringLiteral("(^|\\s)-0\\.0+(\\s|$)"))));
        QVERIFY(window->isWindowModified());
        QVERIFY(window->windowTitle().startsWith(QStringLiteral("Sans titre")));
    }

    // A unit change re-expresses the lengths without rounding them.
    void unitChangesKeepExactLengths()
    {
        atelier::DesignForm& form = *window->form();
        Retype(form.lengthField(), QStringLiteral("650"));
        Choose(form.unitField(), QStringLiteral("pouces (in)"));
        QCOMPARE(form.lengthField()->text(), QStringLiteral("25.5906"));
        Choose(form.unitField(), QStringLiteral("millimètres (mm)"));
        QCOMPARE(form.design().bassLengthMm, 650.0);
        QCOMPARE(Cell(*window, 12, QStringLiteral("Depuis le sillet")), QStringLiteral("325.0000"));
        // The unit chosen last is the one a new design starts in.
        Choose(form.unitField(), QStringLiteral("pouces (in)"));
        QCOMPARE(AtelierWindow().design().unit, board::Unit::Inch);
        Choose(form.unitField(), QStringLiteral("millimètres (mm)"));
    }

    // A bad entry is shown where it is typed and in the status bar; the
    // drawing and the table keep the last valid design; no dialog opens.
    void invalidEntriesKeepTheLastDesign_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("not a number") << "abc";
        QTest::newRow("zero") << "0";
        QTest::newRow("negative") << "-5";
    }
    void invalidEntriesKeepTheLastDesign()
    {
        QFETCH(QString, typed);
        atelier::DesignForm& form = *window->form();
        Retype(form.lengthField(), QStringLiteral("640"));
        const drawing::Drawing before = window->boardDrawing();
        Retype(form.lengthField(), typed);
        QVERIFY(LooksInvalid(form.lengthField()));
        QVERIFY(!window->shownProblem().isEmpty());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QCOMPARE(form.design().bassLengthMm, 640.0);
        QCOMPARE(Cell(*window, 12, QStringLiteral("Depuis le sillet")), QStringLiteral("320.0000"));
        QCOMPARE(window->boardView()->shownDrawing().lines.size(), before.lines.size());
        Retype(form.lengthField(), QStringLiteral("650"));
        QVERIFY(!LooksInvalid(form.lengthField()));
        QVERIFY(window->shownProblem().isEmpty());
    }

    // Each kind of temperament, chosen from the list: figures published
    // elsewhere (a 19-EDO fret is 1200/19 cents; the classic tempered scale
    // puts fret 12 of 650 at 325; the just table's major third is 5/4).
    void temperamentChoices_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<int>("divisions");
        QTest::addColumn<int>("fret");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("expected");
        QTest::newRow("19-EDO") << "Divisions égales de la période" << 19 << 1 << "Cents"
                                << "63.158";
        QTest::newRow("Bohlen-Pierce period")
            << "Divisions égales de la période" << 13 << 13 << "Rapport"
            << "3.000000";
        QTest::newRow("classic chromatic")
            << "Tempérée Chromatique" << 0 << 12 << "Depuis le sillet"
            << "325.0000";
        QTest::newRow("classic digits kept")
            << "Naturelle Chromatique" << 0 << 6 << "Depuis le sillet"
            << "189.57725";
        QTest::newRow("just 12") << "Juste, 5-limite (12 notes)" << 0 << 4 << "Rapport"
                                 << "1.250000";
        QTest::newRow("meantone") << "Mésotonique au quart de comma (12 notes)" << 0 << 4
                                  << "Rapport"
                                  << "1.250000";
    }
    void temperamentChoices()
    {
        QFETCH(QString, choice);
        QFETCH(int, divisions);
        QFETCH(int, fret);
        QFETCH(QString, column);
        QFETCH(QString, expected);
        atelier::DesignForm& form = *window->form();
        Retype(form.lengthField(), QStringLiteral("650"));
        Choose(form.temperamentField(), choice);
        if (divisions) {
            if (divisions == 13)
                Retype(form.periodField(), QStringLiteral("3/1"));
            form.divisionsField()->setFocus();
            form.divisionsField()->selectAll();
            QTest::keyClicks(form.divisionsField(), QString::number(divisions));
        }
        QCOMPARE(Cell(*window, fret, column), expected);
    }

    // A fanned board lists every string; the bass string's twelfth fret
    // lies at half the bass length, the treble's at half the treble's.
    void fannedBoardListsEveryString()
    {
        atelier::DesignForm& form = *window->form();
        QTest::mouseClick(
            form.fannedField(), Qt::LeftButton, {}, QPoint(5, form.fannedField()->height() / 2));
        QVERIFY(form.fannedField()->isChecked());
        Retype(form.lengthField(), QStringLiteral("686"));
        Retype(form.trebleLengthField(), QStringLiteral("648"));
        const atelier::WorkshopTable& table = *window->table();
        QCOMPARE(table.rowCount(), 24 * 6);
        QCOMPARE(table.index(11 * 6, 5).data().toString(), QStringLiteral("343.0000"));
        QCOMPARE(table.index(11 * 6 + 5, 5).data().toString(), QStringLiteral("324.0000"));
    }

    // The live drawing's labels at low zoom: fret numbers before any other
    // label (the nut's name used to take fret 1's place), names kept on a
    // row of their own, and no two kept labels closer than the gap.
    void labelsStayReadableAndApart_data()
    {
        QTest::addColumn<double>("lengthMm");
        QTest::addColumn<int>("frets");
        QTest::addColumn<int>("strings");
        QTest::addColumn<double>("pixelsPerMm");
        QTest::addColumn<int>("numbered"); // frets 1 to this keep their number
        QTest::newRow("650 mm zoomed in") << 650.0 << 24 << 6 << 2.5 << 24;
        QTest::newRow("650 mm, nut's name against fret 1") << 650.0 << 24 << 6 << 0.5 << 4;
        QTest::newRow("25.5 in, 22 frets, fitted") << 647.7 << 22 << 6 << 1.0 << 10;
        QTest::newRow("bass, 4 strings") << 864.0 << 20 << 4 << 0.6 << 8;
        QTest::newRow("600 mm, 24 frets, fitted: Do and Do#, 10 and 11 met")
            << 600.0 << 24 << 6 << 1.05 << 9;
    }
    void labelsStayReadableAndApart()
    {
        QFETCH(double, lengthMm);
        QFETCH(int, frets);
        QFETCH(int, strings);
        QFETCH(double, pixelsPerMm);
        QFETCH(int, numbered);
        board::Design design;
        design.bassLengthMm = design.trebleLengthMm = lengthMm;
        design.frets = frets;
        design.strings = strings;
        drawing::BoardDrawingOptions options;
        options.titleBlock = false;
        const drawing::Drawing shown = atelier::ReadableAt(
            drawing::BoardDrawing(*board::ComputeLayout(design).layout, options), pixelsPerMm)
                                           .shown;
        const auto kept = [&](const std::string& label) {
            return std::any_of(shown.texts.begin(), shown.texts.end(),
                [&](const drawing::Text& text) { return text.utf8 == label; });
        };
        for (int fret = 1; fret <= numbered; ++fret)
            QVERIFY2(kept(std::to_string(fret)), qPrintable(QStringLiteral("fret %1").arg(fret)));
        QVERIFY(kept("Fa")); // fret 1's note, above its number
        const std::vector<drawing::Box> boxes = drawing::TextBounds(shown.texts);
        for (std::size_t i = 0; i < boxes.size(); ++i)
            for (std::size_t j = i + 1; j < boxes.size(); ++j) {
                const double gapMm = 0.99
                    * std::max(atelier::LabelGapPx / pixelsPerMm,
                        atelier::LabelGapOfCapHeight
                            * std::min(shown.texts[i].heightMm, shown.texts[j].heightMm));
                const bool apart = boxes[i].right + gapMm <= boxes[j].left
                    || boxes[j].right + gapMm <= boxes[i].left
                    || boxes[i].bottom + gapMm <= boxes[j].top
                    || boxes[j].bottom + gapMm <= boxes[i].top;
                QVERIFY2(apart, (shown.texts[i].utf8 + " touches " + shown.texts[j].utf8).c_str());
            }
    }

    // Ctrl++ and Ctrl+- zoom by a fixed step; Ctrl+0 fits the board again.
    void zoomShortcuts()
    {
        atelier::BoardView& view = *window->boardView();
        const double fitted = view.scale();
        window->tableView()->setFocus();
        QTest::keyClick(window.get(), Qt::Key_Plus, Qt::ControlModifier);
        QTest::keyClick(window.get(), Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(view.scale(), fitted * atelier::ZoomStep * atelier::ZoomStep);
        QVERIFY(!view.fitsView());
        QTest::keyClick(window.get(), Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(view.scale(), fitted * atelier::ZoomStep);
        QTest::keyClick(window.get(), Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(view.scale(), fitted);
        QVERIFY(view.fitsView());
    }

    // A board given while the window is hidden is fitted when it is shown
    // again, though the view keeps its size and gets no resize.
    void boardGivenWhileHiddenIsFittedWhenShown()
    {
        atelier::BoardView& view = *window->boardView();
        window->hide();
        board::Design bass;
        bass.bassLengthMm = bass.trebleLengthMm = 864.0;
        bass.frets = 20;
        bass.strings = 4;
        view.setDrawing(drawing::BoardDrawing(*board::ComputeLayout(bass).layout, {}));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const double shown = view.scale();
        view.zoomToFit();
        QCOMPARE(view.scale(), shown);
    }

    // Every standard action keeps its keys where the platform gives none
    // (Save As outside GNOME and KDE, the offscreen platform here).
    void standardShortcutsOnEveryDesktop()
    {
        const std::pair<const char*, const char*> actions[] = {
            { "&Nouveau", "Ctrl+N" },
            { "&Ouvrir…", "Ctrl+O" },
            { "&Enregistrer", "Ctrl+S" },
            { "Enregistrer &sous…", "Ctrl+Shift+S" },
            { "&Imprimer…", "Ctrl+P" },
            { "&Quitter", "Ctrl+Q" },
        };
        for (const auto& [text, keys] : actions) {
            const QAction* action = MenuAction(*window, QString::fromUtf8(text));
            QVERIFY2(action, text);
            QVERIFY2(action->shortcuts().contains(QKeySequence(QString::fromLatin1(keys))), text);
        }
    }

    void copiesTheTableAsTabSeparatedText()
    {
        window->tableView()->setFocus();
        QTest::keySequence(window.get(), QKeySequence::Copy);
        const QStringList lines
            = QApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1 + 24);
        QVERIFY(lines[0].startsWith(
            QStringLiteral("Frette\tNote\tRapport\tCents\tDepuis le sillet (mm)")));
        QVERIFY(lines[12].startsWith(QStringLiteral("12\tMi\t2.000000\t1200.000\t325.0000\t")));
    }

    void savesAndReopens()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("seven.corvane"));
        atelier::DesignForm& form = *window->form();
        Choose(form.temperamentField(), QStringLiteral("Divisions égales de la période"));
        form.divisionsField()->setValue(31);
        form.stringsField()->setValue(7);
        Retype(form.lengthField(), QStringLiteral("25 1/2 in"));
        const board::Design saved = form.design();
        QVERIFY(window->saveFile(path));
        QVERIFY(!window->isWindowModified());
        QCOMPARE(window->windowTitle(), QStringLiteral("seven.corvane[*] — Corvane Atelier"));

        QCOMPARE(atelier::RecentFiles().value(0), path);

        AtelierWindow reopened;
        QVERIFY(reopened.openFile(path));
        QVERIFY(reopened.design() == saved);
        QCOMPARE(reopened.form()->stringsField()->value(), 7);
        QCOMPARE(reopened.form()->divisionsField()->value(), 31);

        // Dropped on a window, the file opens too.
        AtelierWindow dropTarget;
        QMimeData dragged;
        dragged.setUrls({ QUrl::fromLocalFile(path) });
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        // QApplication passes a drop on only during a real drag: straight
        // to the window, as the drag would.
        static_cast<QObject&>(dropTarget).event(&drop);
        QCOMPARE(dropTarget.currentFile(), path);
        QVERIFY(dropTarget.design() == saved);
    }

    // A file that is not a design: a clear message, and the design, the
    // file name and the modified mark as they were.
    void badFileChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("named");
        QTest::newRow("not JSON") << QByteArray("{ frets: 24") << "bad.corvane";
        QTest::newRow("negative length")
            << QByteArray(R"({"format": "corvane-board", "version": 1, "bass_length": -650})")
            << "bad.corvane";
        QTest::newRow("missing") << QByteArray() << "missing.corvane";
    }
    void badFileChangesNothing()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, named);
        QTemporaryDir folder;
        const QString path = folder.filePath(named);
        if (!content.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        Retype(window->form()->lengthField(), QStringLiteral("640"));
        const board::Design before = window->design();
        const QString title = window->windowTitle();
        bool opened = true;
        const QString message = AnswerMessageBox([&] { opened = window->openFile(path); });
        QVERIFY(!opened);
        QVERIFY2(
            message.contains(named) && message.count(QLatin1Char('\n')) >= 1, qPrintable(message));
        QVERIFY(window->design() == before);
        QCOMPARE(window->windowTitle(), title);
        QVERIFY(window->isWindowModified());
    }

    // Closing with unsaved changes asks; Cancel keeps the window open.
    void closingUnsavedAsks()
    {
        Retype(window->form()->lengthField(), QStringLiteral("640"));
        const QString question = AnswerMessageBox([&] { window->close(); }, QMessageBox::Cancel);
        QVERIFY(question.contains(QStringLiteral("modifié")));
        QVERIFY(window->isVisible());
    }

    // The template goes out through the template outputs in the design's
    // unit: a DXF of an inch design declares inches ($INSUNITS 1), of a
    // millimetre one millimetres (4); the PDF of a fanned board is tiled
    // over several A4 pages; the SVG is in millimetres.
    void exportsTheTemplate_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("DXF in inches") << "in"
                                       << "board.dxf" << QByteArray("$INSUNITS\n 70\n1\n");
        QTest::newRow("DXF in mm") << "mm"
                                   << "board.dxf" << QByteArray("$INSUNITS\n 70\n4\n");
        QTest::newRow("SVG") << "in"
                             << "board.svg" << QByteArray("mm\" viewBox=");
        QTest::newRow("PDF") << "mm"
                             << "board.pdf" << QByteArray("/Type /Pages");
    }
    void exportsTheTemplate()
    {
        QFETCH(QString, unit);
        QFETCH(QString, file);
        QFETCH(QByteArray, expected);
        atelier::DesignForm& form = *window->form();
        Choose(form.unitField(), form.unitField()->itemText(form.unitField()->findData(unit)));
        QTest::mouseClick(
            form.fannedField(), Qt::LeftButton, {}, QPoint(5, form.fannedField()->height() / 2));
        QTemporaryDir folder;
        const QString path = folder.filePath(file);
        if (file.endsWith(QStringLiteral(".pdf")))
            AnswerPaperDialog(window.get(), QString());
        AnswerFileDialog(
            [&] { MenuAction(*window, QStringLiteral("E&xporter le gabarit…"))->trigger(); }, path);
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QByteArray content = written.readAll();
        content.replace("\r\n", "\n");
        QVERIFY2(content.contains(expected), content.left(400).constData());
        if (file.endsWith(QStringLiteral(".pdf"))) {
            // 686 mm of board need more than one A4 sheet.
            const QRegularExpressionMatch pages
                = QRegularExpression(QStringLiteral("/Count (\\d+)"))
                      .match(QString::fromLatin1(content));
            QVERIFY(pages.hasMatch() && pages.captured(1).toInt() > 1);
        }
    }

    // The paper chosen after the PDF's file is the PDF's page size, and is
    // offered again next time; A4 at first under a metric locale.
    void paperReachesThePdf_data()
    {
        QTest::addColumn<QString>("paper");
        QTest::addColumn<double>("shortSidePt");
        QTest::addColumn<double>("longSidePt");
        QTest::newRow("A4, the metric default") << QString() << 595.28 << 841.89;
        QTest::newRow("Letter") << "Letter (8 ½ × 11 in)" << 612.0 << 792.0;
        QTest::newRow("A3") << "A3 (297 × 420 mm)" << 841.89 << 1190.55;
        QTest::newRow("Legal") << "Legal (8 ½ × 14 in)" << 612.0 << 1008.0;
    }
    void paperReachesThePdf()
    {
        QFETCH(QString, paper);
        QFETCH(double, shortSidePt);
        QFETCH(double, longSidePt);
        if (paper.isEmpty())
            QSettings(QStringLiteral("Corvane"), QStringLiteral("Atelier"))
                .remove(QStringLiteral("pdfPaper"));
        QTemporaryDir folder;
        const auto exportTo = [&](const QString& path, const QString& choice) {
            const auto offered = AnswerPaperDialog(window.get(), choice);
            AnswerFileDialog(
                [&] { MenuAction(*window, QStringLiteral("E&xporter le gabarit…"))->trigger(); },
                path);
            return *offered;
        };
        QVERIFY(!exportTo(folder.filePath(QStringLiteral("board.pdf")), paper).isEmpty());
        QFile written(folder.filePath(QStringLiteral("board.pdf")));
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QRegularExpressionMatch box
            = QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([\\d.]+) ([\\d.]+)\\]"))
                  .match(QString::fromLatin1(written.readAll()));
        QVERIFY(box.hasMatch());
        const double width = box.captured(1).toDouble();
        const double height = box.captured(2).toDouble();
        QVERIFY2(std::abs(std::min(width, height) - shortSidePt) < 1
                && std::abs(std::max(width, height) - longSidePt) < 1,
            qPrintable(box.captured(0)));
        const QString remembered
            = exportTo(folder.filePath(QStringLiteral("again.pdf")), QString());
        QCOMPARE(remembered, paper.isEmpty() ? QStringLiteral("A4 (210 × 297 mm)") : paper);
    }

    // Printing goes through the print dialog to the tiled template: printed
    // to a PDF file, a fanned board fills more than one page.
    void printsThroughTheDialog()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("printed.pdf"));
        QTest::mouseClick(window->form()->fannedField(), Qt::LeftButton, {},
            QPoint(5, window->form()->fannedField()->height() / 2));
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            seen = true;
            // Qt's own dialog, on a machine without printers: its file field.
            if (auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename")))
                file->setText(path);
            dialog->printer()->setOutputFileName(path);
            dialog->accept();
        });
        MenuAction(*window, QStringLiteral("&Imprimer…"))->trigger();
        QVERIFY2(seen, "no print dialog appeared");
        QFile printed(path);
        QVERIFY(printed.open(QIODevice::ReadOnly));
        const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("/Count (\\d+)"))
                                                  .match(QString::fromLatin1(printed.readAll()));
        QVERIFY(pages.hasMatch() && pages.captured(1).toInt() > 1);
    }

    // The table as CSV: UTF-8 with its mark, a header and one line a fret,
    // lines ended as RFC 4180 says.
    void exportsTheTableAsCsv()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("frets.csv"));
        AnswerFileDialog(
            [&] { MenuAction(*window, QStringLiteral("Exporter le &tableau CSV…"))->trigger(); },
            path);
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray content = written.readAll();
        QVERIFY(content.startsWith("\xEF\xBB\xBF"
                                   "Frette,Note,Rapport,Cents,Depuis le sillet (mm),"));
        QCOMPARE(content.count("\r\n"), 1 + 24);
        QVERIFY(content.contains("\r\n12,Mi,2.000000,1200.000,325.0000,"));
    }

    // A Scala file read through the form: a bad one is marked and named in
    // the status bar with its line; a good one fills the table.
    void scalaFiles()
    {
        atelier::DesignForm& form = *window->form();
        form.useScalaFile(QStringLiteral("bad.scl"), "! bad.scl\nBad\n2\n3/2\nnonsense\n");
        QVERIFY(!form.problem().isEmpty());
        QVERIFY(!window->shownProblem().isEmpty());
        QCOMPARE(Cell(*window, 12, QStringLiteral("Depuis le sillet")), QStringLiteral("325.0000"));
        form.useScalaFile(
            QStringLiteral("fifths.scl"), "! fifths.scl\nFifth and octave\n2\n3/2\n2/1\n");
        QVERIFY(form.problem().isEmpty());
        QCOMPARE(Cell(*window, 1, QStringLiteral("Rapport")), QStringLiteral("1.500000"));
        QCOMPARE(Cell(*window, 2, QStringLiteral("Rapport")), QStringLiteral("2.000000"));
    }

    // Every field has a label that is its buddy and an accessible name, and
    // Tab walks the fields from top to bottom.
    void accessibleForm()
    {
        atelier::DesignForm& form = *window->form();
        QList<QWidget*> fields;
        for (QFormLayout* layout : form.findChildren<QFormLayout*>())
            for (int row = 0; row < layout->rowCount(); ++row)
                if (QLayoutItem* item = layout->itemAt(row, QFormLayout::FieldRole);
                    item && item->widget())
                    fields << item->widget();
        QVERIFY(fields.size() >= 18);
        for (QWidget* field : fields) {
            if (field->inherits("QLineEdit") || field->inherits("QComboBox")
                || field->inherits("QSpinBox")) {
                QVERIFY2(!field->accessibleName().isEmpty(), field->metaObject()->className());
                bool buddied = false;
                for (const QLabel* candidate : form.findChildren<QLabel*>())
                    buddied = buddied || candidate->buddy() == field;
                QVERIFY2(buddied, qPrintable(field->accessibleName()));
            }
        }
        // Tab order: each visible field's screen position comes after the
        // previous one's.
        QWidget* current = form.unitField();
        current->setFocus();
        int lastY = current->mapTo(&form, QPoint()).y();
        for (int step = 0; step < 12; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* next = QApplication::focusWidget();
            QVERIFY(form.isAncestorOf(next));
            const int y = next->mapTo(&form, QPoint()).y();
            QVERIFY2(y >= lastY, qPrintable(next->accessibleName()));
            lastY = y;
        }
    }

    // Left-handed, ticked by its key: the bass side goes to the top of the
    // drawing, and the design file keeps it.
    void leftHandedBoardsAreTheMirror()
    {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        const auto bassOnTop = [&] {
            const board::Segment& nut = window->layout().nut; // from the bass corner
            return nut.from.y < nut.to.y;
        };
        QVERIFY(!bassOnTop());
        QTest::keyClick(window.get(), Qt::Key_H, Qt::AltModifier);
        QTRY_VERIFY(
            window->form()->leftHandedField()->isChecked()); // a button clicks after a moment
        QVERIFY(bassOnTop());
        QVERIFY(window->isWindowModified());
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("left.corvane"));
        QVERIFY(window->saveFile(path));
        AtelierWindow reopened;
        QVERIFY(reopened.openFile(path));
        QVERIFY(reopened.form()->leftHandedField()->isChecked());
    }

    // Board features typed into the form as a user would, by the field's
    // name: the table shows them, and the saved design reopens with them.
    void boardFeaturesReachTheTableAndTheFile_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("fret");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("fanned");
        QTest::newRow("radius") << "Rayon au sillet"
                                << "254" << 12 << "Rayon (mm)"
                                << "254.0000" << false;
        QTest::newRow("zero fret") << "Sillet derrière une frette zéro"
                                   << "5" << 0 << "Depuis le sillet"
                                   << "0.0000" << false;
        // String 1's octave at half its own length.
        QTest::newRow("a length per string")
            << "Diapason de chaque corde"
            << "686; 672; 664; 660; 655; 648" << 12 << "Depuis le sillet"
            << "343.0000" << true;
    }
    void boardFeaturesReachTheTableAndTheFile()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(int, fret);
        QFETCH(QString, column);
        QFETCH(QString, expected);
        QFETCH(bool, fanned);
        atelier::DesignForm& form = *window->form();
        if (fanned)
            QTest::mouseClick(form.fannedField(), Qt::LeftButton, {},
                QPoint(5, form.fannedField()->height() / 2));
        QLineEdit* edit = nullptr;
        for (QLineEdit* candidate : window->form()->findChildren<QLineEdit*>())
            if (candidate->accessibleName() == field)
                edit = candidate;
        QVERIFY2(edit, qPrintable(field));
        Retype(edit, typed);
        QCOMPARE(Cell(*window, fret, column), expected);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("feature.corvane"));
        QVERIFY(window->saveFile(path));
        AtelierWindow reopened;
        QVERIFY(reopened.openFile(path));
        QVERIFY(reopened.design() == window->design());
    }

    // Alt and a letter opens a menu, a tab, ticks a box or presses a button
    // only when no other control of the window underlines that letter (Qt
    // then only moves the focus between them): in French and in English.
    void keysThatActAreNeverShared_data()
    {
        QTest::addColumn<bool>("english");
        QTest::newRow("French") << false;
        QTest::newRow("English") << true;
    }
    void keysThatActAreNeverShared()
    {
        QFETCH(bool, english);
        std::optional<decltype(EnglishInterface())> backToFrench;
        if (english)
            backToFrench.emplace(EnglishInterface());
        AtelierWindow shown;
        shown.stringsPanel(); // its controls share the window's keys once shown
        QStringList acting;
        QStringList every;
        for (const QAction* menu : shown.menuBar()->actions())
            acting << menu->text();
        for (const QTabWidget* tabs : shown.findChildren<QTabWidget*>())
            for (int tab = 0; tab < tabs->count(); ++tab)
                acting << tabs->tabText(tab);
        for (const QAbstractButton* button : shown.findChildren<QAbstractButton*>())
            if (button->inherits("QCheckBox") || button->inherits("QPushButton"))
                acting << button->text();
        every = acting;
        for (const QLabel* label : shown.findChildren<QLabel*>())
            every << label->text();
        QMultiHash<int, QString> byKey;
        for (const QString& text : every)
            if (const QKeySequence key = QKeySequence::mnemonic(text); !key.isEmpty())
                byKey.insert(key[0].toCombined(), text);
        for (const QString& text : acting) {
            const QKeySequence key = QKeySequence::mnemonic(text);
            QVERIFY2(!key.isEmpty(), qPrintable(text));
            QVERIFY2(byKey.count(key[0].toCombined()) == 1,
                qPrintable(QStringList(byKey.values(key[0].toCombined())).join(" | ")));
        }
    }

    void interfaceLanguageFollowsTheLocale_data()
    {
        QTest::addColumn<QStringList>("preferred");
        QTest::addColumn<QString>("language");
        QTest::newRow("French") << QStringList { "fr-FR", "fr" } << "fr";
        QTest::newRow("C locale") << QStringList { "C" } << "fr";
        QTest::newRow("English") << QStringList { "en-GB", "en" } << "en";
        QTest::newRow("French first, then English") << QStringList { "fr-CA", "en-US" } << "fr";
        QTest::newRow("no translation: English") << QStringList { "de-DE", "de" } << "en";
    }
    void interfaceLanguageFollowsTheLocale()
    {
        QFETCH(QStringList, preferred);
        QFETCH(QString, language);
        QCOMPARE(language::InterfaceLanguage(preferred), language);
    }

    // The English translation is built and compiled in: the menus read in
    // English under an English locale.
    void englishMenus()
    {
        language::InstallInterfaceLanguage(*QCoreApplication::instance(),
            QStringLiteral("corvane-atelier"), QLocale(QLocale::English, QLocale::UnitedKingdom));
        AtelierWindow english;
        QStringList menus;
        for (const QAction* menu : english.menuBar()->actions())
            menus << menu->text();
        QStringList ends; // the drawing names the nut and the bridge in English too
        for (const drawing::Text& text : english.boardDrawing().texts)
            if (text.utf8 == "Nut" || text.utf8 == "Bridge" || text.utf8 == "Sillet")
                ends << QString::fromStdString(text.utf8);
        const auto translators = QCoreApplication::instance()->findChildren<QTranslator*>();
        for (QTranslator* translator : translators)
            QCoreApplication::removeTranslator(translator);
        QCOMPARE(menus, (QStringList { "&File", "&Edit", "&View", "&Help" }));
        QCOMPARE(ends, (QStringList { "Nut", "Bridge" }));
    }

    // The engine's problems read in English too: a typed field and a design
    // file, each named by the form's own (translated) label.
    void englishProblems()
    {
        const auto backToFrench = EnglishInterface();
        AtelierWindow english;
        const auto field = [&](const QString& name) {
            for (QLineEdit* edit : english.findChildren<QLineEdit*>())
                if (edit->accessibleName() == name)
                    return edit;
            return static_cast<QLineEdit*>(nullptr);
        };
        Retype(field("Scale length"), QStringLiteral("6..5"));
        QCOMPARE(english.shownProblem(), QStringLiteral("Scale length: “6..5” is not a length"));
        Retype(field("Scale length"), QStringLiteral("650"));
        Retype(field("Overhang at the nut"), QStringLiteral("30"));
        QCOMPARE(field("Overhang at the nut")->toolTip(),
            QStringLiteral(
                "Overhang at the nut: 30 mm on each side leaves no room for the strings on 43 mm"));

        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("short.corvane"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(board::DesignToJson(board::Design {}))
                       .replace("\"bass_length\": 650.0", "\"bass_length\": -650"));
        file.close();
        const QString message = AnswerMessageBox([&] { english.openFile(path); });
        QVERIFY2(
            message.endsWith(QStringLiteral(":\nScale length: -650 mm, must be greater than 0 mm")),
            qPrintable(message));
    }

private:
    std::unique_ptr<AtelierWindow> window;
};

QTEST_MAIN(AtelierWindowTest)
#include "atelier_window_test.moc"
