#pragma once

// SVG 1.1 at true size: width and height in millimetres and a viewBox in
// millimetres, so one user unit is one millimetre and laser and cutting
// software open the file at the size it was drawn. One group per kind of
// mark (nut, frets, saddle, edges, labels…), named by its id. Coordinates
// run from the drawing's datum (the nut), as in the DXF file.

#include "drawing.h"
#include "whole_file.h"

#include <optional>
#include <string>

namespace corvane::drawing {

// Every stroke this wide with `hairline`, for laser software that cuts
// only hairlines.
inline constexpr double HairlineMm = 0.025;

std::string SvgText(const Drawing& drawing, const std::string& title, bool hairline = false);

// Written whole or not at all; why not, on failure.
std::optional<files::WriteProblem> WriteSvgFile(const Drawing& drawing, const std::string& title,
    const std::string& path, bool hairline = false);

} // namespace corvane::drawing
