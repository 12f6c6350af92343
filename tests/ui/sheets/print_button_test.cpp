// The "?" and printer buttons of the real main window, used as a user does:
// type a length, choose a scale with the keyboard, click the button. Each
// window that opens is inspected and closed from a timer.

#include "base_driver.h"
#include "sheet_tables.h"
#include "sheet_test_support.h"
#include "sheets.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include <csignal>
#include <memory>

#include <sys/resource.h>

using namespace corvane;
using corvane::test::BaseDriver;
using corvane::test::Chromatic;
using corvane::test::Diatonic;
using corvane::test::ModalWatcher;
using corvane::test::SheetName;

namespace {

class CountingPrinting : public ui::SheetPrinting {
public:
    explicit CountingPrinting(int& count)
        : count_(count)
    {
    }
    void printSheet(QWidget&) override { ++count_; }

private:
    int& count_;
};

// Everything of the main window a sheet could disturb: every box's and
// list's text, and which result boxes show.
QMap<QString, QString> MainWindowState(BaseDriver& base)
{
    QMap<QString, QString> state;
    for (const QLineEdit* box : base.window().findChildren<QLineEdit*>()) {
        if (!box->objectName().isEmpty())
            state.insert(box->objectName(), box->text() + (box->isVisible() ? "" : " [hidden]"));
    }
    for (const QComboBox* list : base.window().findChildren<QComboBox*>())
        state.insert(list->objectName(), list->currentText());
    return state;
}

// Limits the size of any file the test writes while it lives, with the
// signal that would otherwise end the process ignored.
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        if (bytes == 0)
            return;
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = static_cast<rlim_t>(bytes);
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        if (previousHandler_ != SIG_ERR)
            std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_ {};
    void (*previousHandler_)(int) = SIG_ERR;
};

} // namespace

class PrintButtonTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        base_ = std::make_unique<BaseDriver>();
        printCount_ = 0;
        base_->window().setSheetPrinting(std::make_unique<CountingPrinting>(printCount_));
    }

    void cleanup() { base_.reset(); }

    void beforeAnyScale_data()
    {
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("mode");
        QTest::newRow("nothing typed") << ""
                                       << "";
        QTest::newRow("a length") << "650"
                                  << "";
        QTest::newRow("a length and a mode") << "650"
                                             << " Do";
    }

    // No scale chosen since start-up: the print button opens and prints nothing.
    void beforeAnyScale()
    {
        QFETCH(QString, length);
        QFETCH(QString, mode);
        if (!length.isEmpty())
            base_->typeLength(length);
        if (!mode.isEmpty())
            base_->chooseWithKeys(base_->list("Combo2"), mode);
        QCOMPARE(clickPrint(), QStringList {});
        QCOMPARE(printCount_, 0);
    }

    void scales_data()
    {
        QTest::addColumn<QString>("scale");
        QTest::addColumn<int>("kind");
        QTest::newRow("Tempérée Diatonique") << "Tempérée Diatonique" << Diatonic;
        QTest::newRow("Tempérée Chromatique") << "Tempérée Chromatique" << Chromatic;
        QTest::newRow("Naturelle   Diatonique") << "Naturelle   Diatonique" << Diatonic;
        QTest::newRow("Naturelle   Chromatique") << "Naturelle   Chromatique" << Chromatic;
        QTest::newRow("Pythagore Diatonique") << "Pythagore Diatonique" << Diatonic;
        QTest::newRow("Pythagore Chromatique") << "Pythagore Chromatique" << Chromatic;
    }

    // The sheet of the scale's kind, printed once, holding the main
    // window's texts box for box: the length, the positions, the note
    // names and the scale's name as the list shows it.
    void sheetOfTheScale_data() { scales_data(); }

    void sheetOfTheScale()
    {
        QFETCH(QString, scale);
        QFETCH(int, kind);
        base_->typeLength("650");
        base_->chooseWithKeys(base_->list("Combo1"), scale);
        QCOMPARE(base_->list("Combo1").currentText(), scale);
        QCOMPARE(clickPrint(), QStringList { SheetName(kind) });
        QCOMPARE(printCount_, 1);
        QCOMPARE(sheetTexts_.value("Label3"), scale);
        QVERIFY(!sheetTexts_.value(kind == Diatonic ? "Text3" : "Text1").isEmpty());
        compareWithMainWindow(kind);
    }

    // The last scale chosen decides, not the mode.
    void lastScaleDecides_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<int>("kind");
        QTest::newRow("chromatic, then diatonic") << "Tempérée Chromatique"
                                                  << "Naturelle   Diatonique" << Diatonic;
        QTest::newRow("diatonic, then chromatic") << "Pythagore Diatonique"
                                                  << "Naturelle   Chromatique" << Chromatic;
    }

    void lastScaleDecides()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(int, kind);
        base_->typeLength("650");
        base_->chooseWithKeys(base_->list("Combo1"), first);
        base_->chooseWithKeys(base_->list("Combo1"), second);
        base_->chooseWithKeys(base_->list("Combo2"), " Do");
        QCOMPARE(clickPrint(), QStringList { SheetName(kind) });
        compareWithMainWindow(kind);
    }

    // After "0": the sheet of the last scale still opens, with the positions
    // and names the reset hid but did not clear, and the length they were
    // computed from.
    void afterReset_data()
    {
        QTest::addColumn<QString>("scale");
        QTest::addColumn<int>("kind");
        QTest::newRow("diatonic") << "Tempérée Diatonique" << Diatonic;
        QTest::newRow("chromatic") << "Tempérée Chromatique" << Chromatic;
    }

    void afterReset()
    {
        QFETCH(QString, scale);
        QFETCH(int, kind);
        base_->typeLength("650");
        base_->chooseWithKeys(base_->list("Combo1"), scale);
        const QString slot1 = base_->box("Text1").text();
        const QString slot1Note = base_->box("Text25").text();
        QVERIFY(!slot1.isEmpty());
        base_->click(base_->button("Command1"));
        QVERIFY(!base_->box("Text1").isVisible());
        QCOMPARE(clickPrint(), QStringList { SheetName(kind) });
        QCOMPARE(sheetTexts_.value(kind == Diatonic ? "Text2" : "Text49"), QStringLiteral("650"));
        QCOMPARE(sheetTexts_.value(kind == Diatonic ? "Text3" : "Text1"), slot1);
        QCOMPARE(sheetTexts_.value(kind == Diatonic ? "Text12" : "Text25"), slot1Note);
        compareWithMainWindow(kind);
    }

    // A length typed after the scale is not yet computed: the sheet, and
    // the paper, keep the length beside the positions computed from it.
    void lengthEditedAfterTheScale_data()
    {
        QTest::addColumn<QString>("scale");
        QTest::addColumn<QString>("lengthBox");
        QTest::addColumn<QString>("positionBox");
        // The octave's fret, halfway: 325 at 650, 350 at 700.
        QTest::newRow("diatonic") << "Tempérée Diatonique"
                                  << "Text2"
                                  << "Text19";
        QTest::newRow("chromatic") << "Tempérée Chromatique"
                                   << "Text49"
                                   << "Text12";
    }

    void lengthEditedAfterTheScale()
    {
        QFETCH(QString, scale);
        QFETCH(QString, lengthBox);
        QFETCH(QString, positionBox);
        base_->typeLength("650");
        base_->chooseWithKeys(base_->list("Combo1"), scale);
        base_->typeLength("700");
        const int kind = scale.endsWith("Diatonique") ? Diatonic : Chromatic;
        QCOMPARE(clickPrint(), QStringList { SheetName(kind) });
        QCOMPARE(sheetTexts_.value(lengthBox), QStringLiteral("650"));
        QCOMPARE(sheetTexts_.value(positionBox), QStringLiteral("325"));
        // Chosen again, the scale computes 700 and the sheet follows.
        base_->chooseWithMouse(base_->list("Combo1"), scale);
        clickPrint();
        QCOMPARE(sheetTexts_.value(lengthBox), QStringLiteral("700"));
        QCOMPARE(sheetTexts_.value(positionBox), QStringLiteral("350"));
    }

    // Text the user typed into result boxes of the main window is copied.
    void typedResultsAreCopied()
    {
        base_->typeLength("650");
        base_->chooseWithKeys(base_->list("Combo1"), "Tempérée Diatonique");
        base_->typeInto(base_->box("Text3"), " env.");
        base_->typeInto(base_->box("Text27"), "?");
        QVERIFY(base_->box("Text3").text().endsWith(" env."));
        QCOMPARE(clickPrint(), QStringList { "Capture1" });
        QCOMPARE(sheetTexts_.value("Text5"), base_->box("Text3").text());
        QCOMPARE(sheetTexts_.value("Text14"), base_->box("Text27").text());
    }

    // Typing over the list's text chooses nothing: the sheet is still the
    // last scale's, titled with what was typed.
    void titleTypedOverTheList()
    {
        base_->typeLength("650");
        base_->chooseWithKeys(base_->list("Combo1"), "Naturelle   Chromatique");
        QComboBox& list = base_->list("Combo1");
        QTest::mouseClick(&list, Qt::LeftButton, {}, QPoint(8, list.height() / 2));
        QTest::keySequence(QApplication::focusWidget(), QKeySequence::SelectAll);
        test::TypeText("Ma  guitare");
        QCOMPARE(list.currentText(), QStringLiteral("Ma  guitare"));
        QCOMPARE(clickPrint(), QStringList { "Capture" });
        QCOMPARE(sheetTexts_.value("Label3"), QStringLiteral("Ma  guitare"));
    }

    // Whatever happens in a sheet or the about window, the main window is
    // as it was, and every opening starts afresh.
    void closingChangesNothing()
    {
        base_->typeLength("650");
        base_->chooseWithKeys(base_->list("Combo1"), "Pythagore Diatonique");
        const QMap<QString, QString> before = MainWindowState(*base_);
        QPointer<QWidget> first;
        QCOMPARE(clickPrint([&](QWidget& sheet) {
            first = &sheet;
            auto* box = sheet.findChild<QLineEdit*>("Text3");
            QVERIFY(box != nullptr);
            box->selectAll();
            test::TypeText(*box, "effacé");
            QCOMPARE(box->text(), QStringLiteral("effacé"));
        }),
            QStringList { "Capture1" });
        QVERIFY(first.isNull());
        QCOMPARE(MainWindowState(*base_), before);

        QCOMPARE(clickPrint(), QStringList { "Capture1" });
        QCOMPARE(sheetTexts_.value("Text3"), base_->box("Text1").text());
        QCOMPARE(clickAbout(), QStringList { "info" });
        QCOMPARE(MainWindowState(*base_), before);
    }

    void aboutButton()
    {
        QCOMPARE(clickAbout(), QStringList { "info" });
        QCOMPARE(clickAbout(), QStringList { "info" });
        base_->typeLength("650");
        base_->chooseWithKeys(base_->list("Combo1"), "Tempérée Chromatique");
        QCOMPARE(clickAbout(), QStringList { "info" });
        QCOMPARE(sheetTexts_.value("Label2"), QStringLiteral("Par l'équipe Corvane"));
    }

    // The main window's own printing: the print dialog comes first; cancelled,
    // it lets the sheet open.
    void printButtonOffersThePrintDialog()
    {
        base_->window().setSheetPrinting(ui::MakeDialogPrinting(&base_->window()));
        base_->typeLength("650");
        base_->chooseWithKeys(base_->list("Combo1"), "Tempérée Diatonique");
        QCOMPARE(clickPrint(), (QStringList { "QPrintDialog", "Capture1" }));
        QCOMPARE(sheetTexts_.value("Text2"), QStringLiteral("650"));
    }

    // Printed to a PDF file: the text of the page is the main window's.
    void printedSheetHoldsTheResults()
    {
        QTemporaryDir directory;
        QVERIFY(directory.isValid());
        const QString pdf = directory.filePath("sheet.pdf");
        base_->window().setSheetPrinting(ui::MakePdfFilePrinting(pdf));
        base_->typeLength("650");
        base_->chooseWithKeys(base_->list("Combo2"), " Do");
        base_->chooseWithKeys(base_->list("Combo1"), "Naturelle   Chromatique");
        QCOMPARE(clickPrint(), QStringList { "Capture" });
        const QStringList words
            = test::PdfText(pdf).split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
        QVERIFY(words.contains("650"));
        QVERIFY(words.contains("Naturelle") && words.contains("Chromatique"));
        for (int box = 1; box <= 48; ++box) {
            const QString text = base_->box(QStringLiteral("Text%1").arg(box)).text().trimmed();
            QVERIFY(!text.isEmpty());
            QVERIFY2(words.contains(text), qPrintable(text));
        }
        QVERIFY(words.contains(QStringLiteral("Ré")));
    }

    // A file that could not be written whole is reported, the sheet opens
    // all the same, and an earlier file of that name is left as it was.
    void failedPrintToFile_data()
    {
        QTest::addColumn<bool>("onDevice");
        QTest::addColumn<qint64>("sizeLimit"); // bytes a file may grow to, 0 for no limit
        QTest::newRow("a pipe, which is no file to replace") << true << qint64(0);
        QTest::newRow("a disk that fills up mid-write") << false << qint64(3000);
    }

    void failedPrintToFile()
    {
        QFETCH(bool, onDevice);
        QFETCH(qint64, sizeLimit);
        QTemporaryDir directory;
        QVERIFY(directory.isValid());
        const QString path = directory.filePath(onDevice ? "pipe" : "sheet.pdf");
        const QByteArray earlier = "%PDF-1.4 the sheet printed yesterday";
        if (onDevice) {
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(earlier) == earlier.size());
        }
        base_->window().setSheetPrinting(ui::MakePdfFilePrinting(path));
        base_->typeLength("650");
        base_->chooseWithKeys(base_->list("Combo1"), "Tempérée Chromatique");

        QString message;
        QStringList seen;
        {
            // Past the limit a write fails with EFBIG, as on a full disk.
            const FileSizeLimit limit(sizeLimit);
            ModalWatcher watcher([&](QWidget& window) {
                if (auto* box = qobject_cast<QMessageBox*>(&window))
                    message = box->text();
            });
            base_->click(base_->button("Command4"));
            seen = watcher.seen();
        }
        base_->returnToWindow();
        QCOMPARE(seen, (QStringList { "QMessageBox", "Capture" }));
        QVERIFY2(message.startsWith(QStringLiteral("L'impression a échoué : ") + path + " : "),
            qPrintable(message));
        if (!onDevice) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), earlier);
            QCOMPARE(QDir(directory.path()).entryList(QDir::Files), QStringList { "sheet.pdf" });
        }
    }

