#pragma once

// corvane-frets for a general fretboard: parse, compute, print or draw.

#include "layout.h"

#include "board_options.h"
#include <functional>
#include <iosfwd>
#include <optional>

#include <string>
#include <vector>

namespace corvane::cli {

// What a template file holds: the board, or the gauges of its radius.
enum class TemplateDrawing { Board, RadiusGauges };

// Draws the board into a template file (.pdf, .svg, .dxf); returns an error
// message, or nothing on success. The paper is the --paper value, if any.
// The cut options are the design's own.
using BoardTemplateWriter
    = std::function<std::optional<std::string>(const board::BoardLayout& board,
        const std::string& path, const std::optional<std::string>& paper, TemplateDrawing what)>;

// Draws the strings' intonation chart into a file (.svg, .png); returns an
// error message, or nothing on success.
using IntonationChartWriter = std::function<std::optional<std::string>(
    const board::BoardLayout& board, const std::string& path)>;

// The help of every option, in the user's language.
void PrintHelp(std::ostream& out);

// Runs the command and returns its exit status: 0, 1 for a value that
// cannot be used (one line on err), 2 for a usage error. Nothing is written
// to out on failure. regionalSeparator is the default decimal separator of
// the text table.
int RunBoardCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
    const std::string& regionalSeparator, const BoardTemplateWriter& writeTemplate,
    const IntonationChartWriter& writeChart = {});

} // namespace corvane::cli
