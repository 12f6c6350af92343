#pragma once

#include "drawing.h"

#include <QRectF>

// The board's labels as the live view can show them at a scale: large
// enough to read, and apart.
namespace corvane::atelier {

// A label's cap height on screen is never under this (a font of about 13
// pixels).
inline constexpr double MinimumLabelPx = 9.0;
// Kept labels stand at least this far apart on screen, and at least this
// share of the smaller one's cap height: a word space is not enough to
// tell "Do" from "Do#" or "11" from "12" at a glance.
inline constexpr double LabelGapPx = 4.0;
inline constexpr double LabelGapOfCapHeight = 0.8;

struct ReadableDrawing {
    drawing::Drawing shown;
    QRectF reach; // mm: the board and its kept labels, which may stand out of it
};

// The drawing as the view paints it at pixelsPerMm: a label smaller than
// MinimumLabelPx is drawn at that size, moved away from the board in
// proportion so that its row stays clear of the next; a label that
// would then come within LabelGapPx of one already kept is left out until
// the user zooms in. Larger labels are kept first, since the board drawing
// sizes them by importance: fret numbers, then note names (and the nut's
// and saddle's names), then distances; among equals, the drawing's order.
// Boxes are measured with the renderer's font, as it will draw them.
ReadableDrawing ReadableAt(const drawing::Drawing& board, double pixelsPerMm);

} // namespace corvane::atelier
