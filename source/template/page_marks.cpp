#include "page_marks.h"

#include <string>

namespace corvane::drawing {

namespace {

constexpr double RulerLineWidthMm = 0.15;
constexpr double RulerLabelHeightMm = 1.8;
constexpr double InstructionHeightMm = 2.0;
constexpr double LongestTickMm = 4.5;

void AddTick(Drawing& page, double x, double baselineY, double lengthMm)
{
    page.lines.push_back(Line { Point { x, baselineY }, Point { x, baselineY + lengthMm },
        Layer::Ruler, RulerLineWidthMm, false });
}

void AddRulerText(Drawing& page, Point at, std::string text, Anchor anchor)
{
    page.texts.push_back(
        Text { at, std::move(text), RulerLabelHeightMm, Layer::Ruler, anchor, 0, {} });
}

// 0 to 100 mm, a tick per millimetre, longer every 5 and 10, numbered every 10.
void AddMillimetreRuler(Drawing& page, double left, double baselineY)
{
    page.lines.push_back(Line { Point { left, baselineY }, Point { left + 100.0, baselineY },
        Layer::Ruler, RulerLineWidthMm, false });
    for (int mm = 0; mm <= 100; ++mm) {
        const double x = left + mm;
        const double length = mm % 10 == 0 ? LongestTickMm : mm % 5 == 0 ? 3.0 : 2.0;
        AddTick(page, x, baselineY, length);
        if (mm % 10 == 0)
            AddRulerText(page, Point { x, baselineY + LongestTickMm + 2.6 }, std::to_string(mm),
                Anchor::Centre);
    }
    AddRulerText(page, Point { left + 104.0, baselineY + 3.0 }, "mm", Anchor::Left);
}

// 0 to 4 in, a tick every 1/16 in, longer at 1/8, 1/4, 1/2 and the inch.
void AddInchRuler(Drawing& page, double left, double baselineY)
{
    constexpr double MmPerSixteenth = 25.4 / 16.0;
    page.lines.push_back(Line { Point { left, baselineY }, Point { left + 4 * 25.4, baselineY },
        Layer::Ruler, RulerLineWidthMm, false });
    for (int sixteenth = 0; sixteenth <= 64; ++sixteenth) {
        const double x = left + sixteenth * MmPerSixteenth;
        const double length = sixteenth % 16 == 0 ? LongestTickMm
            : sixteenth % 8 == 0                  ? 3.5
            : sixteenth % 4 == 0                  ? 2.5
            : sixteenth % 2 == 0                  ? 2.0
                                                  : 1.5;
        AddTick(page, x, baselineY, length);
        if (sixteenth % 16 == 0)
            AddRulerText(page, Point { x, baselineY + LongestTickMm + 2.6 },
                std::to_string(sixteenth / 16), Anchor::Centre);
    }
    AddRulerText(page, Point { left + 104.0, baselineY + 3.0 }, "in", Anchor::Left);
}

} // namespace

void AddCalibrationRuler(Drawing& page, Point topLeft, const std::string& printAtTrueSize)
{
    page.texts.push_back(Text { Point { topLeft.x, topLeft.y + 3.0 }, printAtTrueSize,
        InstructionHeightMm, Layer::Ruler, Anchor::Left, 0, {} });
    // The zero ticks sit a little in, so that the centred "0" stays in the block.
    const double rulerLeft = topLeft.x + 2.0;
    AddMillimetreRuler(page, rulerLeft, topLeft.y + 6.0);
    AddInchRuler(page, rulerLeft, topLeft.y + 17.0);
}

void AddRegistrationCross(Drawing& page, Point centre)
{
    constexpr double HalfStrokeMm = 4.0;
    constexpr double WidthMm = 0.2;
    page.lines.push_back(Line { Point { centre.x - HalfStrokeMm, centre.y },
        Point { centre.x + HalfStrokeMm, centre.y }, Layer::Registration, WidthMm, false });
    page.lines.push_back(Line { Point { centre.x, centre.y - HalfStrokeMm },
        Point { centre.x, centre.y + HalfStrokeMm }, Layer::Registration, WidthMm, false });
}

void AddPageLabel(Drawing& page, Point baselineRight, const std::string& label)
{
    page.texts.push_back(
        Text { baselineRight, label, 3.0, Layer::Registration, Anchor::Right, 0, {} });
}

} // namespace corvane::drawing
