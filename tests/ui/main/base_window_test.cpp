// The main window driven as a user drives it: typing into the length box,
// choosing in the lists with the mouse and with the arrow keys, clicking
// the buttons. Positions are written with a period: ctest runs this with
// LC_ALL=C.

#include "base_driver.h"
#include "look.h"
#include "sheets.h"

#include <QApplication>
#include <QFontInfo>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QTest>
#include <QWheelEvent>

#include <memory>

using corvane::test::BaseDriver;
using corvane::test::ModalCloser;

namespace {

const QString TemperedDiatonic = QStringLiteral("Tempérée Diatonique");
const QString TemperedChromatic = QStringLiteral("Tempérée Chromatique");
const QString NaturalDiatonic = QStringLiteral("Naturelle   Diatonique");
const QString NaturalChromatic = QStringLiteral("Naturelle   Chromatique");
const QString PythagoreanDiatonic = QStringLiteral("Pythagore Diatonique");
const QString PythagoreanChromatic = QStringLiteral("Pythagore Chromatique");
const QString ModeSol = QStringLiteral(" Sol");
const QString ModeDo = QStringLiteral(" Do");

const QString OverflowReport = QStringLiteral("Erreur d'exécution '6' : Dépassement de capacité");

// Worked examples for a length of 650, slots 1 to 24; an empty text is a
// slot the scale does not write.
const QStringList TemperedChromatic650 { "36.4817", "70.9158", "103.4173", "134.0947", "163.0502",
    "190.3806", "216.177", "240.5257", "263.5077", "285.1998", "305.6745", "325", "343.2408",
    "360.4579", "376.7087", "392.0473", "406.5251", "420.1903", "433.0885", "445.2628", "456.7538",
    "467.5999", "477.8372", "487.5" };
const QStringList TemperedDiatonicModeDo650 { "70.9158", "134.0947", "163.0502", "216.177",
    "263.5077", "305.6745", "325", "", "360.4579", "392.0473", "406.5251", "433.0885", "456.7538",
    "477.8372", "487.5", "", "", "", "", "", "", "", "", "" };
const QStringList PythagoreanDiatonicModeSol650 { "72.2222", "136.4198", "162.4878", "216.6667",
    "264.8148", "286.214", "325", "", "361.1111", "393.2099", "406.2439", "433.3333", "457.4074",
    "468.107", "487.5", "", "", "", "", "", "", "", "", "" };
const QStringList NaturalChromatic650 { "36.1111", "72.2222", "101.1111", "130", "162.4878",
    "189.57725", "216.6667", "238.33335", "260", "281.66665", "303.3333", "325", "343.05555",
    "361.1111", "375.55555", "390", "406.2439", "419.7886", "433.3333", "444.16665", "455",
    "465.83335", "476.6667", "487.5" };

const QStringList NoNames(24);
const QStringList DiatonicNamesModeDo { " Ré", " Mi", " Fa", " Sol", " La", " Si", " Do", "", " Ré",
    " Mi", " Fa", " Sol", " La", " Si", " Do", "", "", "", "", "", "", "", "", "" };
const QStringList DiatonicNamesModeSol { " La", " Si", " Do", " Ré", " Mi", " Fa", " Sol", "",
    " La", " Si", " Do", " Ré", " Mi", " Fa", " Sol", "", "", "", "", "", "", "", "", "" };
const QStringList ChromaticNamesModeSol { " Sol#", " La", " La#", " Si", " Do", " Do#", " Ré",
    " Ré#", " Mi", " Fa", " Fa#", " Sol", " Sol#", " La", " La#", " Si", " Do", " Do#", " Ré",
    " Ré#", " Mi", " Fa", " Fa#", " Sol" };

QList<int> Range(int first, int last)
{
    QList<int> numbers;
    for (int number = first; number <= last; ++number)
        numbers << number;
    return numbers;
}

// Text1..Text7, Text9..Text15 and their note boxes.
const QList<int> DiatonicBoxes = Range(1, 7) + Range(9, 15) + Range(25, 31) + Range(33, 39);
const QList<int> AllBoxes = Range(1, 48);
const QList<int> NoBoxes;

QStringList Names(std::initializer_list<const char*> names)
{
    QStringList list;
    for (const char* name : names)
        list << QString::fromUtf8(name);
    return list;
}

QStringList ResultBoxNames(QList<int> numbers)
{
    QStringList names;
    for (int number : numbers)
        names << QStringLiteral("Text%1").arg(number);
    return names;
}

enum class By { Mouse, Keys };

// Records what the print button asks to print.
class RecordingPrinting : public corvane::ui::SheetPrinting {
public:
    explicit RecordingPrinting(int& printed)
        : printed_(printed)
    {
    }
    void printSheet(QWidget&) override { ++printed_; }

private:
    int& printed_;
};

} // namespace

Q_DECLARE_METATYPE(By)

class BaseWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowFrame();
    void backgroundAtNaturalSize();
    void instrumentPictureInsideItsBorder();
    void controlPlaces_data();
    void controlPlaces();
    void resultGridPlaces_data();
    void resultGridPlaces();
    void controlFonts_data();
    void controlFonts();
    void noteBoxesAndLabelOnTooltipColour();
    void startState();
    void tabOrder_data();
    void tabOrder();

    void scaleChoice_data();
    void scaleChoice();
    void diatonicAfterChromaticKeepsHiddenTexts();
    void everyArrowKeyMoveIsAChoice();
    void pickingTheSameItemAgainRecomputes();
    void typingInAListChoosesNothing_data();
    void typingInAListChoosesNothing();
    void typedModeIsNoChoice_data();
    void typedModeIsNoChoice();
    void modeChangeShowsAtNextScaleChoice();
    void resetButton();
    void resetButtonOnFreshWindow();
    void resultBoxesAcceptTyping();
    void sheetSourceReadsCurrentTexts();
    void printButtonBeforeAnyScaleDoesNothing();
    void printButtonOpensTheLastScalesSheet_data();
    void printButtonOpensTheLastScalesSheet();
    void aboutButtonOpensTheAboutWindow();

    void overflowIsReportedAtSixteenthDigit();
    void overflowedLengthIsNotUsed();
    void resetMendsOverflowedLength();

    void longPositionShowsItsFirstDigit();
    void wheelChangesOnlyAFocusedList_data();
    void wheelChangesOnlyAFocusedList();
    void startsWithoutADisplay_data();
    void startsWithoutADisplay();

