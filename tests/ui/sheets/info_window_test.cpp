// The about window opened through OpenInfo, as the "?" button opens it.

#include "look.h"
#include "sheet_test_support.h"
#include "sheets.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QTest>

using namespace corvane;
using corvane::test::ModalWatcher;

namespace {

QStringList OpenInfo(const std::function<void(QWidget&)>& inspect = {})
{
    ModalWatcher watcher(inspect);
    ui::OpenInfo();
    return watcher.seen();
}

QImage Picture(const char* path)
{
    return QImage(QString::fromLatin1(path));
}

QRect Pixels(const QRect& twips)
{
    return { twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15 };
}

} // namespace

class InfoWindowTest : public QObject {
    Q_OBJECT

private slots:
    void opensOnceAndCloses()
    {
        QPointer<QWidget> opened;
        QCOMPARE(OpenInfo([&](QWidget& info) { opened = &info; }), QStringList { "info" });
        QVERIFY2(opened.isNull(), "a closed about window is discarded");
    }

    void window()
    {
        OpenInfo([](QWidget& info) {
            QCOMPARE(info.windowTitle(), QStringLiteral("A propos ..."));
            QCOMPARE(info.size(), QSize(140, 66));
            QCOMPARE(info.minimumSize(), info.maximumSize());
            const Qt::WindowFlags flags = info.windowFlags();
            QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
            QVERIFY(flags & Qt::WindowCloseButtonHint);
            QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
            QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
            QCOMPARE(info.windowModality(), Qt::ApplicationModal);
            const QList<QSize> iconSizes = info.windowIcon().availableSizes();
            QVERIFY2(iconSizes.contains(QSize(16, 16)) && iconSizes.contains(QSize(32, 32)),
                "the program's icon, 16 and 32 pixels");
        });
    }

