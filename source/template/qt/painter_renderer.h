#pragma once

// The one QPainter path for templates: screen, printer and PDF all draw a
// Drawing through RenderDrawing, so what is checked on one is what the
// others show.

#include "drawing.h"

#include <vector>

class QPainter;

namespace corvane::drawing {

// Draws the drawing with its top-left corner at the painter's current
// origin, one millimetre being deviceUnitsPerMm device units. Lines keep
// flat ends, so a line's drawn length is its length. The painter's state is
// restored afterwards.
void RenderDrawing(const Drawing& drawing, QPainter& painter, double deviceUnitsPerMm);

// Where RenderDrawing puts each text's letters, in the drawing's
// millimetres: the page-aligned rectangle around their ink and advance,
// turned as the text is. Measured with the renderer's own font, for a view
// that must keep labels apart.
std::vector<Box> TextBounds(const std::vector<Text>& texts);

} // namespace corvane::drawing
