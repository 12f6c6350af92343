// A keystroke in the Atelier's length field, on the real window (offscreen
// platform): the time from the key press to the drawing and the workshop
// table both repainted with the new design, for a 24-fret, 6-string fanned
// board. Keys alternate between typing a digit and erasing it, so every
// keystroke changes the bass length and the whole board is recomputed.
// Also the time until the key's handling has returned (form read, layout
// computed, drawing built, table model reset), before any paint. With
// --strings, the board carries the 10-46 set with its compensation computed
// string by string and its fretlets.
//
//   atelier_keystroke_bench [KEYSTROKES] [--strings]

#include "atelier_window.h"
#include "board_view.h"
#include "design_form.h"
#include "strings_panel.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QScrollArea>
#include <QTableView>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

struct Spread {
    double median, p95, max;
};

Spread SpreadOf(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return { values[values.size() / 2], values[values.size() * 95 / 100], values.back() };
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const int keystrokes = argc > 1 ? std::max(10, std::atoi(argv[1])) : 1000;
    const bool strings = argc > 2 && std::string_view(argv[2]) == "--strings";

    corvane::atelier::AtelierWindow window;
    window.resize(1280, 800);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;

    corvane::atelier::DesignForm& form = *window.form();
    form.fannedField()->setChecked(true);
    QLineEdit& bass = *form.lengthField();
    QLineEdit& treble = *form.trebleLengthField();
    bass.setFocus();
    bass.selectAll();
    QTest::keyClicks(&bass, QStringLiteral("686"));
    treble.setFocus();
    treble.selectAll();
    QTest::keyClicks(&treble, QStringLiteral("648"));
    if (strings) {
        corvane::atelier::StringsPanel& panel = *window.stringsPanel();
        panel.setField()->setCurrentIndex(panel.setField()->findData("light-electric-10-46"));
        emit panel.setField()->activated(panel.setField()->currentIndex());
        const int computed = panel.compensationField()->findData(
            static_cast<int>(corvane::board::CompensationMode::Computed));
        panel.compensationField()->setCurrentIndex(computed);
        emit panel.compensationField()->activated(computed);
        panel.fretletsField()->setChecked(true);
    }
    bass.setFocus();
    bass.end(false);
    QApplication::processEvents();
    const auto& layout = window.layout();
    if (!layout.design.IsFanned() || layout.design.frets != 24 || layout.design.strings != 6
        || (strings && layout.rows.front().fretletFromNutMm == std::nullopt)) {
        std::fprintf(stderr, "the board is not a 24-fret 6-string fanned board\n");
        return 1;
    }

    QWidget* canvas = window.boardView()->widget();
    QWidget* table = window.tableView()->viewport();
    std::vector<double> handled, drawn, painted;
    QElapsedTimer clock;
    for (int i = 0; i < keystrokes; ++i) {
        const bool erase = i % 2 == 1;
        clock.start();
        QTest::keyClick(&bass, erase ? Qt::Key_Backspace : Qt::Key_1);
        const qint64 afterHandling = clock.nsecsElapsed();
        canvas->repaint();
        const qint64 afterDrawing = clock.nsecsElapsed();
        table->repaint();
        const qint64 afterPaint = clock.nsecsElapsed();
        handled.push_back(static_cast<double>(afterHandling) / 1e3);
        drawn.push_back(static_cast<double>(afterDrawing - afterHandling) / 1e3);
        painted.push_back(static_cast<double>(afterPaint) / 1e3);
    }
    if (window.layout().design.bassLengthMm != 686.0) {
        std::fprintf(stderr, "the keystrokes did not reach the design\n");
        return 1;
    }

    const Spread handling = SpreadOf(handled);
    const Spread drawing = SpreadOf(drawn);
    const Spread total = SpreadOf(painted);
    std::printf("%d keystrokes in the length field, 24 frets, 6 strings, fanned%s (microseconds)\n",
        keystrokes, strings ? ", compensation computed, fretlets" : "");
    std::printf("%-44s %10s %10s %10s\n", "", "median", "p95", "max");
    std::printf("%-44s %10.1f %10.1f %10.1f\n", "to the key handled (design, layout, drawing)",
        handling.median, handling.p95, handling.max);
    std::printf("%-44s %10.1f %10.1f %10.1f\n", "of which the drawing's repaint", drawing.median,
        drawing.p95, drawing.max);
    std::printf("%-44s %10.1f %10.1f %10.1f\n", "to the drawing and table repainted", total.median,
        total.p95, total.max);
    return 0;
}
