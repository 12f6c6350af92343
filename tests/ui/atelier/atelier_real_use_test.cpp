// What real files and a week of real use found in the Atelier, driven as a
// user drives it.

#include "atelier_driver.h"
#include "board_view.h"
#include "cut_options_box.h"
#include "design_file.h"
#include "design_form.h"
#include "figure_text.h"
#include "file_names.h"
#include "full_disk.h"
#include "interface_language.h"
#include "intonation_chart_dialog.h"
#include "recent_files.h"
#include "slotting_dialog.h"
#include "strings_panel.h"
#include "table_columns.h"
#include "translation.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTranslator>

#include <cfenv>
#include <fstream>

using namespace corvane;
using namespace corvane::atelier_driver;

namespace {

QByteArray ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return QByteArray::fromStdString(std::string(std::istreambuf_iterator<char>(in), {}));
}

// Answers the first message box to appear within a second, after other
// dialogs; its text, once it has been answered. The file dialog's own
// question (replace the existing file?) is answered yes on the way.
std::shared_ptr<QString> AnswerNextMessageBox(QObject* owner)
{
    auto text = std::make_shared<QString>();
    auto* poll = new QTimer(owner);
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, text] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            if (QAbstractButton* yes = box->button(QMessageBox::Yes)) {
                yes->click();
                return;
            }
            poll->stop();
            *text = box->text();
            box->accept();
        }
    });
    poll->start();
    QTimer::singleShot(3000, poll, &QTimer::stop);
    return text;
}

} // namespace

class AtelierRealUseTest : public QObject {
    Q_OBJECT

private slots:
    // Each run starts from the settings of a first start: a run that
    // stopped half-way leaves none behind for the next, nor file dialogs
    // that remember folders since removed.
    void initTestCase()
    {
        QSettings(QStringLiteral("Corvane"), QStringLiteral("Atelier")).clear();
        QSettings(QSettings::UserScope, QStringLiteral("QtProject"))
            .remove(QStringLiteral("FileDialog"));
    }
    void init()
    {
        atelier::ClearRecentFiles();
        window = std::make_unique<AtelierWindow>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup()
    {
        window->setWindowModified(false);
        window.reset();
    }

    // After a file dialog (whose code leaves floating-point flags raised,
    // as Qt's layout and painting do) every classic scale still computes
    // and saves.
    void classicScalesSaveAfterAFileDialog()
    {
        QTemporaryDir folder;
        atelier::DesignForm& form = *window->form();
        Retype(form.lengthField(), QStringLiteral("600"));
        AnswerFileDialog(
            [&] { MenuAction(*window, QStringLiteral("Exporter le &tableau CSV…"))->trigger(); },
            folder.filePath(QStringLiteral("t.csv")));
        const QString path = folder.filePath(QStringLiteral("classic.corvane"));
        for (const char* scale :
            { "Tempérée Diatonique", "Tempérée Chromatique", "Naturelle Diatonique",
                "Naturelle Chromatique", "Pythagore Diatonique", "Pythagore Chromatique" }) {
            std::feraiseexcept(FE_OVERFLOW | FE_INVALID);
            Choose(form.temperamentField(), QString::fromUtf8(scale));
            QVERIFY2(window->shownProblem().isEmpty(), qPrintable(window->shownProblem()));
            QVERIFY2(window->saveFile(path), scale);
            QVERIFY(std::holds_alternative<board::ClassicSource>(
                board::LoadDesign(path.toStdString()).design->temperament));
        }
    }

    // Typing 13 over 24 frets passes through 1: the perpendicular fret the
    // user chose comes back once there are frets enough.
    void typedFretsKeepThePerpendicularFret()
    {
        atelier::DesignForm& form = *window->form();
        form.fannedField()->click();
        Choose(form.perpendicularField(), QStringLiteral("frette 7"));
        form.fretsField()->setFocus();
        form.fretsField()->selectAll();
        QTest::keyClicks(form.fretsField(), QStringLiteral("13"));
        QCOMPARE(form.design().frets, 13);
        QCOMPARE(form.design().perpendicularFret, 7);
    }

    // The treble length offered for a new fan follows the length typed, an
    // inch shorter; a fan whose bass is shorter says so.
    void fanStartsFromTheTypedLength()
    {
        atelier::DesignForm& form = *window->form();
        Retype(form.lengthField(), QStringLiteral("600"));
        form.fannedField()->click();
        QCOMPARE(form.trebleLengthField()->text(), QStringLiteral("574.6"));
        QVERIFY(form.fanHint()->isHidden());
        Retype(form.trebleLengthField(), QStringLiteral("620"));
        QVERIFY(!form.fanHint()->isHidden());
    }

    // A second window saving the same file first: this one asks before it
    // replaces that save, and keeps it when told to.
    void twoWindowsOnOneFile()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("shared.corvane"));
        QVERIFY(window->saveFile(path));
        AtelierWindow other;
        QVERIFY(other.openFile(path));
        other.form()->stringsField()->setValue(7);
        QVERIFY(other.saveFile(path));
        const QByteArray theirs = ReadBytes(path.toStdString());

