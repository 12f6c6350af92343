#include "gcode.h"

#include "fields.h"
#include "figure_text.h"
#include "maths.h"
#include "program_parts.h"
#include "radius.h"
#include "slot_span.h"

#include <algorithm>
#include <cmath>

namespace corvane::drawing {

namespace {

using board::ProblemKind;

// The unit a program is written in: a router knows millimetres and inches.
board::Unit ProgramUnit(board::Unit designUnit) noexcept
{
    return designUnit == board::Unit::Inch ? board::Unit::Inch : board::Unit::Millimetre;
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
    // The machine's Y runs away from the operator, up the face as the
    // layout shows it (whose y runs down): the router cuts the board the
    // template draws.
    std::string Y(double mm) const { return Number(origin_.y - mm); }
    // Four decimals of a millimetre, five of an inch: a tenth of a micrometre
    // or a quarter of one, finer than any router steps.
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

// Where the cutter's centre runs along a fret: bound, its edge stops the
// margin short of each board edge, square to it; through, the whole cutter
// leaves the board.
std::optional<board::Segment> CutterPath(
    const board::BoardLayout& board, const board::Segment& fret, const board::RouterValues& p)
{
    const double radius = p.toolDiameterMm / 2;
    return SpanInside(board, fret, p.bindingMarginMm > 0 ? p.bindingMarginMm + radius : -radius);
}

// The largest depth error allowed between two points of a slot that
// follows the radius: the cutter moves straight between them.
constexpr double FollowToleranceMm = 0.005;

// Where along a path (0 at its start, 1 at its end) it crosses a line.
std::optional<double> Crossing(const board::Segment& path, const board::Segment& line)
{
    const double lx = line.to.x - line.from.x, ly = line.to.y - line.from.y;
    const auto side
        = [&](board::Point p) { return lx * (p.y - line.from.y) - ly * (p.x - line.from.x); };
    const double a = side(path.from), b = side(path.to);
    if (a == b || (a > 0) == (b > 0))
        return std::nullopt;
    return a / (a - b);
}

// The points a slot is cut through: its two ends, and on a radiused board
// that the slots follow, where it crosses the edges (past which the face
// ends) and enough points between them that the straight moves stay within
// FollowToleranceMm of the curved face (whose depth changes along a slot
// with a curvature of at most 1/radius).
std::vector<board::Point> SlotPoints(
    const board::BoardLayout& board, const board::Segment& path, bool followRadius)
{
    if (!followRadius || !board.design.IsRadiused())
        return { path.from, path.to };
    const auto sections = board::FaceSections(board);
    const double radius = std::min(sections.front().radiusMm, sections.back().radiusMm);
    const double longest = std::sqrt(8.0 * radius * FollowToleranceMm);
    const double length = maths::Hypot(path.to.x - path.from.x, path.to.y - path.from.y);
    std::vector<double> stops { 0.0, 1.0 };
    for (const board::Segment* edge : { &board.bassEdge, &board.trebleEdge })
        if (const auto t = Crossing(path, *edge))
            stops.push_back(*t);
    std::sort(stops.begin(), stops.end());
    std::vector<board::Point> points { path.from };
    for (std::size_t i = 1; i < stops.size(); ++i) {
        const double span = stops[i] - stops[i - 1];
        const int steps = std::max(1, static_cast<int>(std::ceil(span * length / longest)));
        for (int k = 1; k <= steps; ++k)
            points.push_back(Along(path.from, path.to, stops[i - 1] + span * k / steps));
    }
    points.back() = path.to;
    return points;
}

// A slot's number as the program names it: its fret's.
std::string SlotName(const board::BoardLayout& board, std::size_t index)
{
    return std::to_string(static_cast<int>(index) + FirstSlotNumber(board));
}

// The program's X and Y zero, in layout coordinates.
board::Point Origin(const board::BoardLayout& board, const board::RouterValues& p) noexcept
{
    return p.origin == board::RouterOrigin::NutCentre ? Along(board.nut.from, board.nut.to, 0.5)
                                                      : board.nut.from;
}

// A length as a problem names it.
board::ProblemValue Shown(double mm)
{
    return board::ProblemValue::Length(mm);
}

} // namespace

std::optional<board::DesignError> SlottingProblem(
    const board::BoardLayout& board, const board::RouterValues& p)
{
    board::Design values;
    values.router = p;
    for (const board::NumberField& field : board::NumberFields())
        if (field.key.starts_with("router."))
            if (auto problem = board::RangeProblem(field, field.get(values)))
                return board::FieldError(std::string(field.key), std::move(*problem));
    if (p.passDepthMm > p.slotDepthMm)
        return board::FieldError("router.pass_depth",
            { ProblemKind::PassDeeperThanSlot, { Shown(p.passDepthMm), Shown(p.slotDepthMm) },
                {} });
    const double passes = std::ceil(p.slotDepthMm / p.passDepthMm - 1e-9);
    if (passes > MaxPassesPerSlot)
        return board::FieldError("router.pass_depth",
            { ProblemKind::TooManyPasses,
                { Shown(p.passDepthMm), board::ProblemValue::Number(passes),
                    board::ProblemValue::Count(MaxPassesPerSlot) },
                {} });
    for (const board::StringLine& string : board.strings)
        if (string.lengthMm > MaxSlottedBoardMm)
            return board::FieldError("bass_length",
                { ProblemKind::BoardTooLongToSlot,
                    { Shown(string.lengthMm), Shown(MaxSlottedBoardMm) }, {} });
    for (const std::vector<board::Point>& path : board.fretPaths)
        if (!path.empty())
            return board::FieldError("string_lengths", { ProblemKind::FretsNotStraight, {}, {} });
    const std::vector<board::Segment> frets = SlottedFrets(board);
    for (std::size_t i = 0; i < frets.size(); ++i) {
        if (!CutterPath(board, frets[i], p))
            return board::FieldError("router.binding_margin",
                { ProblemKind::MarginLeavesNoSlot, { Shown(p.bindingMarginMm), SlotName(board, i) },
                    {} });
    }
    if (p.bedLengthMm > 0)
        if (auto split = SplitForBed(
                board, SlottedFrets(board), SlotPaths(board, p), Origin(board, p), p.bedLengthMm);
            std::holds_alternative<board::DesignError>(split))
            return std::get<board::DesignError>(std::move(split));
    return std::nullopt;
}

std::vector<board::Segment> SlotPaths(const board::BoardLayout& board, const board::RouterValues& p)
{
    std::vector<board::Segment> paths;
    for (const board::Segment& fret : SlottedFrets(board))
        if (const auto path = CutterPath(board, fret, p))
            paths.push_back(*path);
    return paths;
}

namespace {

// One program: the header, then the slots of `part`, X counted from the
// part's zero.
std::string PartProgram(const board::BoardLayout& board, const std::string& title,
    const std::vector<board::Segment>& paths, const ProgramPart& part, std::size_t partNumber,
    std::size_t partCount, board::Point origin)
{
    const board::RouterValues& p = board.design.router;
    const board::Unit unit = ProgramUnit(board.design.unit);
    const bool inches = unit == board::Unit::Inch;
    Program g(unit, { part.zero.x, origin.y });
    const std::string u = inches ? " in" : " mm";
    const std::string perMinute = inches ? " in/min" : " mm/min";

    g.Line("( Corvane slotting program: " + title + " )");
    g.Line(std::string("( Units: ") + (inches ? "inches (G20)" : "millimetres (G21)")
        + "; every length, depth, height and feed below in" + u + " )");
    // With a zero fret, X is counted from it, as the table's distances are.
    const std::string zeroLine = board.guideNut ? "zero fret" : "nut";
    g.Line(std::string("( Origin: ")
        + (p.origin == board::RouterOrigin::NutCentre ? "the middle of the " + zeroLine
                                                      : "the bass end of the " + zeroLine)
        + "; X along the board from the nut, Y across towards the "
        + (board.design.leftHanded ? "bass (left-handed board)" : "treble")
        + ", Z = 0 on the board's face )");
    if (partCount > 1) {
        const std::string slots
            = "slots " + SlotName(board, part.firstSlot) + " to " + SlotName(board, part.lastSlot);
        g.Line("( Part " + std::to_string(partNumber) + " of " + std::to_string(partCount)
            + " for a bed of " + g.Number(p.bedLengthMm) + u + " along X: " + slots + " )");
        if (part.referenceSlot) {
            g.Line("( Before this part: move the board about " + g.Number(part.zero.x - origin.x)
                + u + " towards -X from where part 1 began, lower the cutter into slot "
                + SlotName(board, *part.referenceSlot) + " (cut by part "
                + std::to_string(partNumber - 1) + ") at Y = " + g.Y(part.zero.y) + u
                + " and set X zero there; Y and Z stay as they were )");
        } else {
            g.Line("( X zero at the origin, as for the whole board )");
        }
    }
    g.Line("( Tool diameter " + g.Number(p.toolDiameterMm) + u + ", slot depth "
        + g.Number(p.slotDepthMm) + u + ", pass depth " + g.Number(p.passDepthMm) + u + " )");
    g.Line("( Feed " + g.Number(p.feedMmPerMinute) + perMinute + ", plunge feed "
        + g.Number(p.plungeFeedMmPerMinute) + perMinute + ", safe Z " + g.Number(p.safeZMm) + u
        + " )");
    g.Line("( Binding margin " + g.Number(p.bindingMarginMm) + u
        + (p.bindingMarginMm > 0 ? " left at each edge, square to it"
                                 : ": through, the cutter leaving each edge")
        + ", spindle " + board::ShortText(p.spindleRpm) + " rpm, " + std::to_string(paths.size())
        + " slots from the nut" + (board.guideNut ? ", slot 0 the zero fret's" : "") + " )");
    const bool follow = p.followRadius && board.design.IsRadiused();
    if (follow)
        g.Line("( Radiused board: Z = 0 on the face at the centre line; every slot the slot "
               "depth under the curved face, Z varying along it )");
    g.Line(inches ? "G20" : "G21");
    g.Line("G90");
    g.Line("G17");
    const std::string safe = "G0 Z" + g.Number(p.safeZMm);
    g.Line(safe);
    g.Line("M3 S" + board::ShortText(p.spindleRpm));
    g.Line("G4 P2");

    const auto passes = static_cast<int>(std::ceil(p.slotDepthMm / p.passDepthMm - 1e-9));
    for (std::size_t i = part.firstSlot; i <= part.lastSlot; ++i) {
        std::vector<board::Point> points = SlotPoints(board, paths[i], follow);
        const auto face
            = [&](board::Point at) { return follow ? board::FaceDropAtMm(board, at) : 0.0; };
        g.Line("( Slot " + SlotName(board, i) + " )");
        g.Line(safe);
        g.Line("G0 X" + g.X(points.front().x) + " Y" + g.Y(points.front().y));
        for (int pass = 1; pass <= passes; ++pass) {
            const double depth
                = pass == passes ? p.slotDepthMm : std::min(pass * p.passDepthMm, p.slotDepthMm);
            g.Line("G1 Z" + g.Number(-(face(points.front()) + depth)) + " F"
                + g.Number(p.plungeFeedMmPerMinute));
            // Back and forth: each pass starts where the last one ended.
            for (std::size_t k = 1; k < points.size(); ++k) {
                const board::Point at = points[k];
                g.Line("G1 X" + g.X(at.x) + " Y" + g.Y(at.y)
                    + (follow ? " Z" + g.Number(-(face(at) + depth)) : std::string())
                    + (k == 1 ? " F" + g.Number(p.feedMmPerMinute) : std::string()));
            }
            std::reverse(points.begin(), points.end());
        }
        g.Line(safe);
    }
    g.Line("M5");
    g.Line("M30");
    return g.Text();
}

} // namespace

std::variant<std::vector<std::string>, board::DesignError> SlottingPrograms(
    const board::BoardLayout& board, const std::string& title)
{
    const board::RouterValues& p = board.design.router;
    if (auto problem = SlottingProblem(board, p))
        return std::move(*problem);
    const board::Point origin = Origin(board, p);
    const std::vector<board::Segment> paths = SlotPaths(board, p);
    auto split = SplitForBed(board, SlottedFrets(board), paths, origin, p.bedLengthMm);
    if (auto* problem = std::get_if<board::DesignError>(&split))
        return std::move(*problem);
    const auto& parts = std::get<std::vector<ProgramPart>>(split);
    std::vector<std::string> programs;
    for (std::size_t k = 0; k < parts.size(); ++k)
        programs.push_back(PartProgram(board, title, paths, parts[k], k + 1, parts.size(), origin));
    return programs;
}

std::variant<std::string, board::DesignError> SlottingProgram(
    const board::BoardLayout& board, const std::string& title)
{
    board::BoardLayout whole = board;
    whole.design.router.bedLengthMm = 0;
    auto programs = SlottingPrograms(whole, title);
    if (auto* problem = std::get_if<board::DesignError>(&programs))
        return std::move(*problem);
    return std::move(std::get<std::vector<std::string>>(programs).front());
}

std::string PartFileName(const std::string& path, std::size_t part)
{
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    const std::size_t stem = dot == std::string::npos || (slash != std::string::npos && dot < slash)
            || dot == (slash == std::string::npos ? 0 : slash + 1)
        ? path.size()
        : dot;
    return path.substr(0, stem) + "-" + std::to_string(part) + path.substr(stem);
}

} // namespace corvane::drawing
