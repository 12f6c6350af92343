#include "board_end.h"

#include "maths.h"
#include <algorithm>
#include <cmath>
#include <numbers>

namespace corvane::board {

namespace {

constexpr double ArcToleranceMm = 0.001;

// The point of the line through `edge` at abscissa x.
Point OnEdgeAt(const Segment& edge, double x) noexcept
{
    const double dx = edge.to.x - edge.from.x;
    const double t = dx == 0 ? 1.0 : (x - edge.from.x) / dx;
    return { x, edge.from.y + (edge.to.y - edge.from.y) * t };
}

// Where the last fret, from corner to corner, crosses the centre line.
double LastFretOnAxis(Point bassCorner, Point trebleCorner, double axisY) noexcept
{
    const double dy = trebleCorner.y - bassCorner.y;
    if (dy == 0)
        return bassCorner.x;
    return bassCorner.x + (trebleCorner.x - bassCorner.x) * (axisY - bassCorner.y) / dy;
}

// The arc from `from` through `through` to `to`, `from` excluded.
std::vector<Point> Arc(Point from, Point through, Point to)
{
    // The circle through three points: the centre equidistant from them.
    const double ax = from.x, ay = from.y, bx = through.x, by = through.y, cx = to.x, cy = to.y;
    const double d = 2 * (ax * (by - cy) + bx * (cy - ay) + cx * (ay - by));
    const double a2 = ax * ax + ay * ay, b2 = bx * bx + by * by, c2 = cx * cx + cy * cy;
    const Point centre { (a2 * (by - cy) + b2 * (cy - ay) + c2 * (ay - by)) / d,
        (a2 * (cx - bx) + b2 * (ax - cx) + c2 * (bx - ax)) / d };
    const double radius = maths::Hypot(ax - centre.x, ay - centre.y);
    const auto angle = [&](Point p) { return maths::Atan2(p.y - centre.y, p.x - centre.x); };
    const double start = angle(from);
    const auto turn = [&](Point p) {
        double a = angle(p) - start;
        while (a < 0)
            a += 2 * std::numbers::pi;
        return a;
    };
    // Counter-clockwise from `from`, unless that misses `through`.
    double sweep = turn(to);
    if (turn(through) > sweep)
        sweep -= 2 * std::numbers::pi;
    const double step = 2.0 * maths::Acos(1.0 - ArcToleranceMm / radius);
    const int segments = std::max(8, static_cast<int>(std::ceil(std::fabs(sweep) / step)));
    std::vector<Point> points;
    for (int i = 1; i < segments; ++i) {
        const double a = start + sweep * i / segments;
        points.push_back({ centre.x + radius * maths::Cos(a), centre.y + radius * maths::Sin(a) });
    }
    points.push_back(to);
    return points;
}

} // namespace

std::vector<Point> BoardOutline(
    const Design& design, const Segment& bassEdge, const Segment& trebleEdge, double axisY)
{
    const Point bassNut = bassEdge.from, trebleNut = trebleEdge.from;
    const Point bassEnd = bassEdge.to, trebleEnd = trebleEdge.to;
    if (design.boardEndMm <= 0)
        return { bassNut, bassEnd, trebleEnd, trebleNut };
    const double end = LastFretOnAxis(bassEnd, trebleEnd, axisY) + design.boardEndMm;
    if (design.boardEndShape == BoardEndShape::Square)
        return { bassNut, OnEdgeAt(bassEdge, end), OnEdgeAt(trebleEdge, end), trebleNut };
    std::vector<Point> outline { bassNut, bassEnd };
    const std::vector<Point> arc = Arc(bassEnd, { end, axisY }, trebleEnd);
    outline.insert(outline.end(), arc.begin(), arc.end());
    outline.push_back(trebleNut);
    return outline;
}

std::optional<DesignError> BoardEndProblem(const BoardLayout& board)
{
    const Design& d = board.design;
    if (d.boardEndMm <= 0 || d.boardEndShape != BoardEndShape::Square || board.frets.empty())
        return std::nullopt;
    const Segment& last = board.frets.back();
    const double onAxis = LastFretOnAxis(last.from, last.to, board.centreLine.from.y);
    const double least = std::max(last.from.x, last.to.x) - onAxis;
    if (d.boardEndMm >= least)
        return std::nullopt;
    return FieldError("board_end",
        { ProblemKind::BoardEndCutsLastFret,
            // The least end named to the hundredth above, so that typing it works.
            { ProblemValue::Length(d.boardEndMm),
                ProblemValue::Length(std::ceil(least * 100.0) / 100.0) },
            {} });
}

} // namespace corvane::board
