#pragma once

// DXF version 2000 (AC1015) through dxflib: $INSUNITS and $MEASUREMENT say
// the unit, so CAD and laser software open the file at true size; one LINE
// per line of the drawing (a fret is one continuous line across the board),
// one layer per kind, the texts on a layer of their own. Coordinates are in
// the chosen unit, y up, the drawing's datum at the origin.

#include "drawing.h"
#include "drawing_unit.h"
#include "whole_file.h"

#include <optional>
#include <string>

namespace corvane::drawing {

// The file's bytes.
std::string DxfText(const Drawing& drawing, Unit unit);

// Written whole or not at all; why not, on failure.
std::optional<files::WriteProblem> WriteDxfFile(
    const Drawing& drawing, Unit unit, const std::string& path);

} // namespace corvane::drawing