private:
    QWidget& control(const QString& name);

    std::unique_ptr<ModalCloser> closer_;
    std::unique_ptr<BaseDriver> base_;
};

void BaseWindowTest::init()
{
    closer_ = std::make_unique<ModalCloser>();
    base_ = std::make_unique<BaseDriver>();
}

void BaseWindowTest::cleanup()
{
    base_.reset();
    // A test that expects a message box clears what it checked; anything
    // left is a box nobody expected.
    const auto seen = closer_->seen();
    closer_.reset();
    for (const ModalCloser::Seen& modal : seen)
        qWarning(
            "unexpected modal window %s: %s", qPrintable(modal.className), qPrintable(modal.text));
    QVERIFY(seen.isEmpty());
}

QWidget& BaseWindowTest::control(const QString& name)
{
    auto* widget = base_->window().findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
    Q_ASSERT_X(widget, "control", qPrintable(name));
    return *widget;
}

void BaseWindowTest::windowFrame()
{
    corvane::ui::Base& window = base_->window();
    QCOMPARE(window.windowTitle(), QStringLiteral(" Corvane 2.3"));
    QCOMPARE(window.size(), QSize(485, 408));
    QCOMPARE(window.minimumSize(), QSize(485, 408));
    QCOMPARE(window.maximumSize(), QSize(485, 408));

    const Qt::WindowFlags flags = window.windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));

    const QList<QSize> iconSizes = window.windowIcon().availableSizes();
    QVERIFY2(iconSizes.contains(QSize(16, 16)), "no 16 x 16 window icon");
    QVERIFY2(iconSizes.contains(QSize(32, 32)), "no 32 x 32 window icon");
}

void BaseWindowTest::backgroundAtNaturalSize()
{
    const QImage picture(QStringLiteral(":/background.jpg"));
    QCOMPARE(picture.size(), QSize(485, 500));
    const QImage shown = base_->window().grab().toImage();

    // Points where no control covers the picture, from the top-left corner
    // down to the bottom edge: a stretched or shifted picture differs there.
    const QPoint uncovered[]
        = { { 0, 0 }, { 300, 8 }, { 484, 0 }, { 250, 110 }, { 470, 60 }, { 200, 130 }, { 8, 140 },
              { 140, 300 }, { 480, 300 }, { 8, 400 }, { 300, 405 }, { 484, 407 } };
    for (const QPoint& point : uncovered)
        QVERIFY2(shown.pixel(point) == picture.pixel(point),
            qPrintable(QStringLiteral("picture differs at %1,%2").arg(point.x()).arg(point.y())));
}

void BaseWindowTest::instrumentPictureInsideItsBorder()
{
    const QImage picture(QStringLiteral(":/instrument.bmp"));
    QCOMPARE(picture.size(), QSize(48, 238));

    auto& box = static_cast<QFrame&>(control("Picture1"));
    const QImage shown = box.grab().toImage();
    const QPoint inside = box.contentsRect().topLeft();
    QVERIFY(inside.x() > 0 && inside.y() > 0); // a border surrounds it
    // The picture starts at the inside's top-left corner and is clipped at
    // its right and bottom.
    const QPoint samples[] = { { 0, 0 }, { 20, 40 }, { 10, 200 },
        { box.contentsRect().width() - 1, 100 }, { 30, box.contentsRect().height() - 1 } };
    for (const QPoint& sample : samples)
        QVERIFY2(shown.pixel(inside + sample) == picture.pixel(sample),
            qPrintable(
                QStringLiteral("instrument differs at %1,%2").arg(sample.x()).arg(sample.y())));
}

void BaseWindowTest::controlPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QRect>("twips");

    QTest::newRow("Longvib") << "Longvib"
                             << "QLineEdit" << QRect(840, 600, 1695, 285);
    QTest::newRow("Label2") << "Label2"
                            << "QLabel" << QRect(720, 240, 1935, 255);
    QTest::newRow("Command1") << "Command1"
                              << "QPushButton" << QRect(240, 600, 495, 255);
    QTest::newRow("Command2") << "Command2"
                              << "QPushButton" << QRect(1440, 1800, 495, 255);
    QTest::newRow("Picture1") << "Picture1"
                              << "corvane::ui::PictureBox" << QRect(6360, 2280, 735, 3615);
    QTest::newRow("Command4") << "Command4"
                              << "QPushButton" << QRect(1440, 1440, 495, 255);
    QTest::newRow("Combo1") << "Combo1"
                            << "QComboBox" << QRect(600, 960, 2175, 315);
    QTest::newRow("Combo2") << "Combo2"
                            << "QComboBox" << QRect(2640, 600, 855, 315);
}

void BaseWindowTest::controlPlaces()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QRect, twips);

    QWidget& widget = control(name);
    QCOMPARE(QString::fromLatin1(widget.metaObject()->className()), kind);
    QCOMPARE(widget.geometry(),
        QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
}

