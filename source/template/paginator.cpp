#include "paginator.h"

#include "maths.h"
#include "page_marks.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace corvane::drawing {

namespace {

// The page is split into the tile of board (top) and the ruler strip
// (bottom). A paper must hold the ruler block between the two overlap bands
// and room for the page label.
constexpr double PageLabelRoomMm = 30.0;
constexpr double MinimumAreaWidthMm = RulerBlockWidthMm + 2 * TileOverlapMm + PageLabelRoomMm;
constexpr double MinimumTileHeightMm = 3 * TileOverlapMm;
constexpr double SeamMarkInsetMm = TileOverlapMm / 2; // crosses and cut line: mid-band

Box TileArea(const Paper& paper) noexcept
{
    Box area = paper.printableArea();
    area.bottom -= RulerStripHeightMm;
    return area;
}

bool PaperHoldsTiles(const Paper& paper) noexcept
{
    const Box area = TileArea(paper);
    return area.width() >= MinimumAreaWidthMm && area.height() >= MinimumTileHeightMm;
}

// Tiles of `tile` long, each overlapping the previous, to cover `length`.
double TilesAlong(double length, double tile) noexcept
{
    constexpr double Slack = 1e-9; // a board exactly one tile long is one tile
    if (length <= tile + Slack)
        return 1;
    return 1 + std::ceil((length - tile - Slack) / (tile - TileOverlapMm));
}

// Liang-Barsky: the part of a segment inside a box, if any.
std::optional<Line> ClipLine(const Line& line, const Box& box) noexcept
{
    const double dx = line.to.x - line.from.x;
    const double dy = line.to.y - line.from.y;
    double enter = 0, leave = 1;
    const double p[4] = { -dx, dx, -dy, dy };
    const double q[4] = { line.from.x - box.left, box.right - line.from.x, line.from.y - box.top,
        box.bottom - line.from.y };
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
    }
    if (enter > leave)
        return std::nullopt;
    Line clipped = line;
    if (enter > 0)
        clipped.from = Point { line.from.x + enter * dx, line.from.y + enter * dy };
    if (leave < 1)
        clipped.to = Point { line.from.x + leave * dx, line.from.y + leave * dy };
    return clipped;
}

std::size_t CodePoints(const std::string& utf8) noexcept
{
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// A generous box around a text, from its length and height alone: wide
// enough for any of the fonts a renderer may use.
Box TextExtent(const Text& text) noexcept
{
    const double width = static_cast<double>(CodePoints(text.utf8)) * text.heightMm;
    const double left = text.anchor == Anchor::Left ? 0
        : text.anchor == Anchor::Centre             ? -width / 2
                                                    : -width;
    const Point corners[4]
        = { { left, -1.5 * text.heightMm }, { left + width, -1.5 * text.heightMm },
              { left, 0.5 * text.heightMm }, { left + width, 0.5 * text.heightMm } };
    const double angle = text.rotationDeg * std::numbers::pi / 180.0;
    const double c = maths::Cos(angle), s = maths::Sin(angle);
    Box extent { INFINITY, INFINITY, -INFINITY, -INFINITY };
    for (const Point& corner : corners) {
        // Counter-clockwise on a page whose y runs down.
        const double x = text.at.x + corner.x * c + corner.y * s;
        const double y = text.at.y - corner.x * s + corner.y * c;
        extent = Box { std::min(extent.left, x), std::min(extent.top, y), std::max(extent.right, x),
            std::max(extent.bottom, y) };
    }
    return extent;
}

bool Inside(const Box& inner, const Box& outer) noexcept
{
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top
        && inner.bottom <= outer.bottom;
}

bool Meets(const Box& a, const Box& b) noexcept
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

Point Moved(Point p, double dx, double dy) noexcept
{
    return Point { p.x + dx, p.y + dy };
}

void AddSeamLine(Drawing& page, Point from, Point to)
{
    page.lines.push_back(Line { from, to, Layer::Registration, 0.15, true });
}

} // namespace

std::optional<Paper> PaperFromName(std::string_view name)
{
    if (name == "a4")
        return Paper { 210, 297, 10, 10, 10, 10 };
    if (name == "a3")
        return Paper { 297, 420, 10, 10, 10, 10 };
    if (name == "letter")
        return Paper { 215.9, 279.4, 10, 10, 10, 10 };
    if (name == "legal")
        return Paper { 215.9, 355.6, 10, 10, 10, 10 };
    return std::nullopt;
}

TileCount CountTiles(const Drawing& board, const Paper& paper) noexcept
{
    if (!PaperHoldsTiles(paper))
        return {};
    const Box area = TileArea(paper);
    const double columns = TilesAlong(board.widthMm, area.width());
    const double rows = TilesAlong(board.heightMm, area.height());
    // Absurd boards (a length in the wrong unit) must not overflow an int.
    constexpr double Cap = 1e6;
    return TileCount { static_cast<int>(std::min(columns, Cap)),
        static_cast<int>(std::min(rows, Cap)) };
}

std::vector<Line> OutlineSides(const Outline& outline)
{
    std::vector<Line> sides;
    const std::size_t count = outline.points.size();
    const std::size_t sideCount = outline.closed ? count : count - 1;
    for (std::size_t i = 0; i < sideCount && count > 1; ++i)
        sides.push_back(Line { outline.points[i], outline.points[(i + 1) % count], outline.layer,
            outline.widthMm, false });
    return sides;
}

