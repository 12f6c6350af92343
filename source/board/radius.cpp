#include "radius.h"

#include <algorithm>
#include <cmath>

namespace corvane::board {

namespace {

// Where a line meets the horizontal through y (the centre line is one).
double CrossingX(const Segment& line, double y) noexcept
{
    const double dy = line.to.y - line.from.y;
    if (dy == 0)
        return line.from.x;
    return line.from.x + (line.to.x - line.from.x) * (y - line.from.y) / dy;
}

// An edge's ordinate at x, the edge prolonged if need be.
double EdgeY(const Segment& edge, double x) noexcept
{
    const double dx = edge.to.x - edge.from.x;
    if (dx == 0)
        return edge.from.y;
    return edge.from.y + (edge.to.y - edge.from.y) * (x - edge.from.x) / dx;
}

double LastFretFromNutMm(const BoardLayout& board) noexcept
{
    const double axis = board.centreLine.from.y;
    return CrossingX(board.frets.back(), axis) - board.centreLine.from.x;
}

} // namespace

double RadiusAtMm(const Design& design, double fromNutMm, double lastFretFromNutMm) noexcept
{
    const double atNut = design.radiusNutMm != 0 ? design.radiusNutMm : design.radiusLastFretMm;
    const double atLast = design.radiusLastFretMm != 0 ? design.radiusLastFretMm : atNut;
    if (atNut == atLast || lastFretFromNutMm <= 0)
        return atNut;
    return atNut + (atLast - atNut) * (fromNutMm / lastFretFromNutMm);
}

std::optional<double> DropMm(double radiusMm, double offAxisMm) noexcept
{
    const double d = std::fabs(offAxisMm);
    if (!(radiusMm > d))
        return std::nullopt;
    // r - sqrt(r^2 - d^2), written without the cancellation of two close numbers.
    return d * d / (radiusMm + std::sqrt((radiusMm - d) * (radiusMm + d)));
}

std::vector<FaceSection> FaceSections(const BoardLayout& board)
{
    std::vector<FaceSection> sections;
    if (board.frets.empty())
        return sections;
    const double axis = board.centreLine.from.y;
    const double last = LastFretFromNutMm(board);
    const auto section = [&](int fret, double x) {
        const double fromNut = x - board.centreLine.from.x;
        return FaceSection { fret, fromNut,
            std::fabs(EdgeY(board.trebleEdge, x) - EdgeY(board.bassEdge, x)),
            RadiusAtMm(board.design, fromNut, last) };
    };
    sections.push_back(section(0, CrossingX(board.nut, axis)));
    for (std::size_t i = 0; i < board.frets.size(); ++i)
        sections.push_back(section(static_cast<int>(i) + 1, CrossingX(board.frets[i], axis)));
    return sections;
}

std::optional<DesignError> RadiusProblem(const BoardLayout& board)
{
    if (!board.design.IsRadiused())
        return std::nullopt;
    const std::vector<FaceSection> sections = FaceSections(board);
    for (const FaceSection* at : { &sections.front(), &sections.back() })
        if (!DropMm(at->radiusMm, at->widthMm / 2.0)) {
            const Design& d = board.design;
            const bool atNut = at == &sections.front();
            const bool nut = atNut ? d.radiusNutMm != 0 : d.radiusLastFretMm == 0;
            return FieldError(nut ? "radius_nut" : "radius_last_fret",
                { ProblemKind::RadiusBelowHalfWidth,
                    { ProblemValue::Length(at->radiusMm), ProblemValue::Length(at->widthMm / 2.0) },
                    {} });
        }
    return std::nullopt;
}

double FaceDropAtMm(const BoardLayout& board, Point at) noexcept
{
    if (!board.design.IsRadiused() || board.frets.empty())
        return 0;
    const double radius
        = RadiusAtMm(board.design, at.x - board.centreLine.from.x, LastFretFromNutMm(board));
    // Past an edge there is no face: a cutter there is as deep as at the edge.
    const double bassY = EdgeY(board.bassEdge, at.x), trebleY = EdgeY(board.trebleEdge, at.x);
    const double y = std::clamp(at.y, std::min(bassY, trebleY), std::max(bassY, trebleY));
    return DropMm(radius, y - board.centreLine.from.y).value_or(radius);
}

} // namespace corvane::board