void BaseWindowTest::resultGridPlaces_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("positionLeft");
    QTest::addColumn<int>("noteLeft");
    QTest::addColumn<int>("top");

    // Slot, position box left, note box left, top; in twips.
    const int rows[24][4] = {
        { 1, 240, 1440, 2280 },
        { 2, 240, 1440, 2760 },
        { 3, 240, 1440, 3240 },
        { 4, 240, 1440, 3720 },
        { 5, 240, 1440, 4200 },
        { 6, 240, 1440, 4680 },
        { 7, 240, 1440, 5160 },
        { 8, 240, 1440, 5640 },
        { 9, 2280, 3480, 2280 },
        { 10, 2280, 3480, 2760 },
        { 11, 2280, 3480, 3240 },
        { 12, 2280, 3480, 3720 },
        { 13, 2280, 3480, 4200 },
        { 14, 2280, 3480, 4680 },
        { 15, 2280, 3480, 5160 },
        { 16, 2280, 3480, 5640 },
        { 17, 4320, 5520, 2280 },
        { 18, 4320, 5520, 2760 },
        { 19, 4320, 5520, 3240 },
        { 20, 4320, 5520, 3720 },
        { 21, 4320, 5520, 4200 },
        { 22, 4320, 5520, 4680 },
        { 23, 4320, 5520, 5160 },
        { 24, 4320, 5520, 5640 },
    };
    for (const auto& row : rows)
        QTest::addRow("slot %d", row[0]) << row[0] << row[1] << row[2] << row[3];
}

void BaseWindowTest::resultGridPlaces()
{
    QFETCH(int, slot);
    QFETCH(int, positionLeft);
    QFETCH(int, noteLeft);
    QFETCH(int, top);

    QLineEdit& position = base_->box(QStringLiteral("Text%1").arg(slot));
    QLineEdit& note = base_->box(QStringLiteral("Text%1").arg(slot + 24));
    QCOMPARE(position.geometry(), QRect(positionLeft / 15, top / 15, 1095 / 15, 285 / 15));
    QCOMPARE(note.geometry(), QRect(noteLeft / 15, top / 15, 495 / 15, 285 / 15));
    QVERIFY(!position.isReadOnly());
    QVERIFY(!note.isReadOnly());
    QVERIFY(position.alignment().testFlag(Qt::AlignLeft));
}

void BaseWindowTest::controlFonts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");

    QTest::newRow("Longvib") << "Longvib"
                             << "MS Sans Serif" << 8.25 << false;
    QTest::newRow("Label2") << "Label2"
                            << "Arial" << 8.25 << true;
    QTest::newRow("Text1") << "Text1"
                           << "MS Sans Serif" << 8.25 << false;
    QTest::newRow("Text24") << "Text24"
                            << "MS Sans Serif" << 8.25 << false;
    QTest::newRow("Text25") << "Text25"
                            << "Arial" << 8.25 << true;
    QTest::newRow("Text48") << "Text48"
                            << "Arial" << 8.25 << true;
    QTest::newRow("Command1") << "Command1"
                              << "MS Sans Serif" << 8.25 << true;
    QTest::newRow("Command2") << "Command2"
                              << "MS Sans Serif" << 9.75 << true;
    QTest::newRow("Command4") << "Command4"
                              << "MS Sans Serif" << 9.75 << true;
    QTest::newRow("Combo1") << "Combo1"
                            << "MS Sans Serif" << 8.25 << false;
    QTest::newRow("Combo2") << "Combo2"
                            << "MS Sans Serif" << 8.25 << false;
}

void BaseWindowTest::controlFonts()
{
    QFETCH(QString, name);
    QFETCH(QString, family);
    QFETCH(double, points);
    QFETCH(bool, bold);

    const QFont font = control(name).font();
    QCOMPARE(font.family(), family);
    QCOMPARE(font.pointSizeF(), points);
    QCOMPARE(font.bold(), bold);
    // The classic faces are missing here; they must resolve to the
    // metric-compatible face, not to whatever the system picks.
    QCOMPARE(QFontInfo(font).family(), QStringLiteral("Liberation Sans"));
}

void BaseWindowTest::noteBoxesAndLabelOnTooltipColour()
{
    using corvane::ui::ColourRole;
    using corvane::ui::RoleColour;
    base_->typeLength("650");
    base_->chooseWithMouse(base_->list("Combo1"), TemperedChromatic);

    // Blank corners of the rendered controls show their background.
    const QColor tooltip = RoleColour(ColourRole::TooltipBackground);
    const QColor window = RoleColour(ColourRole::Window);
    QCOMPARE(tooltip, QApplication::palette().color(QPalette::ToolTipBase));
    QVERIFY(tooltip != window);

    const auto inner = [](QWidget& widget) {
        return QColor(widget.grab().toImage().pixel(widget.width() - 4, widget.height() - 4));
    };
    // The caption starts with blanks.
    QCOMPARE(QColor(control("Label2").grab().toImage().pixel(2, 2)), tooltip);
    QCOMPARE(inner(control("Text25")), tooltip);
    QCOMPARE(inner(control("Text48")), tooltip);
    QCOMPARE(inner(control("Text1")), window);
    QCOMPARE(inner(control("Longvib")), window);
    QCOMPARE(base_->list("Combo2").lineEdit()->palette().color(QPalette::Base), tooltip);
    QCOMPARE(base_->list("Combo1").lineEdit()->palette().color(QPalette::Base), window);
}

