#pragma once

// A drawing as a PNG image, white behind, at the given resolution; written
// whole or not at all.

#include "drawing.h"
#include "whole_file.h"

#include <optional>
#include <string>

namespace corvane::drawing {

std::optional<files::WriteProblem> WritePngFile(
    const Drawing& drawing, const std::string& path, double dotsPerInch = 200);

// A chart as its name's extension says (ChartFormatOf): PNG, or SVG titled
// `title` for any other name.
std::optional<files::WriteProblem> WriteChartFile(
    const Drawing& chart, const std::string& title, const std::string& path);

} // namespace corvane::drawing