private:
    // Clicks the printer button; records the texts of the sheet that opens.
    QStringList clickPrint(const std::function<void(QWidget&)>& alsoDo = {})
    {
        return clickAndWatch("Command4", alsoDo);
    }

    QStringList clickAbout() { return clickAndWatch("Command2", {}); }

    QStringList clickAndWatch(const char* button, const std::function<void(QWidget&)>& alsoDo)
    {
        sheetTexts_.clear();
        QStringList seen;
        {
            ModalWatcher watcher([&](QWidget& window) {
                if (qobject_cast<QDialog*>(&window))
                    return; // the print dialog: closing it cancels
                sheetTexts_ = test::ControlTexts(window);
                if (alsoDo)
                    alsoDo(window);
            });
            base_->click(base_->button(button));
            seen = watcher.seen();
        }
        base_->returnToWindow();
        return seen;
    }

    // Every step of the sheet's load, against the main window's boxes as
    // they are on screen.
    void compareWithMainWindow(int kind)
    {
        for (const auto& [sheetControl, sourceControl] : test::LoadOf(kind)) {
            QString expected;
            if (sourceControl == "Longvib")
                expected = QStringLiteral("650"); // the length every test computes
            else if (sourceControl == "Combo1")
                expected = base_->list("Combo1").currentText();
            else
                expected = base_->box(sourceControl).text();
            QVERIFY2(sheetTexts_.contains(sheetControl), qPrintable(sheetControl));
            QVERIFY2(sheetTexts_.value(sheetControl) == expected,
                qPrintable(QString("%1 <- %2: '%3' != '%4'")
                               .arg(sheetControl, sourceControl, sheetTexts_.value(sheetControl),
                                   expected)));
        }
    }

    std::unique_ptr<BaseDriver> base_;
    int printCount_ = 0;
    QMap<QString, QString> sheetTexts_;
};

int main(int argc, char* argv[])
{
    PrintButtonTest tests;
    return test::RunWindowTests(tests, argc, argv);
}

#include "print_button_test.moc"