void BaseWindowTest::startState()
{
    QCOMPARE(base_->box("Longvib").text(), QString());
    QCOMPARE(QApplication::focusWidget(), &control("Longvib"));
    QCOMPARE(
        static_cast<QLabel&>(control("Label2")).text(), QStringLiteral("   Longueur  vibrante :"));

    QComboBox& scales = base_->list("Combo1");
    QVERIFY(scales.isEditable());
    QCOMPARE(scales.currentText(), QStringLiteral("Gamme :"));
    QCOMPARE(scales.currentIndex(), -1);
    QStringList scaleItems;
    for (int i = 0; i < scales.count(); ++i)
        scaleItems << scales.itemText(i);
    QCOMPARE(scaleItems,
        QStringList({ TemperedDiatonic, TemperedChromatic, NaturalDiatonic, NaturalChromatic,
            PythagoreanDiatonic, PythagoreanChromatic }));

    QComboBox& modes = base_->list("Combo2");
    QVERIFY(modes.isEditable());
    QCOMPARE(modes.currentText(), QStringLiteral("Mode :"));
    QCOMPARE(modes.currentIndex(), -1);
    QCOMPARE(modes.count(), 2);
    QCOMPARE(modes.itemText(0), ModeSol);
    QCOMPARE(modes.itemText(1), ModeDo);

    QCOMPARE(base_->button("Command1").text(), QStringLiteral("0"));
    QCOMPARE(base_->button("Command2").text(), QStringLiteral("?"));
    QCOMPARE(base_->button("Command4").text(), QString());
    QVERIFY(!base_->button("Command4").icon().isNull());
    for (const char* shown :
        { "Longvib", "Label2", "Command1", "Command2", "Command4", "Picture1", "Combo1", "Combo2" })
        QVERIFY2(control(shown).isVisible(), shown);

    QCOMPARE(base_->visibleResultBoxes(), NoBoxes);
    QCOMPARE(base_->positionTexts(1, 24), NoNames);
    QCOMPARE(base_->noteTexts(1, 24), NoNames);
}

void BaseWindowTest::tabOrder_data()
{
    QTest::addColumn<bool>("showResults");
    QTest::addColumn<QStringList>("order");

    const QStringList tail = Names({ "Command1", "Command2", "Picture1", "Command4" });
    QTest::newRow("at start") << false
                              << QStringList { "Longvib" } + tail
            + Names({ "Combo1", "Combo2", "Longvib" });
    QTest::newRow("all boxes shown")
        << true
        << QStringList { "Longvib" } + ResultBoxNames(Range(1, 24)) + ResultBoxNames(Range(26, 48))
            + tail + Names({ "Text25", "Combo1", "Combo2", "Longvib" });
}

