// The full-size template from the sheets: the print dialog's "Gabarit" tab
// and the sheets' "Enregistrer le gabarit…" menu, driven as a user does.

#include "sheet_design.h"
#include "sheet_test_support.h"
#include "sheet_window.h"

#include "control_table.h"
#include "fret_calculator.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace corvane;
using test::Chromatic;
using test::FakeSource;
using test::ModalWatcher;

namespace {

// The main window after typing the length, choosing " Sol" and the scale:
// every text the engine wrote.
FakeSource EngineSource(const char* length, const char* scale)
{
    fret::ControlTable window;
    fret::FretCalculator calculator(window, ".");
    window.SetText("Longvib", length);
    calculator.Longvib_Change();
    window.SetText("Combo2", " Sol");
    calculator.Combo2_Click();
    window.SetText("Combo1", scale);
    calculator.Combo1_Click();
    FakeSource source;
    for (const char* control : { "Longvib", "Combo1", "Combo2" })
        source.texts.insert(control, QString::fromStdString(window.Text(control)));
    for (int box = 1; box <= 48; ++box)
        source.texts.insert(QStringLiteral("Text%1").arg(box),
            QString::fromStdString(window.Text("Text" + std::to_string(box))));
    return source;
}

int PdfPageCount(const QString& pdf)
{
    QProcess info;
    info.start(QStringLiteral(PDFINFO_PROGRAM), { pdf });
    info.waitForFinished();
    const QString out = QString::fromUtf8(info.readAllStandardOutput());
    const auto match = QRegularExpression(QStringLiteral(R"(Pages:\s+(\d+))")).match(out);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

void ChooseUnit(QWidget& options, int index)
{
    auto* unit = options.findChild<QComboBox*>(QStringLiteral("TemplateUnit"));
    QVERIFY(unit != nullptr);
    unit->setCurrentIndex(index);
}

// Opens the right-click menu on a widget of the sheet and picks its last
// item, "Enregistrer le gabarit…", with the keyboard.
void PickSaveFromMenu(QWidget& target)
{
    QTimer::singleShot(0, [&target] {
        QContextMenuEvent event(
            QContextMenuEvent::Mouse, QPoint(5, 5), target.mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(&target, &event);
    });
    QTimer::singleShot(200, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY2(menu != nullptr, "no menu appeared");
        QCOMPARE(menu->actions().constLast()->text(), QStringLiteral("Enregistrer le gabarit…"));
        menu->setActiveAction(menu->actions().constLast());
        QTest::keyClick(menu, Qt::Key_Return);
    });
}

} // namespace

class SheetTemplateTest : public QObject {
    Q_OBJECT

private slots:
    // Unticked, the job is the sheet alone, as ever; ticked, the template
    // pages follow it; a template in the wrong unit is refused before
    // anything is printed.
    void printDialogTab_data()
    {
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<int>("unitIndex");
        QTest::addColumn<int>("pages");
        QTest::newRow("unticked") << false << 0 << 1;
        QTest::newRow("ticked, mm") << true << 0 << 4;
        QTest::newRow("ticked, 650 read in inches") << true << 2 << 0;
    }

