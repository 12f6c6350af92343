// Positions follow the user's regional settings: ctest runs this with
// LC_ALL=fr_FR.UTF-8, where the decimal separator is a comma. The length
// box then takes the comma as well as the period.

#include "base_driver.h"
#include "look.h"

#include <QApplication>
#include <QTest>

#include <memory>

class RegionalSeparatorTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        closer_ = std::make_unique<corvane::test::ModalCloser>();
        base_ = std::make_unique<corvane::test::BaseDriver>();
    }

    void cleanup()
    {
        base_.reset();
        QVERIFY(closer_->seen().isEmpty());
        closer_.reset();
    }

    void positionsUseTheRegionalComma_data()
    {
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("scale");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("shown");

        QTest::newRow("four decimals") << "650"
                                       << "Tempérée Chromatique"
                                       << "Text7"
                                       << "216,177";
        QTest::newRow("a fifth decimal") << "650"
                                         << "Naturelle   Chromatique"
                                         << "Text6"
                                         << "189,57725";
        QTest::newRow("whole number") << "650"
                                      << "Tempérée Chromatique"
                                      << "Text12"
                                      << "325";
        QTest::newRow("length typed with a period") << "633.5"
                                                    << "Naturelle   Diatonique"
                                                    << "Text2"
                                                    << "126,7";
        // 650.5 - 650.5 / 2^(7/12), not 650's 216,177.
        QTest::newRow("length typed with a comma") << "650,5"
                                                   << "Tempérée Chromatique"
                                                   << "Text7"
                                                   << "216,3433";
        QTest::newRow("a second separator ends the number") << "650,5.9"
                                                            << "Tempérée Chromatique"
                                                            << "Text12"
                                                            << "325,25";
        QTest::newRow("a position copied back from a box") << "216,3433"
                                                           << "Tempérée Chromatique"
                                                           << "Text12"
                                                           << "108,1716";
    }

    void positionsUseTheRegionalComma()
    {
        QFETCH(QString, length);
        QFETCH(QString, scale);
        QFETCH(QString, box);
        QFETCH(QString, shown);

        base_->typeLength(length);
        base_->chooseWithMouse(base_->list("Combo1"), scale);
        QCOMPARE(base_->box(box).text(), shown);
    }

private:
    std::unique_ptr<corvane::test::ModalCloser> closer_;
    std::unique_ptr<corvane::test::BaseDriver> base_;
};

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    corvane::ui::InstallFontSubstitutions();
    // Every mouse choice waits out the popup's double-click guard; keep it short.
    QApplication::setDoubleClickInterval(150);
    RegionalSeparatorTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "regional_separator_test.moc"