void BaseWindowTest::tabOrder()
{
    QFETCH(bool, showResults);
    QFETCH(QStringList, order);

    if (showResults)
        base_->chooseWithMouse(base_->list("Combo1"), TemperedChromatic);
    control("Longvib").setFocus(Qt::OtherFocusReason);

    // Record which of the window's controls has the focus after each Tab;
    // an editable list's inner field counts as the list.
    QStringList visited;
    for (int step = 0; step < order.size(); ++step) {
        QWidget* focused = QApplication::focusWidget();
        while (focused && focused->parentWidget() != &base_->window())
            focused = focused->parentWidget();
        visited << (focused ? focused->objectName() : QStringLiteral("(none)"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited, order);
}

void BaseWindowTest::scaleChoice_data()
{
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("scale");
    QTest::addColumn<By>("by");
    QTest::addColumn<QStringList>("positions");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<int>>("visible");

    QTest::newRow("tempered chromatic, no mode, mouse")
        << "650" << QString() << TemperedChromatic << By::Mouse << TemperedChromatic650 << NoNames
        << AllBoxes;
    QTest::newRow("tempered chromatic, no mode, keys")
        << "650" << QString() << TemperedChromatic << By::Keys << TemperedChromatic650 << NoNames
        << AllBoxes;
    QTest::newRow("tempered diatonic, mode Do, keys")
        << "650" << ModeDo << TemperedDiatonic << By::Keys << TemperedDiatonicModeDo650
        << DiatonicNamesModeDo << DiatonicBoxes;
    QTest::newRow("tempered diatonic, no mode: mode Do's frets, no names")
        << "650" << QString() << TemperedDiatonic << By::Mouse << TemperedDiatonicModeDo650
        << NoNames << DiatonicBoxes;
    QTest::newRow("Pythagorean diatonic, mode Sol, mouse")
        << "650" << ModeSol << PythagoreanDiatonic << By::Mouse << PythagoreanDiatonicModeSol650
        << DiatonicNamesModeSol << DiatonicBoxes;
    // The keys pass through the first three scales on the way.
    QTest::newRow("natural chromatic, mode Sol, keys")
        << "650" << ModeSol << NaturalChromatic << By::Keys << NaturalChromatic650
        << ChromaticNamesModeSol << AllBoxes;
    // Under the period's regional settings the comma groups thousands:
    // it ends the number rather than be guessed at.
    QTest::newRow("length with a unit and a comma: read up to the comma")
        << "650,5 mm" << QString() << TemperedChromatic << By::Mouse << TemperedChromatic650
        << NoNames << AllBoxes;
}

void BaseWindowTest::scaleChoice()
{
    QFETCH(QString, length);
    QFETCH(QString, mode);
    QFETCH(QString, scale);
    QFETCH(By, by);
    QFETCH(QStringList, positions);
    QFETCH(QStringList, names);
    QFETCH(QList<int>, visible);

    base_->typeLength(length);
    // The list used for the mode is chosen the other way round, so both
    // lists are driven both ways across the rows.
    if (!mode.isEmpty()) {
        if (by == By::Mouse)
            base_->chooseWithKeys(base_->list("Combo2"), mode);
        else
            base_->chooseWithMouse(base_->list("Combo2"), mode);
    }
    QCOMPARE(base_->visibleResultBoxes(), NoBoxes);

    if (by == By::Mouse)
        base_->chooseWithMouse(base_->list("Combo1"), scale);
    else
        base_->chooseWithKeys(base_->list("Combo1"), scale);

    QCOMPARE(base_->list("Combo1").currentText(), scale);
    QCOMPARE(base_->positionTexts(1, 24), positions);
    QCOMPARE(base_->noteTexts(1, 24), names);
    QCOMPARE(base_->visibleResultBoxes(), visible);
}

void BaseWindowTest::diatonicAfterChromaticKeepsHiddenTexts()
{
    base_->typeLength("650");
    base_->chooseWithMouse(base_->list("Combo2"), ModeSol);
    base_->chooseWithMouse(base_->list("Combo1"), NaturalChromatic);
    base_->chooseWithMouse(base_->list("Combo1"), PythagoreanDiatonic);

    QCOMPARE(base_->visibleResultBoxes(), DiatonicBoxes);
    // The slots a diatonic scale leaves alone keep the chromatic result.
    QStringList expected = PythagoreanDiatonicModeSol650;
    QStringList expectedNames = DiatonicNamesModeSol;
    for (int slot : { 8, 16, 17, 18, 19, 20, 21, 22, 23, 24 }) {
        expected[slot - 1] = NaturalChromatic650[slot - 1];
        expectedNames[slot - 1] = ChromaticNamesModeSol[slot - 1];
    }
    QCOMPARE(base_->positionTexts(1, 24), expected);
    QCOMPARE(base_->noteTexts(1, 24), expectedNames);

    base_->chooseWithMouse(base_->list("Combo1"), TemperedChromatic);
    QCOMPARE(base_->visibleResultBoxes(), AllBoxes);
    QCOMPARE(base_->positionTexts(1, 24), TemperedChromatic650);
    QCOMPARE(base_->noteTexts(1, 24), ChromaticNamesModeSol);
}

void BaseWindowTest::everyArrowKeyMoveIsAChoice()
{
    base_->typeLength("650");
    QComboBox& scales = base_->list("Combo1");
    QTest::mouseClick(&scales, Qt::LeftButton, {}, QPoint(8, scales.height() / 2));
    QWidget* field = QApplication::focusWidget();

    // Up from the prompt has nowhere to go.
    QTest::keyClick(field, Qt::Key_Up);
    QCOMPARE(scales.currentText(), QStringLiteral("Gamme :"));
    QCOMPARE(base_->visibleResultBoxes(), NoBoxes);

    QTest::keyClick(field, Qt::Key_Down);
    QCOMPARE(scales.currentText(), TemperedDiatonic);
    QCOMPARE(base_->visibleResultBoxes(), DiatonicBoxes);
    QCOMPARE(base_->positionTexts(1, 24), TemperedDiatonicModeDo650);

    QTest::keyClick(field, Qt::Key_Down);
    QCOMPARE(scales.currentText(), TemperedChromatic);
    QCOMPARE(base_->visibleResultBoxes(), AllBoxes);
    QCOMPARE(base_->positionTexts(1, 24), TemperedChromatic650);

    QTest::keyClick(field, Qt::Key_Up);
    QCOMPARE(scales.currentText(), TemperedDiatonic);
    QCOMPARE(base_->visibleResultBoxes(), DiatonicBoxes);

    // Typing leaves the selection where it was; the next move starts there.
    corvane::test::TypeText(*field, "xyz");
    QCOMPARE(base_->visibleResultBoxes(), DiatonicBoxes);
    QTest::keyClick(field, Qt::Key_Down);
    QCOMPARE(scales.currentText(), TemperedChromatic);
    QCOMPARE(base_->visibleResultBoxes(), AllBoxes);
}

void BaseWindowTest::pickingTheSameItemAgainRecomputes()
{
    base_->typeLength("1300");
    base_->chooseWithMouse(base_->list("Combo1"), TemperedChromatic);
    QCOMPARE(base_->box("Text12").text(), QStringLiteral("650"));

    // A new length shows only at the next choice, even of the same item.
    base_->typeLength("650");
    QCOMPARE(base_->box("Text12").text(), QStringLiteral("650"));
    base_->chooseWithMouse(base_->list("Combo1"), TemperedChromatic);
    QCOMPARE(base_->positionTexts(1, 24), TemperedChromatic650);

    base_->typeLength("1300");
    base_->chooseWithKeys(base_->list("Combo1"), TemperedDiatonic);
    QCOMPARE(base_->box("Text7").text(), QStringLiteral("650"));
}

void BaseWindowTest::typingInAListChoosesNothing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Qt::Key>("finish");
    QTest::addColumn<bool>("chooseFirst");

    QTest::newRow("an item, Enter") << TemperedChromatic << Qt::Key_Return << false;
    QTest::newRow("an item, Tab") << TemperedChromatic << Qt::Key_Tab << false;
    QTest::newRow("a beginning, Enter") << "T" << Qt::Key_Return << false;
    QTest::newRow("another item after a choice, Tab") << TemperedChromatic << Qt::Key_Tab << true;
    QTest::newRow("another item after a choice, Enter")
        << TemperedChromatic << Qt::Key_Enter << true;
}

void BaseWindowTest::typingInAListChoosesNothing()
{
    QFETCH(QString, typed);
    QFETCH(Qt::Key, finish);
    QFETCH(bool, chooseFirst);

    base_->typeLength("650");
    QComboBox& scales = base_->list("Combo1");
    if (chooseFirst)
        base_->chooseWithMouse(scales, TemperedDiatonic);
    const QList<int> visibleBefore = base_->visibleResultBoxes();
    const QStringList positionsBefore = base_->positionTexts(1, 24);

    QTest::mouseClick(&scales, Qt::LeftButton, {}, QPoint(8, scales.height() / 2));
    QTest::keySequence(QApplication::focusWidget(), QKeySequence::SelectAll);
    corvane::test::TypeText(typed);
    QTest::keyClick(QApplication::focusWidget(), finish);

    QCOMPARE(scales.currentText(), typed); // no completion either
    QCOMPARE(scales.count(), 6); // nor an item added
    QCOMPARE(base_->visibleResultBoxes(), visibleBefore);
    QCOMPARE(base_->positionTexts(1, 24), positionsBefore);
}

void BaseWindowTest::typedModeIsNoChoice_data()
{
    QTest::addColumn<Qt::Key>("finish");

    QTest::newRow("Enter") << Qt::Key_Return;
    QTest::newRow("Tab") << Qt::Key_Tab;
}

void BaseWindowTest::typedModeIsNoChoice()
{
    QFETCH(Qt::Key, finish);

    base_->typeLength("650");
    QComboBox& modes = base_->list("Combo2");
    QTest::mouseClick(&modes, Qt::LeftButton, {}, QPoint(6, modes.height() / 2));
    QTest::keySequence(QApplication::focusWidget(), QKeySequence::SelectAll);
    corvane::test::TypeText(ModeDo);
    QTest::keyClick(QApplication::focusWidget(), finish);
    QCOMPARE(modes.currentText(), ModeDo);

    // No mode was chosen, so the scale comes without names.
    base_->chooseWithMouse(base_->list("Combo1"), TemperedDiatonic);
    QCOMPARE(base_->noteTexts(1, 24), NoNames);

    // Choosing it in the list does choose it.
    base_->chooseWithMouse(modes, ModeDo);
    base_->chooseWithMouse(base_->list("Combo1"), TemperedDiatonic);
    QCOMPARE(base_->noteTexts(1, 24), DiatonicNamesModeDo);
}

void BaseWindowTest::modeChangeShowsAtNextScaleChoice()
{
    base_->typeLength("650");
    base_->chooseWithKeys(base_->list("Combo2"), ModeSol);
    base_->chooseWithMouse(base_->list("Combo1"), PythagoreanDiatonic);
    QCOMPARE(base_->noteTexts(1, 24), DiatonicNamesModeSol);

    base_->chooseWithKeys(base_->list("Combo2"), ModeDo);
    QCOMPARE(base_->positionTexts(1, 24), PythagoreanDiatonicModeSol650);
    QCOMPARE(base_->noteTexts(1, 24), DiatonicNamesModeSol);

    base_->chooseWithMouse(base_->list("Combo1"), TemperedDiatonic);
    QCOMPARE(base_->positionTexts(1, 24), TemperedDiatonicModeDo650);
    QCOMPARE(base_->noteTexts(1, 24), DiatonicNamesModeDo);
}

void BaseWindowTest::resetButton()
{
    base_->typeLength("650");
    base_->chooseWithMouse(base_->list("Combo2"), ModeSol);
    base_->chooseWithMouse(base_->list("Combo1"), NaturalChromatic);

    base_->click(base_->button("Command1"));
    QCOMPARE(base_->box("Longvib").text(), QString());
    QCOMPARE(base_->visibleResultBoxes(), NoBoxes);
    // Hidden, not cleared; the lists keep their texts.
    QCOMPARE(base_->positionTexts(1, 24), NaturalChromatic650);
    QCOMPARE(base_->noteTexts(1, 24), ChromaticNamesModeSol);
    QCOMPARE(base_->list("Combo1").currentText(), NaturalChromatic);
    QCOMPARE(base_->list("Combo2").currentText(), ModeSol);

    // The emptied box is a length of 0; the mode is kept.
    base_->chooseWithMouse(base_->list("Combo1"), TemperedChromatic);
    QCOMPARE(base_->positionTexts(1, 24), QStringList(24, QStringLiteral("0")));
    QCOMPARE(base_->noteTexts(1, 24), ChromaticNamesModeSol);
    QCOMPARE(base_->visibleResultBoxes(), AllBoxes);
}

void BaseWindowTest::resetButtonOnFreshWindow()
{
    base_->typeLength("650");
    base_->click(base_->button("Command1"));
    QCOMPARE(base_->box("Longvib").text(), QString());
    QCOMPARE(base_->list("Combo1").currentText(), QStringLiteral("Gamme :"));
    QCOMPARE(base_->list("Combo2").currentText(), QStringLiteral("Mode :"));
    QCOMPARE(base_->visibleResultBoxes(), NoBoxes);
    QCOMPARE(base_->positionTexts(1, 24), NoNames);
}

void BaseWindowTest::resultBoxesAcceptTyping()
{
    base_->typeLength("650");
    base_->chooseWithMouse(base_->list("Combo1"), TemperedDiatonic);
    base_->typeInto(base_->box("Text1"), " mm");
    base_->typeInto(base_->box("Text25"), "x");
    QCOMPARE(base_->box("Text1").text(), QStringLiteral("70.9158 mm"));
    QCOMPARE(base_->box("Text25").text(), QStringLiteral("x"));

    // Until the next choice writes them again.
    base_->chooseWithMouse(base_->list("Combo1"), TemperedDiatonic);
    QCOMPARE(base_->box("Text1").text(), QStringLiteral("70.9158"));
    QCOMPARE(base_->box("Text25").text(), QStringLiteral("x")); // no mode: no names written
}

void BaseWindowTest::sheetSourceReadsCurrentTexts()
{
    base_->typeLength("650");
    base_->chooseWithMouse(base_->list("Combo1"), TemperedChromatic);
    base_->chooseWithMouse(base_->list("Combo1"), TemperedDiatonic);
    base_->typeLength("651");

    const corvane::ui::SheetSource& source = base_->window();
    // The length beside the positions is the one they were computed from.
    QCOMPARE(source.sourceText("Longvib"), QStringLiteral("650"));
    QCOMPARE(source.sourceText("Combo1"), TemperedDiatonic);
    QCOMPARE(source.sourceText("Text1"), QStringLiteral("70.9158"));
    // A hidden box still gives what it holds.
    QCOMPARE(source.sourceText("Text24"), QStringLiteral("487.5"));
    QCOMPARE(source.sourceText("Text48"), QString());
}

void BaseWindowTest::printButtonBeforeAnyScaleDoesNothing()
{
    int printed = 0;
    base_->window().setSheetPrinting(std::make_unique<RecordingPrinting>(printed));
    base_->click(base_->button("Command4"));
    base_->typeLength("650");
    base_->chooseWithMouse(base_->list("Combo2"), ModeDo);
    base_->click(base_->button("Command4"));
    QTest::qWait(100);

    QCOMPARE(printed, 0);
    QVERIFY(closer_->seen().isEmpty());
}

void BaseWindowTest::printButtonOpensTheLastScalesSheet_data()
{
    QTest::addColumn<QStringList>("scales");
    QTest::addColumn<bool>("reset");
    QTest::addColumn<QString>("sheet");

    QTest::newRow("chromatic") << QStringList { TemperedChromatic } << false << "Capture";
    QTest::newRow("diatonic") << QStringList { PythagoreanDiatonic } << false << "Capture1";
    QTest::newRow("chromatic, then diatonic")
        << QStringList { NaturalChromatic, TemperedDiatonic } << false << "Capture1";
    QTest::newRow("diatonic, then chromatic")
        << QStringList { NaturalDiatonic, PythagoreanChromatic } << false << "Capture";
    QTest::newRow("chromatic, then reset")
        << QStringList { TemperedChromatic } << true << "Capture";
}

void BaseWindowTest::printButtonOpensTheLastScalesSheet()
{
    QFETCH(QStringList, scales);
    QFETCH(bool, reset);
    QFETCH(QString, sheet);

    int printed = 0;
    base_->window().setSheetPrinting(std::make_unique<RecordingPrinting>(printed));
    base_->typeLength("650");
    base_->chooseWithMouse(base_->list("Combo2"), ModeDo);
    for (const QString& scale : scales)
        base_->chooseWithMouse(base_->list("Combo1"), scale);
    if (reset)
        base_->click(base_->button("Command1"));

    // Each click opens the sheet afresh, offers it for printing, and
    // returns to the main window when it is closed.
    for (int click = 1; click <= 2; ++click) {
        base_->click(base_->button("Command4"));
        QCOMPARE(printed, click);
        QCOMPARE(closer_->seen().size(), 1);
        QCOMPARE(closer_->seen().first().name, sheet);
        closer_->clear();
        base_->returnToWindow();
    }
}

void BaseWindowTest::aboutButtonOpensTheAboutWindow()
{
    for (int click = 1; click <= 2; ++click) {
        base_->click(base_->button("Command2"));
        QCOMPARE(closer_->seen().size(), 1);
        QCOMPARE(closer_->seen().first().name, QStringLiteral("info"));
        closer_->clear();
        base_->returnToWindow();
    }
    // Nothing else changed.
    QCOMPARE(base_->visibleResultBoxes(), NoBoxes);
    QCOMPARE(base_->list("Combo1").currentText(), QStringLiteral("Gamme :"));
}

void BaseWindowTest::overflowIsReportedAtSixteenthDigit()
{
    QLineEdit& length = base_->box("Longvib");
    QTest::mouseClick(&length, Qt::LeftButton);
    const QString digits = QStringLiteral("1000000000000000");
    for (int typed = 1; typed <= digits.size(); ++typed) {
        corvane::test::TypeText(digits.mid(typed - 1, 1));
        QCOMPARE(closer_->seen().size(), typed < 16 ? 0 : 1);
    }

    const ModalCloser::Seen report = closer_->seen().first();
    QCOMPARE(report.className, QStringLiteral("QMessageBox"));
    QCOMPARE(report.title, QStringLiteral("Corvane"));
    QCOMPARE(report.text, OverflowReport);
    QCOMPARE(report.icon, int(QMessageBox::Critical));
    closer_->clear();

    // The program goes on: the box keeps all the digits and takes more edits.
    QVERIFY(base_->window().isVisible());
    base_->returnToWindow();
    QCOMPARE(QApplication::focusWidget(), &length);
    QCOMPARE(length.text(), digits);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    QCOMPARE(length.text(), digits.left(15));
    QVERIFY(closer_->seen().isEmpty());

    // The octave and the double octave of a natural scale: a half and
    // three quarters of the length.
    base_->chooseWithMouse(base_->list("Combo1"), NaturalChromatic);
    QVERIFY(closer_->seen().isEmpty());
    QCOMPARE(base_->box("Text12").text(), QStringLiteral("50000000000000"));
    QCOMPARE(base_->box("Text24").text(), QStringLiteral("75000000000000"));
}

void BaseWindowTest::overflowedLengthIsNotUsed()
{
    base_->typeLength("650");
    base_->chooseWithMouse(base_->list("Combo1"), TemperedChromatic);

    base_->typeLength("1000000000000000");
    QCOMPARE(closer_->seen().size(), 1);
    closer_->clear();
    base_->returnToWindow();

    // Every choice of a scale reports the length again and shows nothing
    // that was not computed from the length on display.
    base_->chooseWithMouse(base_->list("Combo1"), TemperedDiatonic);
    QCOMPARE(closer_->seen().size(), 1);
    QCOMPARE(closer_->seen().first().text, OverflowReport);
    closer_->clear();
    base_->returnToWindow();
    QCOMPARE(base_->positionTexts(1, 24), TemperedChromatic650);
    QCOMPARE(base_->visibleResultBoxes(), AllBoxes);

    // The window is still usable: a valid length computes again.
    base_->typeLength("650");
    QVERIFY(closer_->seen().isEmpty());
    base_->chooseWithMouse(base_->list("Combo1"), TemperedDiatonic);
    QVERIFY(closer_->seen().isEmpty());
    QCOMPARE(base_->positionTexts(1, 7), TemperedDiatonicModeDo650.mid(0, 7));
    QCOMPARE(base_->visibleResultBoxes(), DiatonicBoxes);
}

void BaseWindowTest::resetMendsOverflowedLength()
{
    base_->typeLength("1000000000000000");
    QCOMPARE(closer_->seen().size(), 1);
    closer_->clear();
    base_->returnToWindow();

    base_->click(base_->button("Command1"));
    QCOMPARE(base_->box("Longvib").text(), QString());
    base_->chooseWithMouse(base_->list("Combo1"), TemperedDiatonic);
    QVERIFY(closer_->seen().isEmpty());
    QCOMPARE(base_->box("Text1").text(), QStringLiteral("0"));
}

// A position longer than its box shows from its first digit: the end cut
// off is read as less precision, the start cut off as another number.
void BaseWindowTest::longPositionShowsItsFirstDigit()
{
    base_->typeLength("123456789.1234");
    base_->chooseWithMouse(base_->list("Combo1"), PythagoreanChromatic);
    QLineEdit& box = base_->box("Text12");
    QCOMPARE(box.text(), QStringLiteral("61728394.5617"));
    QVERIFY(box.fontMetrics().horizontalAdvance(box.text()) > box.width());
    QCOMPARE(box.cursorPosition(), 0);
    // The box is scrolled so that its cursor shows: at the left edge.
    QVERIFY(box.inputMethodQuery(Qt::ImCursorRectangle).toRect().left() < box.width() / 4);
}

void BaseWindowTest::wheelChangesOnlyAFocusedList_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<bool>("focused");
    QTest::newRow("scale list, focus elsewhere") << "Combo1" << false;
    QTest::newRow("mode list, focus elsewhere") << "Combo2" << false;
    QTest::newRow("scale list with the focus") << "Combo1" << true;
}

