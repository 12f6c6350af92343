#include "readable_labels.h"

#include "painter_renderer.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace corvane::atelier {
namespace {

// Where the board is at x: the top and bottom of its outline, or of its
// strings beyond the outline (the saddle's name stands past the board).
struct BoardSpan {
    double top = std::numeric_limits<double>::infinity();
    double bottom = -std::numeric_limits<double>::infinity();
    bool found() const { return top <= bottom; }
};

BoardSpan SpanAt(const drawing::Drawing& board, double x)
{
    BoardSpan span;
    constexpr double ToleranceMm = 1e-6;
    std::vector<drawing::Line> lines = board.lines;
    for (const drawing::Outline& outline : board.outlines)
        for (const drawing::Line& side : drawing::OutlineSides(outline))
            lines.push_back(side);
    for (const drawing::Line& line : lines) {
        if (line.layer != drawing::Layer::Edges && line.layer != drawing::Layer::Strings)
            continue;
        const double left = std::min(line.from.x, line.to.x);
        const double right = std::max(line.from.x, line.to.x);
        if (x < left - ToleranceMm || x > right + ToleranceMm || right - left < ToleranceMm)
            continue;
        const double y = line.from.y
            + (line.to.y - line.from.y) * (x - line.from.x) / (line.to.x - line.from.x);
        span.top = std::min(span.top, y);
        span.bottom = std::max(span.bottom, y);
    }
    return span;
}

// A label grown to minimumMm keeps the middle of its letters on the line
// it was centred on (an upright distance stays on its fret), and its
// distance from the board grows in the same proportion, so that the rows
// of numbers, names and distances stay one above the other rather than
// growing into each other.
drawing::Text Enlarged(const drawing::Text& text, double minimumMm, const drawing::Drawing& board)
{
    if (text.heightMm >= minimumMm || text.heightMm <= 0)
        return text;
    const double growth = minimumMm / text.heightMm;
    const double turn = text.rotationDeg * std::acos(-1.0) / 180.0;
    const drawing::Point up { -std::sin(turn),
        -std::cos(turn) }; // from the baseline to the letters' tops
    drawing::Point middle { text.at.x + up.x * text.heightMm / 2,
        text.at.y + up.y * text.heightMm / 2 };
    if (const BoardSpan span = SpanAt(board, middle.x); span.found()) {
        if (middle.y < span.top)
            middle.y = span.top - (span.top - middle.y) * growth;
        else if (middle.y > span.bottom)
            middle.y = span.bottom + (middle.y - span.bottom) * growth;
    }
    drawing::Text enlarged = text;
    enlarged.heightMm = minimumMm;
    enlarged.at = { middle.x - up.x * minimumMm / 2, middle.y - up.y * minimumMm / 2 };
    return enlarged;
}

} // namespace

ReadableDrawing ReadableAt(const drawing::Drawing& board, double pixelsPerMm)
{
    const double minimumMm = MinimumLabelPx / pixelsPerMm;
    const double gapMm = LabelGapPx / pixelsPerMm;
    const auto isLabel
        = [](const drawing::Text& text) { return text.layer == drawing::Layer::Labels; };

    // Texts that are not labels (a title block) are always kept and go
    // first; then labels, the larger before the smaller.
    std::vector<std::size_t> order(board.texts.size());
    std::iota(order.begin(), order.end(), std::size_t { 0 });
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const drawing::Text& first = board.texts[a];
        const drawing::Text& second = board.texts[b];
        if (isLabel(first) != isLabel(second))
            return !isLabel(first);
        return first.heightMm > second.heightMm;
    });
    std::vector<drawing::Text> candidates;
    candidates.reserve(order.size());
    for (const std::size_t index : order) {
        const drawing::Text& text = board.texts[index];
        candidates.push_back(isLabel(text) ? Enlarged(text, minimumMm, board) : text);
    }
    const std::vector<drawing::Box> bounds = drawing::TextBounds(candidates);

    ReadableDrawing readable { board, QRectF(0, 0, board.widthMm, board.heightMm) };
    readable.shown.texts.clear();
    std::vector<QRectF> kept;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const QRectF box(
            QPointF(bounds[i].left, bounds[i].top), QPointF(bounds[i].right, bounds[i].bottom));
        const double gap = std::max(gapMm, LabelGapOfCapHeight * candidates[i].heightMm);
        const QRectF spaced = box.adjusted(-gap, -gap, gap, gap);
        if (isLabel(candidates[i])
            && std::any_of(kept.begin(), kept.end(),
                [&](const QRectF& other) { return other.intersects(spaced); }))
            continue;
        kept.push_back(box);
        readable.reach = readable.reach.united(box);
        readable.shown.texts.push_back(std::move(candidates[i]));
    }
    return readable;
}

} // namespace corvane::atelier