std::vector<Line> CircleSides(const Circle& circle)
{
    constexpr int Sides = 72;
    const double radius = circle.diameterMm / 2;
    Outline polygon { {}, circle.layer, circle.widthMm };
    for (int i = 0; i < Sides; ++i) {
        const double angle = 2 * maths::Acos(-1.0) * i / Sides;
        polygon.points.push_back({ circle.centre.x + radius * maths::Cos(angle),
            circle.centre.y + radius * maths::Sin(angle) });
    }
    return OutlineSides(polygon);
}

Pagination Paginate(const Drawing& board, const Paper& paper, const TemplateWords& words)
{
    Pagination result;
    const TileCount upright = CountTiles(board, paper);
    const TileCount turned = CountTiles(board, paper.QuarterTurned());
    if (upright.pages() == 0 && turned.pages() == 0) {
        result.error = board::Problem { board::ProblemKind::PaperTooSmall, {}, {} };
        return result;
    }
    result.quarterTurned
        = upright.pages() == 0 || (turned.pages() != 0 && turned.pages() < upright.pages());
    const Paper& sheet = result.quarterTurned ? paper.QuarterTurned() : paper;
    const TileCount count = result.quarterTurned ? turned : upright;
    const double pageCount = static_cast<double>(count.columns) * count.rows;
    if (pageCount > MaximumPageCount) {
        result.error = board::Problem { board::ProblemKind::TooManyPages,
            { board::ProblemValue::Number(std::min(pageCount, 1e9)),
                board::ProblemValue::Count(MaximumPageCount),
                board::ProblemValue::Number(board.widthMm / 1000.0, {}, 2) },
            {} };
        return result;
    }
    result.columns = count.columns;
    result.rows = count.rows;

    const Box area = TileArea(sheet);
    const Box printable = sheet.printableArea();
    const double stepX = area.width() - TileOverlapMm;
    const double stepY = area.height() - TileOverlapMm;
    const int pages = count.pages();
    for (int row = 0; row < count.rows; ++row) {
        for (int column = 0; column < count.columns; ++column) {
            // The tile in board millimetres, and the shift that puts it on the page.
            const Box tile { column * stepX, row * stepY, column * stepX + area.width(),
                row * stepY + area.height() };
            const double dx = area.left - tile.left;
            const double dy = area.top - tile.top;
            const Box onPage { area.left, area.top, area.right, area.bottom };

            Drawing page;
            page.widthMm = sheet.widthMm;
            page.heightMm = sheet.heightMm;
            std::vector<Line> lines = board.lines;
            for (const Outline& outline : board.outlines)
                for (const Line& side : OutlineSides(outline))
                    lines.push_back(side);
            for (const Circle& circle : board.circles)
                for (const Line& side : CircleSides(circle))
                    lines.push_back(side);
            for (const Line& line : lines) {
                if (auto clipped = ClipLine(line, tile)) {
                    clipped->from = Moved(clipped->from, dx, dy);
                    clipped->to = Moved(clipped->to, dx, dy);
                    page.lines.push_back(*clipped);
                }
            }
            for (const Text& text : board.texts) {
                const Box extent = TextExtent(text);
                if (!Meets(extent, tile))
                    continue;
                Text placed = text;
                placed.at = Moved(text.at, dx, dy);
                if (!Inside(extent, tile))
                    placed.clip = onPage;
                page.texts.push_back(std::move(placed));
            }

            // Seams: the same crosses and cut line, at the same board
            // position, on both pages that share the band.
            const double crossTop = area.top + SeamMarkInsetMm;
            const double crossBottom = area.bottom - SeamMarkInsetMm;
            const double crossMiddleX = (area.left + area.right) / 2;
            if (column > 0) {
                const double x = area.left + SeamMarkInsetMm;
                AddSeamLine(page, Point { x, printable.top }, Point { x, printable.bottom });
                AddRegistrationCross(page, Point { x, crossTop });
                AddRegistrationCross(page, Point { x, crossBottom });
            }
            if (column + 1 < count.columns) {
                const double x = area.right - SeamMarkInsetMm;
                AddSeamLine(page, Point { x, printable.top }, Point { x, printable.bottom });
                AddRegistrationCross(page, Point { x, crossTop });
                AddRegistrationCross(page, Point { x, crossBottom });
            }
            if (row > 0) {
                const double y = area.top + SeamMarkInsetMm;
                AddSeamLine(page, Point { printable.left, y }, Point { printable.right, y });
                AddRegistrationCross(page, Point { crossMiddleX, y });
            }
            if (row + 1 < count.rows) {
                const double y = area.bottom - SeamMarkInsetMm;
                AddSeamLine(page, Point { printable.left, y }, Point { printable.right, y });
                AddRegistrationCross(page, Point { crossMiddleX, y });
            }

            const double stripTop = area.bottom + 2.0;
            AddCalibrationRuler(
                page, Point { area.left + TileOverlapMm + 4.0, stripTop }, words.printAtTrueSize);
            AddPageLabel(page, Point { area.right - TileOverlapMm - 2.0, stripTop + 8.0 },
                Filled(words.pageOf,
                    { std::to_string(row * count.columns + column + 1), std::to_string(pages) }));
            result.pages.push_back(std::move(page));
        }
    }
    return result;
}

} // namespace corvane::drawing