// Rolled over a closed list without the focus, the wheel chooses nothing
// and computes nothing; with the focus it moves the choice, as keys do.
void BaseWindowTest::wheelChangesOnlyAFocusedList()
{
    QFETCH(QString, list);
    QFETCH(bool, focused);
    base_->typeLength("650");
    base_->chooseWithMouse(base_->list("Combo1"), TemperedDiatonic);
    base_->chooseWithMouse(base_->list("Combo2"), ModeSol); // the wheel moves it to " Do"
    base_->box("Longvib").setFocus();
    QComboBox& combo = base_->list(list);
    if (focused)
        combo.setFocus();
    const QString before = combo.currentText();
    const QString slot1 = base_->box("Text1").text();

    // To the list itself: what its text field ignores reaches it there.
    const QPoint at(combo.width() / 2, combo.height() / 2);
    QWheelEvent wheel(QPointF(at), QPointF(combo.mapToGlobal(at)), QPoint(), QPoint(0, -120),
        Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&combo, &wheel);

    QCOMPARE(combo.currentText() != before, focused);
    if (list == "Combo1")
        QCOMPARE(base_->box("Text1").text() != slot1, focused);
    QCOMPARE(combo.hasFocus(), focused);
}

void BaseWindowTest::startsWithoutADisplay_data()
{
    QTest::addColumn<QStringList>("unset");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("line");
    QTest::newRow("no display named")
        << QStringList { "DISPLAY", "WAYLAND_DISPLAY" } << QString()
        << "corvane : aucun affichage graphique disponible (DISPLAY)\n";
    QTest::newRow("a display that does not answer")
        << QStringList { "WAYLAND_DISPLAY" } << ":1999"
        << "corvane : aucun affichage graphique disponible (DISPLAY=:1999 ne répond pas)\n";
}

// One clear line and status 1, not Qt's abort (status 134 and a core file).
void BaseWindowTest::startsWithoutADisplay()
{
    QFETCH(QStringList, unset);
    QFETCH(QString, display);
    QFETCH(QString, line);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("QT_QPA_PLATFORM");
    for (const QString& name : unset)
        environment.remove(name);
    if (!display.isEmpty())
        environment.insert("DISPLAY", display);
    QProcess corvane;
    corvane.setProcessEnvironment(environment);
    corvane.start(CORVANE_PROGRAM, QStringList {});
    QVERIFY(corvane.waitForFinished(20000));
    QCOMPARE(corvane.exitStatus(), QProcess::NormalExit);
    QCOMPARE(corvane.exitCode(), 1);
    QCOMPARE(QString::fromUtf8(corvane.readAllStandardError()), line);
    QCOMPARE(corvane.readAllStandardOutput(), QByteArray());
}

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    corvane::ui::InstallFontSubstitutions();
    // Every mouse choice waits out the popup's double-click guard; keep it short.
    QApplication::setDoubleClickInterval(150);
    BaseWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "base_window_test.moc"