    void printDialogTab()
    {
        QFETCH(bool, ticked);
        QFETCH(int, unitIndex);
        QFETCH(int, pages);
        QTemporaryDir directory;
        const QString pdf = directory.filePath("job.pdf");
        auto printing = ui::MakeDialogPrinting(nullptr);
        QString message;
        ModalWatcher watcher([&](QWidget& window) {
            if (auto* dialog = qobject_cast<QPrintDialog*>(&window)) {
                auto* printers = dialog->findChild<QComboBox*>("printers");
                auto* file = dialog->findChild<QLineEdit*>("filename");
                QVERIFY(printers && file);
                printers->setCurrentIndex(printers->findText("Print to File (PDF)"));
                file->setText(pdf);
                auto* options = dialog->findChild<QWidget*>(QStringLiteral("TemplateOptions"));
                QVERIFY2(options != nullptr, "no Gabarit tab");
                auto* box = options->findChild<QCheckBox*>(QStringLiteral("PrintTemplate"));
                QVERIFY(box != nullptr && !box->isChecked());
                if (ticked)
                    box->click();
                ChooseUnit(*options, unitIndex);
                dialog->accept();
            } else if (auto* box = qobject_cast<QMessageBox*>(&window)) {
                message = box->text();
            }
        });
        ui::OpenSheet(Chromatic, EngineSource("650", "Tempérée Chromatique"), *printing);
        QCOMPARE(PdfPageCount(pdf), pages);
        if (pages == 0)
            QVERIFY2(message.contains(QStringLiteral("50 au plus")), qPrintable(message));
        if (pages == 4)
            QVERIFY(test::PdfText(pdf).contains(QStringLiteral("page 3/3")));
    }

    // Right-click on the sheet or in one of its boxes, the unit and width,
    // then the file: the template lands at true size in the chosen format.
    void savesFromTheMenu_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("expected");
        QTest::newRow("sheet, SVG in cm") << ""
                                          << "t.svg"
                                          << R"(<line x1="325" y1="30")";
        QTest::newRow("box, DXF in cm") << "Text12"
                                        << "t.dxf"
                                        << "$INSUNITS\n 70\n5\n";
        QTest::newRow("cancelled") << ""
                                   << ""
                                   << "";
    }

    void savesFromTheMenu()
    {
        QFETCH(QString, target);
        QFETCH(QString, file);
        QFETCH(QString, expected);
        QTemporaryDir directory;
        const QString path = directory.filePath(file);
        // The sheet as the print button shows it, but not modal, so that the
        // test can right-click it.
        const FakeSource source = EngineSource("65", "Tempérée Chromatique");
        ui::SheetWindow sheet(*ui::SheetForScaleKind(Chromatic));
        sheet.load(source);
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        ModalWatcher watcher([&](QWidget& window) {
            if (window.objectName() == QLatin1String("TemplateSaveOptions")) {
                ChooseUnit(window, 1); // the length 65 is in centimetres
                if (!file.isEmpty())
                    static_cast<QDialog&>(window).accept();
            } else if (auto* dialog = qobject_cast<QFileDialog*>(&window)) {
                // Typed over the proposed name, as a user does.
                dialog->setDirectory(directory.path());
                auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                QVERIFY(name != nullptr);
                name->selectAll();
                QTest::keyClicks(name, file);
                QTRY_COMPARE(dialog->selectedFiles().value(0), path);
                static_cast<QDialog*>(dialog)->accept();
                QVERIFY2(!dialog->isVisible(), "the file dialog refused the name");
            }
        });
        QWidget* clicked = target.isEmpty() ? &sheet : sheet.findChild<QWidget*>(target);
        QVERIFY(clicked != nullptr);
        PickSaveFromMenu(*clicked);
        QTRY_VERIFY_WITH_TIMEOUT(watcher.seen().size() == (file.isEmpty() ? 1 : 2)
                && QApplication::activeModalWidget() == nullptr,
            10000);
        QVERIFY(watcher.seen().contains(QStringLiteral("TemplateSaveOptions")));
        if (file.isEmpty()) {
            QCOMPARE(QDir(directory.path()).entryList(QDir::Files).size(), 0);
            return;
        }
        QFile written(path);
        QVERIFY2(written.open(QIODevice::ReadOnly),
            qPrintable(path + " after " + watcher.seen().join(", ")));
        // Fret 12 of 65 cm at 32.5 cm: 325 mm in the SVG, 32.5 in the DXF.
        const QByteArray content = written.readAll();
        QVERIFY2(content.contains(expected.toUtf8()), content.left(400).constData());
    }
};

int main(int argc, char** argv)
{
    SheetTemplateTest tests;
    return test::RunWindowTests(tests, argc, argv);
}

#include "sheet_template_test.moc"
