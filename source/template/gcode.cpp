#include "gcode.h"

#include "figure_text.h"

#include <algorithm>
#include <cmath>

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace corvane::drawing {

namespace {

using Kind = SlottingProblem::Kind;

std::optional<SlottingProblem> Check(const board::BoardLayout& board, const SlottingParameters& p)
{
    const auto fails = [](double value) { return !std::isfinite(value) || value <= 0; };
    if (fails(p.slotDepthMm) || p.slotDepthMm > MaxSlotDepthMm)
        return SlottingProblem { Kind::SlotDepth, p.slotDepthMm };
    if (fails(p.passDepthMm) || p.passDepthMm > p.slotDepthMm)
        return SlottingProblem { Kind::PassDepth, p.passDepthMm };
    if (fails(p.toolDiameterMm) || p.toolDiameterMm > MaxToolDiameterMm)
        return SlottingProblem { Kind::ToolDiameter, p.toolDiameterMm };
    if (fails(p.feedMmPerMinute))
        return SlottingProblem { Kind::Feed, p.feedMmPerMinute };
    if (fails(p.plungeFeedMmPerMinute))
        return SlottingProblem { Kind::PlungeFeed, p.plungeFeedMmPerMinute };
    if (fails(p.safeZMm))
        return SlottingProblem { Kind::SafeZ, p.safeZMm };
    if (!std::isfinite(p.bindingMarginMm) || p.bindingMarginMm < 0)
        return SlottingProblem { Kind::BindingMargin, p.bindingMarginMm };
    for (const board::StringLine& string : board.strings)
        if (string.lengthMm > MaxSlottedBoardMm)
            return SlottingProblem { Kind::BoardTooLong, string.lengthMm };
    for (const board::Segment& fret : board.frets)
        if (std::hypot(fret.to.x - fret.from.x, fret.to.y - fret.from.y) <= 2 * p.bindingMarginMm)
            return SlottingProblem { Kind::BindingMargin, p.bindingMarginMm };
    return std::nullopt;
}

class Program {
public:
    Program(board::Unit unit, board::Point origin)
        : unit_(unit)
        , origin_(origin)
    {
    }

    void Line(const std::string& text) { text_ += text + "\n"; }
    std::string X(double mm) const { return Number(mm - origin_.x); }
    std::string Y(double mm) const { return Number(mm - origin_.y); }
    std::string Number(double mm) const
    {
        return board::FixedText(
            board::FromMillimetres(mm, unit_), unit_ == board::Unit::Inch ? 5 : 4);
    }
    const std::string& Text() const { return text_; }

private:
    board::Unit unit_;
    board::Point origin_;
    std::string text_;
};

board::Point Along(board::Point from, board::Point to, double t) noexcept
{
    return { from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t };
}

} // namespace

const char* SlottingProblemPattern(SlottingProblem::Kind kind) noexcept
{
    switch (kind) {
    case Kind::SlotDepth:
        return QT_TRANSLATE_NOOP(
            "Slotting", "--slot-depth : %1, doit être plus grande que 0 et au plus %2");
    case Kind::PassDepth:
        return QT_TRANSLATE_NOOP("Slotting",
            "--pass-depth : %1, doit être plus grande que 0 et au plus la profondeur de fente");
    case Kind::ToolDiameter:
        return QT_TRANSLATE_NOOP(
            "Slotting", "--tool-diameter : %1, doit être plus grand que 0 et au plus %2");
    case Kind::Feed:
        return QT_TRANSLATE_NOOP("Slotting", "--feed : %1, doit être plus grande que 0");
    case Kind::PlungeFeed:
        return QT_TRANSLATE_NOOP("Slotting", "--plunge-feed : %1, doit être plus grande que 0");
    case Kind::SafeZ:
        return QT_TRANSLATE_NOOP(
            "Slotting", "--safe-z : %1, doit être au-dessus de la touche (plus de 0)");
    case Kind::BindingMargin:
        return QT_TRANSLATE_NOOP(
            "Slotting", "--binding-margin : %1, ne laisse aucune fente à couper");
    case Kind::BoardTooLong:
        return QT_TRANSLATE_NOOP(
            "Slotting", "la corde de %1 dépasse les %2 qu'une petite fraiseuse couvre");
    }
    return "";
}

std::vector<board::Segment> SlotPaths(const board::BoardLayout& board, const SlottingParameters& p)
{
    std::vector<board::Segment> paths;
    for (const board::Segment& fret : board.frets) {
        const double length = std::hypot(fret.to.x - fret.from.x, fret.to.y - fret.from.y);
        if (!(length > 0))
            continue;
        // Through: past each edge by the tool's radius; bound: inside by the margin.
        const double past = p.bindingMarginMm > 0 ? -p.bindingMarginMm : p.toolDiameterMm / 2;
        paths.push_back({ Along(fret.from, fret.to, -past / length),
            Along(fret.from, fret.to, 1 + past / length) });
    }
    return paths;
}

std::variant<std::string, SlottingProblem> SlottingProgram(
    const board::BoardLayout& board, const SlottingParameters& p, const std::string& title)
{
    if (const auto problem = Check(board, p))
        return *problem;
    const board::Unit unit = board.design.unit;
    const bool inches = unit == board::Unit::Inch;
    const board::Point nutMiddle = Along(board.nut.from, board.nut.to, 0.5);
    const board::Point origin = p.origin == SlottingOrigin::NutCentre ? nutMiddle : board.nut.from;
    Program g(unit, origin);
    const std::string u = inches ? " in" : " mm";
    const std::string perMinute = inches ? " in/min" : " mm/min";

    g.Line("( Corvane slotting program: " + title + " )");
    g.Line(std::string("( Origin: ")
        + (p.origin == SlottingOrigin::NutCentre ? "the middle of the nut"
                                                 : "the bass end of the nut")
        + "; X along the board from the nut, Y across towards the treble, Z = 0 on the board's "
          "face )");
    g.Line("( Tool diameter " + g.Number(p.toolDiameterMm) + u + ", slot depth "
        + g.Number(p.slotDepthMm) + u + ", pass depth " + g.Number(p.passDepthMm) + u + " )");
    g.Line("( Feed " + g.Number(p.feedMmPerMinute) + perMinute + ", plunge feed "
        + g.Number(p.plungeFeedMmPerMinute) + perMinute + ", safe Z " + g.Number(p.safeZMm) + u
        + " )");
    g.Line("( Binding margin " + g.Number(p.bindingMarginMm) + u
        + (p.bindingMarginMm > 0 ? "" : ": through, past each edge by the tool's radius")
        + ", spindle " + board::ShortText(p.spindleRpm) + " rpm, "
        + std::to_string(board.frets.size()) + " slots from the nut )");
    g.Line(inches ? "G20" : "G21");
    g.Line("G90");
    g.Line("G17");
    const std::string safe = "G0 Z" + g.Number(p.safeZMm);
    g.Line(safe);
    g.Line("M3 S" + board::ShortText(p.spindleRpm));
    g.Line("G4 P2");

    const std::vector<board::Segment> paths = SlotPaths(board, p);
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const board::Point ends[2] = { paths[i].from, paths[i].to };
        g.Line("( Slot " + std::to_string(i + 1) + " )");
        g.Line(safe);
        g.Line("G0 X" + g.X(ends[0].x) + " Y" + g.Y(ends[0].y));
        int side = 0;
        for (double depth = 0; depth < p.slotDepthMm - 1e-12;) {
            depth = std::min(depth + p.passDepthMm, p.slotDepthMm);
            g.Line("G1 Z" + g.Number(-depth) + " F" + g.Number(p.plungeFeedMmPerMinute));
            side = 1 - side;
            g.Line("G1 X" + g.X(ends[side].x) + " Y" + g.Y(ends[side].y) + " F"
                + g.Number(p.feedMmPerMinute));
        }
        g.Line(safe);
    }
    g.Line("M5");
    g.Line("M30");
    return g.Text();
}

} // namespace corvane::drawing
