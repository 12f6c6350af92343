#include "slot_span.h"

#include "maths.h"
#include <cmath>
#include <limits>

namespace corvane::drawing {

namespace {

board::Point Along(board::Point from, board::Point to, double t) noexcept
{
    return { from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t };
}

// How far p lies inside the board from `edge`, square to it: positive on
// the side of `inner`, a point of the board.
double Inside(const board::Segment& edge, board::Point inner, board::Point p) noexcept
{
    const double dx = edge.to.x - edge.from.x, dy = edge.to.y - edge.from.y;
    const double length = maths::Hypot(dx, dy);
    const auto side = [&](board::Point q) {
        return (dx * (q.y - edge.from.y) - dy * (q.x - edge.from.x)) / length;
    };
    return side(inner) < 0 ? -side(p) : side(p);
}

} // namespace

std::optional<board::Segment> SpanInside(
    const board::BoardLayout& board, const board::Segment& line, double insetMm)
{
    const board::Point middle = Along(board.centreLine.from, board.centreLine.to, 0.5);
    // Along the line (0 at its start, 1 at its end) the distance from an
    // edge changes linearly: each edge keeps the part on one side of the
    // point where it equals the inset.
    double lo = -std::numeric_limits<double>::infinity();
    double hi = std::numeric_limits<double>::infinity();
    for (const board::Segment* edge : { &board.bassEdge, &board.trebleEdge }) {
        const double a = Inside(*edge, middle, line.from);
        const double b = Inside(*edge, middle, line.to);
        if (a == b) { // parallel to the edge: all or nothing
            if (a < insetMm)
                return std::nullopt;
            continue;
        }
        const double t = (insetMm - a) / (b - a);
        if (b > a)
            lo = std::max(lo, t);
        else
            hi = std::min(hi, t);
    }
    if (!(lo < hi) || !std::isfinite(lo) || !std::isfinite(hi))
        return std::nullopt;
    return board::Segment { Along(line.from, line.to, lo), Along(line.from, line.to, hi) };
}

std::vector<board::Segment> SlottedFrets(const board::BoardLayout& board)
{
    std::vector<board::Segment> frets;
    if (board.guideNut)
        frets.push_back(board.nut);
    frets.insert(frets.end(), board.frets.begin(), board.frets.end());
    return frets;
}

int FirstSlotNumber(const board::BoardLayout& board) noexcept
{
    return board.guideNut ? 0 : 1;
}

} // namespace corvane::drawing
