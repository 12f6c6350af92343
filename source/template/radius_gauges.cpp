#include "radius_gauges.h"

#include "figure_text.h"
#include "line_weights.h"
#include "maths.h"
#include "radius.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace corvane::drawing {

namespace {

constexpr double MarginMm = 10.0;
constexpr double GapMm = 15.0;
constexpr double TitleHeightMm = 4.0;
constexpr double LabelHeightMm = 3.0;
// The arc's polygon leaves the true circle by at most this.
constexpr double ArcToleranceMm = 0.001;

// The sections a luthier checks: the nut, the 12th fret, the last fret.
std::vector<board::FaceSection> GaugeSections(const board::BoardLayout& board)
{
    const std::vector<board::FaceSection> all = board::FaceSections(board);
    std::vector<board::FaceSection> chosen { all.front() };
    if (board.design.frets > 12)
        chosen.push_back(all[12]);
    chosen.push_back(all.back());
    return chosen;
}

// The gauge's outline with its left top corner at `left, top`: the concave
// arc from left to right, the right side, the straight back, the left side.
Outline GaugeOutline(double left, double top, double chordMm, double radiusMm)
{
    const double halfAngle = maths::Asin(std::min(1.0, chordMm / (2.0 * radiusMm)));
    const double step = 2.0 * maths::Acos(1.0 - ArcToleranceMm / radiusMm);
    const int segments = std::max(8, static_cast<int>(std::ceil(2.0 * halfAngle / step)));
    const double middle = left + chordMm / 2.0;
    // The arc's centre lies above the gauge, the arc dipping into it.
    const double centreY = top - radiusMm * maths::Cos(halfAngle);
    Outline outline;
    outline.layer = Layer::Edges;
    outline.widthMm = EdgeLineMm;
    for (int i = 0; i <= segments; ++i) {
        const double angle = -halfAngle + 2.0 * halfAngle * i / segments;
        outline.points.push_back(
            { middle + radiusMm * maths::Sin(angle), centreY + radiusMm * maths::Cos(angle) });
    }
    // Exactly on the corners, whatever the rounding of the sines.
    outline.points.front() = { left, top };
    outline.points.back() = { left + chordMm, top };
    const double back = centreY + radiusMm + GaugeBackMm;
    outline.points.push_back({ left + chordMm, back });
    outline.points.push_back({ left, back });
    return outline;
}

} // namespace

std::string RadiusGaugesTitle(const board::BoardLayout& board, const TemplateWords& words,
    const std::string& decimalSeparator)
{
    const std::vector<board::FaceSection> sections = board::FaceSections(board);
    const auto text = [&](double mm) {
        return board::LengthWithUnitText(mm, board.design.unit, decimalSeparator);
    };
    const double first = sections.front().radiusMm, last = sections.back().radiusMm;
    const std::string radii
        = first == last ? text(first) : Filled(words.fannedLengths, { text(first), text(last) });
    return Filled(words.radiusGaugesTitle, { radii });
}

Drawing RadiusGauges(const board::BoardLayout& board, const TemplateWords& words,
    const std::string& decimalSeparator)
{
    Drawing drawing;
    if (!board.design.IsRadiused())
        return drawing;
    const double top = MarginMm + TitleHeightMm + 6.0;
    drawing.texts.push_back(Text { { MarginMm, MarginMm + TitleHeightMm },
        RadiusGaugesTitle(board, words, decimalSeparator), TitleHeightMm, Layer::TitleBlock,
        Anchor::Left, 0, {} });
    double left = MarginMm;
    double bottom = top;
    for (const board::FaceSection& section : GaugeSections(board)) {
        const double chord = std::min(section.widthMm + GaugeOverhangMm, 2.0 * section.radiusMm);
        Outline outline = GaugeOutline(left, top, chord, section.radiusMm);
        const double back = outline.points.back().y;
        const std::string where = section.fret == 0
            ? words.nut
            : Filled(words.fretNumber, { std::to_string(section.fret) });
        drawing.texts.push_back(Text { { left + chord / 2.0, back - GaugeBackMm / 2.0 },
            Filled(words.radiusGauge,
                { board::LengthWithUnitText(section.radiusMm, board.design.unit, decimalSeparator),
                    where }),
            LabelHeightMm, Layer::Labels, Anchor::Centre, 0, {} });
        drawing.outlines.push_back(std::move(outline));
        bottom = std::max(bottom, back);
        left += chord + GapMm;
    }
    drawing.widthMm = left - GapMm + MarginMm;
    drawing.heightMm = bottom + MarginMm;
    drawing.datum = { MarginMm, top };
    return drawing;
}

} // namespace corvane::drawing
