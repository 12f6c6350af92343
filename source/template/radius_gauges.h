#pragma once

// The gauges a luthier cuts to check a radiused board while sanding it:
// concave arcs of the board's radius at the nut, the 12th fret and the
// last fret, at true size, side by side.

#include "drawing.h"
#include "layout.h"
#include "template_words.h"

#include <string>

namespace corvane::drawing {

// How much wider than the board a gauge is (half each side), and how much
// wood it keeps behind the deepest point of its arc.
inline constexpr double GaugeOverhangMm = 10.0;
inline constexpr double GaugeBackMm = 20.0;

// One closed outline per gauge, its arc true to a thousandth of a
// millimetre, and its label (radius, and where); nothing for a flat board.
Drawing RadiusGauges(const board::BoardLayout& board, const TemplateWords& words,
    const std::string& decimalSeparator = ".");

// "Radius gauges: 254 mm to 406.4 mm".
std::string RadiusGaugesTitle(const board::BoardLayout& board, const TemplateWords& words,
    const std::string& decimalSeparator = ".");

} // namespace corvane::drawing
