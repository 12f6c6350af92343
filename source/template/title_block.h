#pragma once

// The block under every template: what the board is, how it was measured,
// and which Corvane drew it when, so that a sheet found on the bench later
// still says what it is.

#include "drawing.h"

#include <string>

namespace corvane::drawing {

inline constexpr double TitleBlockWidthMm = 150.0;
inline constexpr double TitleBlockHeightMm = 30.0;

struct TitleBlockText {
    std::string title; // the largest line
    std::string particulars; // e.g. mode and length, or strings and frets
    std::string measuring; // what the distances are, and in which unit
    std::string date; // after the program's name and version
};

// A framed block TitleBlockWidthMm by TitleBlockHeightMm with its top-left
// corner at topLeft, on the title block layer.
void AddTitleBlock(Drawing& drawing, Point topLeft, const TitleBlockText& text);

} // namespace corvane::drawing
