// A scale choice in the real main window (offscreen platform): the time
// from the key that chooses an item in the scale list to the last result
// box written (a text set, or a box shown or hidden), over 1000 choices
// that walk the list up and down, so that every choice changes scale kind
// or tuning. Also the time until the handler has returned and until the
// window has been repainted, for reference.
//
//   window_choice_bench [CHOICES]

#include "base_window.h"
#include "look.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Notes the time of the last change to any result box and of the last
// paint of the window.
class ChangeClock : public QObject {
public:
    explicit ChangeClock(const QElapsedTimer& clock)
        : clock_(clock)
    {
    }

    qint64 lastChange = 0;
    qint64 lastPaint = 0;
    int paints = 0;

    void changed() { lastChange = clock_.nsecsElapsed(); }

    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Hide:
            changed();
            break;
        case QEvent::Paint:
            lastPaint = clock_.nsecsElapsed();
            ++paints;
            break;
        default:
            break;
        }
        return false;
    }

private:
    const QElapsedTimer& clock_;
};

struct Spread {
    double median, mean, p95, max;
};

Spread SpreadOf(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    double sum = 0;
    for (double value : values)
        sum += value;
    return Spread { values[values.size() / 2], sum / static_cast<double>(values.size()),
        values[values.size() * 95 / 100], values.back() };
}

void Print(const char* what, const Spread& spread)
{
    std::printf("%-36s %9.1f %9.1f %9.1f %9.1f\n", what, spread.median, spread.mean, spread.p95,
        spread.max);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    corvane::ui::InstallFontSubstitutions();
    const int choices = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;

    corvane::ui::Base window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;

    auto* length = window.findChild<QLineEdit*>(QStringLiteral("Longvib"));
    auto* scales = window.findChild<QComboBox*>(QStringLiteral("Combo1"));
    auto* modes = window.findChild<QComboBox*>(QStringLiteral("Combo2"));
    QTest::keyClicks(length, QStringLiteral("650"));
    modes->setFocus();
    QTest::keyClick(modes, Qt::Key_Down);
    QTest::keyClick(modes, Qt::Key_Down); // " Do"

    QElapsedTimer clock;
    clock.start();
    ChangeClock changes(clock);
    window.installEventFilter(&changes);
    for (int number = 1; number <= 48; ++number) {
        auto* box = window.findChild<QLineEdit*>(QStringLiteral("Text%1").arg(number));
        box->installEventFilter(&changes);
        QObject::connect(box, &QLineEdit::textChanged, &changes, [&changes] { changes.changed(); });
    }
    int activations = 0;
    QObject::connect(scales, &QComboBox::activated, [&activations] { ++activations; });

    scales->setFocus();
    QTest::keyClick(scales, Qt::Key_Down); // the first item, unmeasured
    QCoreApplication::processEvents();

    std::vector<double> toLastWrite, toReturn, toPaint;
    for (int choice = 0; choice < choices; ++choice) {
        // Down through the list to its end, then up to its start.
        const bool down = (choice / 5) % 2 == 0;
        const int before = activations;
        const qint64 start = clock.nsecsElapsed();
        QTest::keyClick(scales, down ? Qt::Key_Down : Qt::Key_Up);
        const qint64 returned = clock.nsecsElapsed();
        if (activations != before + 1) {
            std::fprintf(stderr, "choice %d chose nothing\n", choice);
            return 1;
        }
        const int paintsBefore = changes.paints;
        while (changes.paints == paintsBefore && clock.nsecsElapsed() - returned < 1'000'000'000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        toLastWrite.push_back(static_cast<double>(changes.lastChange - start) / 1000.0);
        toReturn.push_back(static_cast<double>(returned - start) / 1000.0);
        toPaint.push_back(static_cast<double>(changes.lastPaint - start) / 1000.0);
    }

    std::printf("%-36s %9s %9s %9s %9s\n", "scale choice in the window, us", "median", "mean",
        "p95", "max");
    Print("to the last box written", SpreadOf(toLastWrite));
    Print("to the handler's return", SpreadOf(toReturn));
    Print("to the window repainted", SpreadOf(toPaint));
    std::printf("%d choices (target: under 1000 us to the last box written)\n", choices);
    return 0;
}
