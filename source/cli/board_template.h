#pragma once

// The --template output of a general fretboard: its drawing written as a
// tiled PDF, an SVG or a DXF file at true size.

#include "board_command.h"
#include "board_options.h"
#include "layout.h"

#include <optional>
#include <string>

namespace corvane::cli {

// Returns a French message on failure, nothing on success. paperName is
// a4 (default), letter, a3 or legal. Qt runs on the offscreen platform.
std::optional<std::string> WriteBoardTemplate(const board::BoardLayout& board,
    const std::string& path, const std::optional<std::string>& paperName, TemplateDrawing what);

// The intonation chart as an SVG or a PNG (200 dpi), written whole; a
// French message on failure.
std::optional<std::string> WriteIntonationChart(
    const board::BoardLayout& board, const std::string& path);

} // namespace corvane::cli