    void labels_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("points");
        QTest::newRow("Label1") << "Label1" << QRect(120, 0, 2055, 255) << "Corvane version 2.3"
                                << 9.75;
        QTest::newRow("Label2") << "Label2" << QRect(120, 240, 2055, 255) << "Par l'équipe Corvane"
                                << 9.75;
        QTest::newRow("Label3") << "Label3" << QRect(120, 480, 1335, 255) << "Logiciel Libre"
                                << 8.25;
        QTest::newRow("Label4") << "Label4" << QRect(840, 720, 495, 375) << "2004" << 8.25;
    }

    void labels()
    {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        QFETCH(QString, text);
        QFETCH(double, points);
        OpenInfo([&](QWidget& info) {
            auto* label = info.findChild<QLabel*>(name, Qt::FindDirectChildrenOnly);
            QVERIFY(label != nullptr);
            QCOMPARE(label->geometry(), Pixels(twips));
            QCOMPARE(label->text(), text);
            QCOMPARE(label->font().family(), QString(ui::SansSerifFace));
            QCOMPARE(label->font().pointSizeF(), points);
            QVERIFY(label->font().bold());
            QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        });
    }

    // Light letters straight on the picture: inside each label, most pixels
    // are the background picture's own and some are the tooltip colour.
    void labelsAreTransparent_data() { labels_data(); }

    void labelsAreTransparent()
    {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        const QImage background = Picture(":/info-background.jpg");
        QImage shown;
        OpenInfo([&](QWidget& info) { shown = info.grab().toImage(); });
        const QRect visible = Pixels(twips) & shown.rect();
        const QColor letters = ui::RoleColour(ui::ColourRole::TooltipBackground);
        int pictureShows = 0;
        int letterPixels = 0;
        for (int y = visible.top(); y <= visible.bottom(); ++y) {
            for (int x = visible.left(); x <= visible.right(); ++x) {
                const QColor pixel = shown.pixelColor(x, y);
                pictureShows += pixel == background.pixelColor(x, y);
                letterPixels += pixel == letters;
            }
        }
        const int area = visible.width() * visible.height();
        QVERIFY2(
            pictureShows * 2 > area, qPrintable(QString("%1 of %2").arg(pictureShows).arg(area)));
        QVERIFY(letterPixels > 0);
    }

    // At its natural size from the top-left corner: where no control stands,
    // each pixel is the picture's pixel at the same place.
    void backgroundAtNaturalSize()
    {
        const QImage background = Picture(":/info-background.jpg");
        QCOMPARE(background.size(), QSize(200, 272));
        QImage shown;
        OpenInfo([&](QWidget& info) { shown = info.grab().toImage(); });
        for (const QPoint at : { QPoint(0, 0), QPoint(3, 30), QPoint(50, 60), QPoint(100, 52),
                 QPoint(139, 65), QPoint(7, 65) })
            QCOMPARE(shown.pixelColor(at), background.pixelColor(at));
    }

    // The icon at the box's top-left corner inside its two-pixel sunken
    // border, not centred, not scaled; the box keeps its size.
    void picture1()
    {
        const QImage figure = Picture(":/info-figure.ico");
        QCOMPARE(figure.size(), QSize(32, 32));
        QImage shown;
        OpenInfo([&](QWidget& info) {
            auto* box = info.findChild<QLabel*>("Picture1", Qt::FindDirectChildrenOnly);
            QVERIFY(box != nullptr);
            QCOMPARE(box->geometry(), Pixels(QRect(1560, 480, 615, 495)));
            QCOMPARE(box->frameShape(), QFrame::WinPanel);
            QCOMPARE(box->frameShadow(), QFrame::Sunken);
            QCOMPARE(box->frameWidth(), 2);
            shown = info.grab().toImage();
        });
        QVERIFY(!shown.isNull());
        const QPoint inside = Pixels(QRect(1560, 480, 615, 495)).topLeft() + QPoint(2, 2);
        int compared = 0;
        for (int y = 0; y < 29; ++y) {
            for (int x = 0; inside.x() + x < shown.width() && x < 32; ++x) {
                const QColor pixel = figure.pixelColor(x, y);
                if (pixel.alpha() != 255)
                    continue;
                QCOMPARE(shown.pixelColor(inside + QPoint(x, y)), pixel);
                ++compared;
            }
        }
        QVERIFY(compared > 0);
    }

    // Only the close command ends it: keys and clicks do nothing.
    void ignoresKeysAndClicks()
    {
        bool stillOpen = false;
        OpenInfo([&](QWidget& info) {
            QVERIFY(QTest::qWaitForWindowActive(&info));
            QTest::keyClick(&info, Qt::Key_Escape);
            QTest::keyClick(&info, Qt::Key_Return);
            QTest::keyClick(&info, Qt::Key_Space);
            for (QWidget* child : info.findChildren<QWidget*>())
                QTest::mouseClick(child, Qt::LeftButton);
            stillOpen = info.isVisible();
        });
        QVERIFY(stillOpen);
    }

    void everyOpeningShowsTheSame()
    {
        QImage first;
        QImage second;
        OpenInfo([&](QWidget& info) { first = info.grab().toImage(); });
        OpenInfo([&](QWidget& info) { second = info.grab().toImage(); });
        QVERIFY(!first.isNull());
        QCOMPARE(second, first);
    }

    // The pictures are read once: a new icon at every opening would leave
    // its renderings in Qt's cache under new keys, opening after opening.
    void picturesAreMadeOnce()
    {
        QList<qint64> keys[2];
        for (QList<qint64>& opening : keys)
            OpenInfo([&](QWidget& info) {
                opening << info.windowIcon().cacheKey()
                        << info.findChild<QLabel*>("Picture1")->pixmap().cacheKey();
            });
        QCOMPARE(keys[0].size(), 2);
        QCOMPARE(keys[1], keys[0]);
    }
};

int main(int argc, char* argv[])
{
    InfoWindowTest tests;
    return test::RunWindowTests(tests, argc, argv);
}

#include "info_window_test.moc"
