#pragma once

// The chart of each string's intonation: the error of every fret in cents,
// one line per string, dashed without compensation and solid with the
// setbacks in use; drawn with the same model as the templates, so that
// every renderer (SVG, PNG, screen) draws it.

#include "drawing.h"
#include "layout.h"
#include "template_words.h"

namespace corvane::drawing {

inline constexpr double IntonationChartWidthMm = 200.0;
inline constexpr double IntonationChartHeightMm = 130.0;

// The chart of a layout with strings (BoardLayout::stringReports); the
// title names the temperament and the scale length.
Drawing IntonationChart(const board::BoardLayout& board, const TemplateWords& words = {});

// The chart's vertical scale: the smallest of 1, 2, 5, 10, 20, 50... cents
// per grid step that fits the largest error within five steps.
double ChartStepCents(double largestCents) noexcept;

} // namespace corvane::drawing