        window->form()->stringsField()->setValue(5);
        bool saved = true;
        const QString question
            = AnswerMessageBox([&] { saved = window->saveFile(path); }, QMessageBox::Cancel);
        QVERIFY(question.contains(QStringLiteral("modifié sur le disque")));
        QVERIFY(!saved);
        QCOMPARE(ReadBytes(path.toStdString()), theirs);
        AnswerMessageBox([&] { saved = window->saveFile(path); }, QMessageBox::Save);
        QVERIFY(saved);
        QVERIFY(window->saveFile(path)); // its own save: no question
    }

    // A list of 100,000 recent files, grown elsewhere, shows as the usual few.
    void recentFilesStayFew()
    {
        QStringList many;
        for (int i = 0; i < 100000; ++i)
            many << QStringLiteral("/tmp/design-%1.corvane").arg(i);
        QSettings(QStringLiteral("Corvane"), QStringLiteral("Atelier"))
            .setValue(QStringLiteral("recentFiles"), many);
        QCOMPARE(atelier::RecentFiles().size(), atelier::MaximumRecentFiles);
        atelier::ClearRecentFiles();
    }

    // A screen reader reads the problem itself from the status bar.
    void theProblemIsAnnounced()
    {
        Retype(window->form()->lengthField(), QStringLiteral("abc"));
        bool announced = false;
        for (const QLabel* label : window->statusBar()->findChildren<QLabel*>())
            announced
                = announced || label->accessibleName().contains(QStringLiteral("aucun nombre"));
        QVERIFY(announced);
    }

    // A file named in Latin-1 opens, and is saved under its own bytes.
    void latin1FileNamesKeepTheirBytes()
    {
        QTemporaryDir folder;
        const std::string native
            = QFile::encodeName(folder.path()).toStdString() + "/caf\xE9.corvane";
        QVERIFY(!board::SaveDesign(board::Design {}, native));
        QVERIFY(window->openFile(drawing::FileNameFromNative(native)));
        window->form()->stringsField()->setValue(4);
        QVERIFY(window->saveFile(window->currentFile()));
        QCOMPARE(board::LoadDesign(native).design->strings, 4);
    }

    // On a nearly full disk nothing is half-written: the design and the
    // CSV fail with a message, the earlier files stay whole, no temporary.
    void aFullDiskLosesNothing()
    {
        const testing_support::FullDisk disk({ { std::string("d.corvane"), std::string("{}") },
                                                 { std::string("t.csv"), std::string("old") } },
            2048);
        if (!disk.mounted())
            QSKIP("mounting a tmpfs needs root");
        window->form()->fretsField()->setValue(60);
        window->form()->stringsField()->setValue(16);
        const QString design = drawing::FileNameFromNative(disk.path("d.corvane"));
        const QString csv = drawing::FileNameFromNative(disk.path("t.csv"));
        bool saved = true;
        QVERIFY(AnswerMessageBox([&] {
            saved = window->saveFile(design);
        }).contains(QStringLiteral("disque est plein")));
        QVERIFY(!saved);
        const auto message = AnswerNextMessageBox(window.get());
        AnswerFileDialog(
            [&] { MenuAction(*window, QStringLiteral("Exporter le &tableau CSV…"))->trigger(); },
            csv);
        QVERIFY2(message->contains(QStringLiteral("disque est plein")), qPrintable(*message));
        QCOMPARE(window->statusBar()->currentMessage(), QStringLiteral("Rien n'a été exporté."));
        QCOMPARE(ReadBytes(disk.path("d.corvane")), QByteArray("{}"));
        QCOMPARE(ReadBytes(disk.path("t.csv")), QByteArray("old"));
        QCOMPARE(disk.names(), (std::vector<std::string> { "d.corvane", "t.csv" }));
    }

    // In English the exported template speaks English, notes by letter.
    void englishExportsSpeakEnglish()
    {
        const auto backToFrench = EnglishInterface();
        AtelierWindow english;
        QTemporaryDir folder;
        for (const char* name : { "board.svg", "board.dxf" }) {
            const QString path = folder.filePath(QString::fromLatin1(name));
            AnswerFileDialog(
                [&] { MenuAction(english, QStringLiteral("E&xport Template…"))->trigger(); }, path);
            const QByteArray file = ReadBytes(path.toStdString());
            for (const char* word :
                { "Nut", "Bridge", "Template 12-EDO 650 mm", "6 strings, 24 frets", "F#" })
                QVERIFY2(file.contains(word), name);
            for (const char* word : { "Sillet", "Gabarit", "Fa#" })
                QVERIFY2(!file.contains(word), name);
        }
    }

    // The table and `corvane-frets --format csv` agree to the digit in every
    // column they share: a classic scale, an EDO, a fanned board in inches.
    void tableMatchesTheCommand_data()
    {
        QTest::addColumn<QString>("design");
        QTest::newRow("classic")
            << R"({"format": "corvane-board", "version": 1, "frets": 24, "strings": 1,
            "bass_length": 650, "temperament": {"kind": "classic", "scale": "natural-chromatic", "mode": "do"}})";
        QTest::newRow("19-EDO")
            << R"({"format": "corvane-board", "version": 1, "frets": 30, "strings": 6,
            "bass_length": 648, "temperament": {"kind": "equal", "divisions": 19}})";
        QTest::newRow("fanned, inches")
            << R"({"format": "corvane-board", "version": 1, "unit": "in", "frets": 24,
            "strings": 7, "bass_length": 698.5, "treble_length": 647.7, "perpendicular_fret": 8,
            "saddle_setback_bass": 2.5, "temperament": {"kind": "equal", "divisions": 12}})";
    }
    void tableMatchesTheCommand()
    {
        QFETCH(QString, design);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("d.corvane"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(design.toUtf8());
        file.close();
        QVERIFY(window->openFile(path));

        QProcess command;
        command.setProcessEnvironment([] {
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("LC_ALL"),
                QStringLiteral("fr_FR.UTF-8")); // French names, as the window here
            return environment;
        }());
        command.start(QStringLiteral(CORVANE_FRETS_PATH),
            { QStringLiteral("--design"), path, QStringLiteral("--format"),
                QStringLiteral("csv") });
        QVERIFY(command.waitForFinished());
        const QStringList lines = QString::fromUtf8(command.readAllStandardOutput())
                                      .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        const QStringList keys = lines.first().split(QLatin1Char(','));
        const atelier::WorkshopTable& table = *window->table();
        int compared = 0;
        for (int row = 0; row < table.rowCount(); ++row) {
            QString fret, string = QStringLiteral("1");
            for (int column = 0; column < table.columnCount(); ++column) {
                if (table.columns()[std::size_t(column)] == board::TableColumn::Fret)
                    fret = table.index(row, column).data().toString();
                if (table.columns()[std::size_t(column)] == board::TableColumn::String)
                    string = table.index(row, column).data().toString();
            }
            const auto line = std::find_if(lines.begin(), lines.end(), [&](const QString& l) {
                return l.startsWith(fret + QLatin1Char(',') + string + QLatin1Char(','));
            });
            QVERIFY(line != lines.end());
            const QStringList fields = line->split(QLatin1Char(','));
            for (int column = 0; column < table.columnCount(); ++column) {
                const auto key = QString::fromUtf8(
                    board::Describe(table.columns()[std::size_t(column)]).key.data());
                const qsizetype at = keys.indexOf(key);
                QVERIFY2(at >= 0, qPrintable(key));
                QCOMPARE(table.index(row, column).data().toString(), fields[at]);
                ++compared;
            }
        }
        QVERIFY(compared > 100);
    }

    // The cut options reach the live drawing and the exported files.
    void cutOptionsReachTheTemplate()
    {
        atelier::CutOptionsBox& cut = *window->cutOptions();
        Retype(cut.slotWidthField(), QStringLiteral("0,6"));
        cut.markersField()->click();
        const auto count = [](const auto& items, drawing::Layer layer) {
            return std::count_if(
                items.begin(), items.end(), [&](const auto& item) { return item.layer == layer; });
        };
        QCOMPARE(count(window->boardDrawing().outlines, drawing::Layer::Slots), 24);
        QCOMPARE(count(window->boardDrawing().circles, drawing::Layer::Markers), 12);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("cut.svg"));
        AnswerFileDialog(
            [&] { MenuAction(*window, QStringLiteral("E&xporter le gabarit…"))->trigger(); }, path);
        const QByteArray svg = ReadBytes(path.toStdString());
        QVERIFY(svg.contains("<g id=\"slots\"") && svg.contains("<g id=\"markers\""));
        // Kept in the design file: a window that opens it tomorrow cuts the same.
        const QString design = folder.filePath(QStringLiteral("cut.corvane"));
        QVERIFY(window->saveFile(design));
        AtelierWindow reopened;
        QVERIFY(reopened.openFile(design));
        QCOMPARE(reopened.cutOptions()->slotWidthField()->text().replace(u',', u'.'),
            QStringLiteral("0.6"));
        QVERIFY(reopened.cutOptions()->markersField()->isChecked());
        QCOMPARE(count(reopened.boardDrawing().outlines, drawing::Layer::Slots), 24);
        // Wider than a saw cuts: refused as the command refuses it, the
        // drawing keeping the last width.
        cut.slotWidthField()->setFocus();
        QTest::keyClick(cut.slotWidthField(), Qt::Key_Home);
        QTest::keyClicks(cut.slotWidthField(), QStringLiteral("9")); // 90,6 mm
        QVERIFY2(cut.slotWidthField()->toolTip().contains(QStringLiteral("entre 0.1 mm et 5 mm")),
            qPrintable(cut.slotWidthField()->toolTip()));
        QCOMPARE(count(window->boardDrawing().outlines, drawing::Layer::Slots), 24);
        Retype(cut.slotWidthField(),
            QStringLiteral("0")); // the settings are shared with the next tests
        cut.markersField()->click();
    }

    // Fichier › Exporter le programme de rainurage: the values asked, the
    // path previewed, a value a router cannot use refused, the program
    // written whole.
    void exportsTheSlottingProgram()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("slots.nc"));
        QString refusal;
        int previewed = 0;
        auto* poll = new QTimer(window.get());
        poll->setInterval(10);
        // The refusal opens over the dialog, while the poll below is busy.
        auto* boxes = new QTimer(window.get());
        boxes->setInterval(10);
        QObject::connect(boxes, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                refusal = box->text();
                box->accept();
            }
        });
        boxes->start();
        QObject::connect(poll, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* files = qobject_cast<QFileDialog*>(modal)) {
                poll->stop();
                ChooseFile(files, path);
            } else if (auto* dialog = qobject_cast<atelier::SlottingDialog*>(modal)) {
                for (const drawing::Line& line : dialog->preview()->shownDrawing().lines)
                    previewed += line.layer == drawing::Layer::Slots;
                if (const QByteArray shot = qgetenv("CORVANE_SCREENSHOT"); !shot.isEmpty())
                    dialog->grab().save(QString::fromLocal8Bit(shot));
                // First 7 mm, deeper than a router's 6 mm: refused; then 2,5.
                Retype(dialog->field("slot_depth"),
                    refusal.isEmpty() ? QStringLiteral("7") : QStringLiteral("2,5"));
                dialog->accept();
            }
        });
        poll->start();
        MenuAction(*window, QStringLiteral("Exporter le programme de &rainurage…"))->trigger();
        boxes->stop();
        // Named by its label: the Atelier has no options.
        QVERIFY2(refusal.startsWith(QStringLiteral("Profondeur des fentes : 7 mm")),
            qPrintable(refusal));
        QCOMPARE(previewed, 2 * 24); // the dialog seen twice
        const QByteArray program = ReadBytes(path.toStdString());
        QVERIFY(program.startsWith("( Corvane slotting program"));
        QCOMPARE(program.count("( Slot "), 24);
        QVERIFY(program.contains("G1 Z-2.5000") && !program.contains("G1 Z-3.0000"));
        // The values given are the design's, saved and reopened with it.
        const QString design = folder.filePath(QStringLiteral("slots.corvane"));
        QVERIFY(window->saveFile(design));
        AtelierWindow reopened;
        QVERIFY(reopened.openFile(design));
        QCOMPARE(reopened.design().router.slotDepthMm, 2.5);
    }

    // Strings: a set chosen from the list fills the panel; computed
    // compensation moves each string's saddle by the published amount
    // (EJ45 at 650 mm); a pitch that is no pitch is marked and changes
    // nothing; the chart exports; a saved design keeps its strings.
    void stringsComputeTheirOwnCompensation()
    {
        using Panel = atelier::StringsPanel;
        // Built when its tab is first shown, by its key as by a click.
        QVERIFY(!window->findChild<Panel*>());
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_R, Qt::AltModifier);
        Panel* panel = window->findChild<Panel*>();
        QVERIFY(panel && panel->isVisible());
        QTableWidget* strings = panel->stringsTable();
        Choose(
            panel->setField(), QStringLiteral("Guitare classique, nylon tension normale (EJ45)"));
        QCOMPARE(window->layout().stringReports.size(), std::size_t { 6 });
        QCOMPARE(strings->item(0, Panel::Pitch)->text(), QStringLiteral("E2"));
        QCOMPARE(strings->item(5, Panel::Item)->text(), QStringLiteral("J4501"));
        Choose(panel->compensationField(), QStringLiteral("Calculée d'après les cordes"));
        QVERIFY(std::fabs(window->layout().strings[0].saddleSetbackMm - 2.46) < 0.01);
        QCOMPARE(strings->item(0, Panel::SaddleSetback)->text(),
            QStringLiteral("2.4654")); // as the command writes it
        QVERIFY(!Cell(*window, 12, QStringLiteral("Justesse")).isEmpty());
        QVERIFY(panel->problemsLabel()->isHidden());
        // A saddle 50 mm high asks for setbacks no saddle has: none is used,
        // and each string says why.
        Retype(panel->saddleHeightField(), QStringLiteral("50"));
        QCOMPARE(window->layout().strings[0].saddleSetbackMm, 0.0);
        QVERIFY(!panel->problemsLabel()->isHidden());
        QVERIFY2(panel->problemsLabel()->text().startsWith(
                     QStringLiteral("corde 1 : compensation impossible")),
            qPrintable(panel->problemsLabel()->text()));
        Retype(panel->saddleHeightField(), QStringLiteral("4"));
        QVERIFY(std::fabs(window->layout().strings[0].saddleSetbackMm - 2.46) < 0.01);

        strings->item(1, Panel::Pitch)->setText(QStringLiteral("H2"));
        QVERIFY(strings->item(1, Panel::Pitch)->toolTip().contains(QStringLiteral("« H2 »")));
        QCOMPARE(window->design().stringing.tuning[1], std::string("A2"));
        strings->item(1, Panel::Pitch)->setText(QStringLiteral("A2"));
        // A unit weight typed over the catalogue's (g/m) is the string's own.
        const double tension = window->layout().stringReports[0].tensionN;
        strings->item(0, Panel::UnitWeight)->setText(QStringLiteral("6"));
        QCOMPARE(window->design().stringing.set[0].unitWeightKgPerM, std::optional<double>(0.006));
        QVERIFY(
            std::fabs(window->layout().stringReports[0].tensionN - tension * 6 / 5.4703) < 0.01);
        QVERIFY(strings->item(0, Panel::UnitWeight)->font().bold());

        QTemporaryDir folder;
        const QString chart = folder.filePath(QStringLiteral("chart.svg"));
        QTimer::singleShot(0, [&] {
            auto* dialog
                = qobject_cast<atelier::IntonationChartDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QVERIFY(dialog->exportTo(chart).isEmpty());
            dialog->reject();
        });
        QTest::mouseClick(panel->chartButton(), Qt::LeftButton);
        QVERIFY(ReadBytes(chart.toStdString()).contains("Justesse de chaque corde"));

        const QString path = folder.filePath(QStringLiteral("ej45.corvane"));
        QVERIFY(window->saveFile(path));
        const auto reread = board::LoadDesign(drawing::NativeFileName(path).c_str());
        QVERIFY(reread.design);
        QCOMPARE(reread.design->stringing, window->design().stringing);

        // Four strings keep the four bass ones; the tension unit chosen is
        // the next window's too.
        QSpinBox* count = window->form()->stringsField();
        count->setFocus();
        count->selectAll();
        QTest::keyClicks(count, QStringLiteral("4"));
        QCOMPARE(strings->rowCount(), 4);
        QCOMPARE(window->design().stringing.tuning,
            (std::vector<std::string> { "E2", "A2", "D3", "G3" }));
        QCOMPARE(window->layout().stringReports.size(), std::size_t { 4 });
        Choose(panel->tensionUnitField(), QStringLiteral("lbf"));
        QCOMPARE(
            strings->horizontalHeaderItem(Panel::Tension)->text(), QStringLiteral("Tension (lbf)"));
        QCOMPARE(strings->item(0, Panel::Tension)->text(),
            QString::fromStdString(board::FixedText(
                window->layout().stringReports[0].tensionN / board::NewtonsPerLbf, 2)));
        AtelierWindow next;
        QCOMPARE(next.stringsPanel()->tensionUnitField()->currentText(), QStringLiteral("lbf"));
        Choose(panel->tensionUnitField(), QStringLiteral("N"));
    }

    // In English the strings speak English, from the set's name to where
    // κ and B₀ come from, and the chart exports as a PNG too.
    void stringsSpeakEnglish()
    {
        const auto backToFrench = EnglishInterface();
        AtelierWindow english;
        using Panel = atelier::StringsPanel;
        Panel* panel = english.stringsPanel();
        Choose(panel->setField(), QStringLiteral("Classical guitar, normal tension nylon (EJ45)"));
        QTableWidget* strings = panel->stringsTable();
        QStringList headings;
        for (int column = 0; column < strings->columnCount(); ++column)
            headings << strings->horizontalHeaderItem(column)->text();
        QCOMPARE(headings.mid(0, 5),
            (QStringList { "Pitch", "Item", "Gauge (in)", "Unit weight (g/m)", "Tension (N)" }));
        QCOMPARE(headings.at(Panel::SaddleSetback), QStringLiteral("Saddle setback (mm)"));
        QCOMPARE(strings->item(0, Panel::Source)->text(), QStringLiteral("published"));

        QTemporaryDir folder;
        const QString png = folder.filePath(QStringLiteral("chart.png"));
        atelier::IntonationChartDialog dialog(english.layout(), png);
        QVERIFY(dialog.exportTo(png).isEmpty());
        QVERIFY(ReadBytes(png.toStdString()).startsWith("\x89PNG"));
        bool title = false;
        for (const drawing::Text& text : dialog.chart().texts)
            title = title || text.utf8.starts_with("Intonation of each string");
        QVERIFY(title);
    }

private:
    std::unique_ptr<AtelierWindow> window;
};

QTEST_MAIN(AtelierRealUseTest)
#include "atelier_real_use_test.moc"
