// The two result sheets opened through OpenSheet, as the print button opens
// them, from a stand-in main window: their layout, what the load step copies
// and in what order, focus, and the life of each opening.

#include "look.h"
#include "sheet_tables.h"
#include "sheet_test_support.h"
#include "sheets.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <array>

using namespace corvane;
using corvane::test::Chromatic;
using corvane::test::ChromaticLoad;
using corvane::test::Diatonic;
using corvane::test::DiatonicLoad;
using corvane::test::FakeSource;
using corvane::test::ModalWatcher;
using corvane::test::SheetName;

namespace {

// The sheets as designed, row by row: position box, note box, position box,
// note box. Empty cells hold the headings.
using Row = std::array<const char*, 4>;
// clang-format off
const Row DiatonicGrid[] = {
    {"", "", "Text19", "Text24"},     {"Text2", "Text11", "Text20", "Text25"},
    {"Text3", "Text12", "Text21", "Text26"}, {"Text4", "Text13", "Text22", "Text27"},
    {"Text5", "Text14", "Text23", "Text28"}, {"Text6", "Text15", "Text9", "Text18"},
    {"Text7", "Text16", "Text29", "Text31"}, {"Text8", "Text17", "Text30", "Text32"},
};
const Row ChromaticGrid[] = {
    {"", "", "Text12", "Text36"},           {"Text49", "Text50", "Text13", "Text37"},
    {"Text1", "Text25", "Text14", "Text38"}, {"Text2", "Text26", "Text15", "Text39"},
    {"Text3", "Text27", "Text16", "Text40"}, {"Text4", "Text28", "Text17", "Text41"},
    {"Text5", "Text29", "Text18", "Text42"}, {"Text6", "Text30", "Text19", "Text43"},
    {"Text7", "Text31", "Text20", "Text44"}, {"Text8", "Text32", "Text21", "Text45"},
    {"Text9", "Text33", "Text22", "Text46"}, {"Text10", "Text34", "Text23", "Text47"},
    {"Text11", "Text35", "Text24", "Text48"},
};
// clang-format on

QString DiapasonBox(int kind)
{
    return kind == Diatonic ? "Text11" : "Text50";
}

// Opens the sheet of a scale kind from the source, lets inspect look at it
// while it is open, and returns the names of the windows that opened.
QStringList Open(
    int kind, const FakeSource& source, const std::function<void(QWidget&)>& inspect = {})
{
    test::NoPrinting printing;
    ModalWatcher watcher(inspect);
    ui::OpenSheet(kind, source, printing);
    return watcher.seen();
}

QMap<QString, QString> OpenAndRead(int kind, const FakeSource& source)
{
    QMap<QString, QString> texts;
    const QStringList seen
        = Open(kind, source, [&](QWidget& sheet) { texts = test::ControlTexts(sheet); });
    if (seen != QStringList { SheetName(kind) })
        qWarning() << "expected" << SheetName(kind) << "to open, saw" << seen;
    return texts;
}

QLineEdit* Box(QWidget& sheet, const QString& name)
{
    return sheet.findChild<QLineEdit*>(name, Qt::FindDirectChildrenOnly);
}

} // namespace

class SheetWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const FakeSource source = test::DistinctSource();
        diatonicTexts_ = OpenAndRead(Diatonic, source);
        chromaticTexts_ = OpenAndRead(Chromatic, source);
    }

    void copiesEachStepOfTheLoad_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("sheetControl");
        QTest::addColumn<QString>("sourceControl");
        for (const auto& [sheet, source] : DiatonicLoad())
            QTest::addRow("Capture1 %s <- %s", qPrintable(sheet), qPrintable(source))
                << Diatonic << sheet << source;
        for (const auto& [sheet, source] : ChromaticLoad())
            QTest::addRow("Capture %s <- %s", qPrintable(sheet), qPrintable(source))
                << Chromatic << sheet << source;
    }

    // Character for character: the blanks, the accent and the markup survive.
    void copiesEachStepOfTheLoad()
    {
        QFETCH(int, kind);
        QFETCH(QString, sheetControl);
        QFETCH(QString, sourceControl);
        const auto& texts = kind == Diatonic ? diatonicTexts_ : chromaticTexts_;
        QVERIFY2(texts.contains(sheetControl), qPrintable(sheetControl));
        QCOMPARE(texts.value(sheetControl), test::DistinctText(sourceControl));
    }

    void diapasonBoxIsNeverLoaded_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("Capture1") << Diatonic;
        QTest::newRow("Capture") << Chromatic;
    }

    void diapasonBoxIsNeverLoaded()
    {
        QFETCH(int, kind);
        const auto& texts = kind == Diatonic ? diatonicTexts_ : chromaticTexts_;
        QCOMPARE(texts.value(DiapasonBox(kind)), QStringLiteral("Diap."));
    }

    // Slot 8 and slots 16 to 24 have no place on the diatonic sheet: their
    // texts must not turn up in any of its boxes.
    void diatonicSheetLeavesOutChromaticSlots()
    {
        const QStringList sheetTexts = diatonicTexts_.values();
        for (int slot : { 8, 16, 17, 18, 19, 20, 21, 22, 23, 24 }) {
            for (int box : { slot, slot + 24 }) {
                const QString text = test::DistinctText(QStringLiteral("Text%1").arg(box));
                QVERIFY2(!sheetTexts.contains(text), qPrintable(text));
            }
        }
    }

    void readsTheMainWindowInTableOrder_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("order");
        QStringList diatonic;
        for (const auto& step : DiatonicLoad())
            diatonic.append(step.second);
        QStringList chromatic;
        for (const auto& step : ChromaticLoad())
            chromatic.append(step.second);
        QTest::newRow("Capture1") << Diatonic << diatonic;
        QTest::newRow("Capture") << Chromatic << chromatic;
    }

    void readsTheMainWindowInTableOrder()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, order);
        const FakeSource source = test::DistinctSource();
        QCOMPARE(Open(kind, source), QStringList { SheetName(kind) });
        QCOMPARE(source.reads, order);
    }

    void emptySourceGivesEmptyBoxes_data() { diapasonBoxIsNeverLoaded_data(); }

    void emptySourceGivesEmptyBoxes()
    {
        QFETCH(int, kind);
        const QMap<QString, QString> texts = OpenAndRead(kind, FakeSource {});
        QVERIFY(!texts.isEmpty());
        for (auto it = texts.begin(); it != texts.end(); ++it) {
            if (it.key() == DiapasonBox(kind))
                QCOMPARE(it.value(), QStringLiteral("Diap."));
            else if (it.value() == " Longueur" || it.value() == " Note")
                continue; // the headings
            else
                QVERIFY2(it.value().isEmpty(), qPrintable(it.key()));
        }
    }

    void noSheetWithoutAScale_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("no scale chosen") << 0;
        QTest::newRow("unknown kind") << 3;
        QTest::newRow("negative") << -1;
    }

    void noSheetWithoutAScale()
    {
        QFETCH(int, kind);
        const FakeSource source = test::DistinctSource();
        QCOMPARE(Open(kind, source), QStringList {});
        QVERIFY(source.reads.isEmpty());
    }

    void window_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("clientSize");
        QTest::newRow("Capture1") << Diatonic << " Frettage Diatonique" << QSize(313, 289);
        QTest::newRow("Capture") << Chromatic << " Frettage Chromatique" << QSize(313, 449);
    }

    void window()
    {
        QFETCH(int, kind);
        QFETCH(QString, caption);
        QFETCH(QSize, clientSize);
        QWidget* opened = nullptr;
        Open(kind, FakeSource {}, [&](QWidget& sheet) {
            opened = &sheet;
            QCOMPARE(sheet.objectName(), SheetName(kind));
            QCOMPARE(sheet.windowTitle(), caption);
            QCOMPARE(sheet.size(), clientSize);
            QCOMPARE(sheet.minimumSize(), clientSize);
            QCOMPARE(sheet.maximumSize(), clientSize);
            const Qt::WindowFlags flags = sheet.windowFlags();
            QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool);
            QVERIFY(flags & Qt::WindowCloseButtonHint);
            QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
            QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
            QVERIFY(sheet.isModal());
            QCOMPARE(sheet.windowModality(), Qt::ApplicationModal);
            QCOMPARE(sheet.palette().color(QPalette::Window),
                ui::RoleColour(ui::ColourRole::InactiveBorder));
        });
        QVERIFY(opened != nullptr);
    }

    void boxes_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        auto add = [](int kind, const auto& grid) {
            for (int row = 0; row < int(std::size(grid)); ++row) {
                for (int column = 0; column < 4; ++column) {
                    const QString box = grid[row][column];
                    if (!box.isEmpty())
                        QTest::addRow("%s %s", qPrintable(SheetName(kind)), qPrintable(box))
                            << kind << box << column << row;
                }
            }
        };
        add(Diatonic, DiatonicGrid);
        add(Chromatic, ChromaticGrid);
    }

    // Every box at its place, with the look of its column: twips / 15.
    void boxes()
    {
        QFETCH(int, kind);
        QFETCH(QString, box);
        QFETCH(int, column);
        QFETCH(int, row);
        const int lefts[] = { 120, 1680, 2400, 3960 };
        const bool position = column % 2 == 0;
        const QRect expected(
            (lefts[column]) / 15, (480 + 480 * row) / 15, (position ? 1455 : 615) / 15, 405 / 15);
        Open(kind, FakeSource {}, [&](QWidget& sheet) {
            QLineEdit* edit = Box(sheet, box);
            QVERIFY(edit != nullptr);
            QCOMPARE(edit->geometry(), expected);
            QVERIFY(edit->isVisible());
            QVERIFY(!edit->isReadOnly());
            QVERIFY(edit->hasFrame());
            QCOMPARE(edit->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
            const QFont font = edit->font();
            QCOMPARE(font.family(), QString(position ? ui::TimesFace : ui::SansSerifFace));
            QCOMPARE(font.pointSizeF(), position ? 12.0 : 9.75);
            QCOMPARE(font.bold(), position);
            const QColor background = edit->palette().color(QPalette::Base);
            QCOMPARE(background,
                ui::RoleColour(
                    position ? ui::ColourRole::Window : ui::ColourRole::TooltipBackground));
        });
    }

    // No more boxes than designed: Capture1 has no Text1 and no Text10.
    void boxSet_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("names");
        QStringList diatonic;
        for (int box = 2; box <= 32; ++box) {
            if (box != 10)
                diatonic.append(QStringLiteral("Text%1").arg(box));
        }
        QStringList chromatic;
        for (int box = 1; box <= 50; ++box)
            chromatic.append(QStringLiteral("Text%1").arg(box));
        QTest::newRow("Capture1") << Diatonic << diatonic;
        QTest::newRow("Capture") << Chromatic << chromatic;
    }

    void boxSet()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, names);
        QStringList actual;
        Open(kind, FakeSource {}, [&](QWidget& sheet) {
            for (const QLineEdit* edit : sheet.findChildren<QLineEdit*>())
                actual.append(edit->objectName());
        });
        std::sort(actual.begin(), actual.end());
        std::sort(names.begin(), names.end());
        QCOMPARE(actual, names);
    }

    void labels_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("face");
        QTest::addColumn<double>("points");
        QTest::addColumn<int>("background");
        const QString sans = ui::SansSerifFace;
        const QString times = ui::TimesFace;
        const int border = int(ui::ColourRole::InactiveBorder);
        const int caption = int(ui::ColourRole::InactiveCaptionText);
        const int tooltip = int(ui::ColourRole::TooltipBackground);
        QTest::newRow("Capture1 Label3")
            << Diatonic << "Label3" << QRect(120, 120, 4455, 255) << "" << sans << 9.75 << border;
        QTest::newRow("Capture1 Label2") << Diatonic << "Label2" << QRect(120, 480, 1455, 375)
                                         << " Longueur" << times << 12.0 << caption;
        QTest::newRow("Capture1 Label1") << Diatonic << "Label1" << QRect(1680, 480, 615, 375)
                                         << " Note" << times << 12.0 << tooltip;
        QTest::newRow("Capture Label3")
            << Chromatic << "Label3" << QRect(120, 120, 4335, 255) << "" << sans << 9.75 << border;
        QTest::newRow("Capture Label1") << Chromatic << "Label1" << QRect(120, 480, 1455, 375)
                                        << " Longueur" << times << 12.0 << caption;
        QTest::newRow("Capture Label2") << Chromatic << "Label2" << QRect(1680, 480, 615, 375)
                                        << " Note" << times << 12.0 << tooltip;
    }

    void labels()
    {
        QFETCH(int, kind);
        QFETCH(QString, label);
        QFETCH(QRect, twips);
        QFETCH(QString, text);
        QFETCH(QString, face);
        QFETCH(double, points);
        QFETCH(int, background);
        Open(kind, FakeSource {}, [&](QWidget& sheet) {
            auto* widget = sheet.findChild<QLabel*>(label, Qt::FindDirectChildrenOnly);
            QVERIFY(widget != nullptr);
            QCOMPARE(widget->geometry(),
                QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
            QCOMPARE(widget->text(), text);
            QCOMPARE(widget->font().family(), face);
            QCOMPARE(widget->font().pointSizeF(), points);
            QVERIFY(widget->font().bold());
            QVERIFY(widget->autoFillBackground());
            QCOMPARE(widget->palette().color(QPalette::Window),
                ui::RoleColour(ui::ColourRole(background)));
            QCOMPARE(widget->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        });
    }

    // The title takes the list's text as plain text, whatever it looks like.
    void titleIsPlainText()
    {
        FakeSource source;
        source.texts.insert("Combo1", "<i>Naturelle</i>   Diatonique");
        Open(Diatonic, source, [&](QWidget& sheet) {
            auto* title = sheet.findChild<QLabel*>("Label3");
            QVERIFY(title != nullptr);
            QCOMPARE(title->textFormat(), Qt::PlainText);
            QCOMPARE(title->text(), source.texts.value("Combo1"));
        });
    }

    void frameLines_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QLine>("line"); // in pixels, end points included
        QTest::newRow("Capture1 Line1") << Diatonic << QLine(0, 0, 0, 288);
        QTest::newRow("Capture1 Line2") << Diatonic << QLine(0, 0, 312, 0);
        // (0, 4320)-(4800, 4320) twips: clipped at the right edge.
        QTest::newRow("Capture1 Line3") << Diatonic << QLine(0, 288, 312, 288);
        QTest::newRow("Capture1 Line4") << Diatonic << QLine(312, 0, 312, 288);
        QTest::newRow("Capture1 Line5") << Diatonic << QLine(0, 24, 312, 24);
        QTest::newRow("Capture Line1") << Chromatic << QLine(0, 0, 0, 448);
        QTest::newRow("Capture Line2") << Chromatic << QLine(0, 0, 312, 0);
        QTest::newRow("Capture Line3") << Chromatic << QLine(312, 0, 312, 448);
        QTest::newRow("Capture Line4") << Chromatic << QLine(0, 448, 312, 448);
        QTest::newRow("Capture Line5") << Chromatic << QLine(0, 24, 312, 24);
    }

    // Each line is there, one pixel wide, over the title label too.
    void frameLines()
    {
        QFETCH(int, kind);
        QFETCH(QLine, line);
        QImage image;
        Open(kind, test::DistinctSource(), [&](QWidget& sheet) { image = sheet.grab().toImage(); });
        QVERIFY(!image.isNull());
        const QColor ink = ui::RoleColour(ui::ColourRole::WindowText);
        const bool horizontal = line.dy() == 0;
        const int length = horizontal ? line.dx() : line.dy();
        for (int step = 0; step <= length; ++step) {
            const QPoint at = horizontal ? QPoint(line.x1() + step, line.y1())
                                         : QPoint(line.x1(), line.y1() + step);
            QCOMPARE(image.pixelColor(at), ink);
        }
        // One pixel wide: just inside the frame, near the line's start, where
        // no box or label stands, there is only the sheet's background.
        const QPoint inside = horizontal
            ? QPoint(line.x1() + 4, line.y1() == 0 ? 1 : line.y1() - 1)
            : QPoint(line.x1() == 0 ? 1 : line.x1() - 1, line.y1() + 4);
        QCOMPARE(image.pixelColor(inside), ui::RoleColour(ui::ColourRole::InactiveBorder));
    }

    void focusFollowsNumbers_data() { boxSet_data(); }

    // The first box has the focus; Tab walks the boxes by number, then wraps.
    void focusFollowsNumbers()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, names);
        std::sort(names.begin(), names.end(),
            [](const QString& a, const QString& b) { return a.mid(4).toInt() < b.mid(4).toInt(); });
        QStringList walked;
        Open(kind, FakeSource {}, [&](QWidget& sheet) {
            QVERIFY(QTest::qWaitForWindowActive(&sheet));
            for (int step = 0; step <= names.size(); ++step) {
                QWidget* focus = QApplication::focusWidget();
                QVERIFY(focus != nullptr);
                walked.append(focus->objectName());
                QTest::keyClick(focus, Qt::Key_Tab);
            }
        });
        names.append(names.front());
        QCOMPARE(walked, names);
    }

    // Only the close command ends a sheet; Escape is no close button.
    void escapeLeavesTheSheetOpen_data() { diapasonBoxIsNeverLoaded_data(); }

    void escapeLeavesTheSheetOpen()
    {
        QFETCH(int, kind);
        bool stillOpen = false;
        Open(kind, FakeSource {}, [&](QWidget& sheet) {
            QVERIFY(QTest::qWaitForWindowActive(&sheet));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            QTest::keyClick(&sheet, Qt::Key_Escape);
            stillOpen = sheet.isVisible();
        });
        QVERIFY(stillOpen);
    }

    void everyOpeningStartsAfresh_data() { diapasonBoxIsNeverLoaded_data(); }

    // What the user typed dies with the sheet; the next opening is built
    // from the design again and copies the main window as it is then.
    void everyOpeningStartsAfresh()
    {
        QFETCH(int, kind);
        FakeSource source = test::DistinctSource();
        const QString lengthBox = kind == Diatonic ? "Text2" : "Text49";
        QPointer<QWidget> first;
        Open(kind, source, [&](QWidget& sheet) {
            first = &sheet;
            for (const QString& name : { lengthBox, DiapasonBox(kind), QString("Text9") }) {
                QLineEdit* edit = Box(sheet, name);
                QVERIFY(edit != nullptr);
                edit->selectAll();
                QTest::keyClicks(edit, "typed");
            }
        });
        QVERIFY2(first.isNull(), "a closed sheet is discarded");

        source.texts.insert("Longvib", "64 cm");
        QMap<QString, QString> second;
        QCOMPARE(Open(kind, source, [&](QWidget& sheet) { second = test::ControlTexts(sheet); }),
            QStringList { SheetName(kind) });
        QCOMPARE(second.value(lengthBox), QStringLiteral("64 cm"));
        QCOMPARE(second.value(DiapasonBox(kind)), QStringLiteral("Diap."));
        const QString text9Source = kind == Diatonic ? "Text13" : "Text9";
        QCOMPARE(second.value("Text9"), test::DistinctText(text9Source));
    }

    // A length longer than its box is shown from its start.
    void longTextShowsItsStart()
    {
        FakeSource source;
        source.texts.insert("Longvib", "650 millimètres du sillet au chevalet");
        Open(Diatonic, source, [&](QWidget& sheet) {
            QLineEdit* edit = Box(sheet, "Text2");
            QVERIFY(edit != nullptr);
            QCOMPARE(edit->text(), source.texts.value("Longvib"));
            QCOMPARE(edit->cursorPosition(), 0);
        });
    }

private:
    QMap<QString, QString> diatonicTexts_;
    QMap<QString, QString> chromaticTexts_;
};

int main(int argc, char* argv[])
{
    SheetWindowsTest tests;
    return test::RunWindowTests(tests, argc, argv);
}

#include "sheet_windows_test.moc"
