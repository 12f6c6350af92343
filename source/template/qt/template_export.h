#pragma once

// Writing a template to a file or a printer: the board's drawing in, a
// tiled and calibrated PDF or print, or an SVG or DXF file at true size out.

#include "classic_template.h"
#include "drawing.h"
#include "drawing_unit.h"
#include "paginator.h"
#include "problem.h"

#include <QString>

#include <optional>

class QPainter;
class QPrinter;

namespace corvane::drawing {

struct ExportOptions {
    Paper paper; // PDF only: the sheets the tiles are laid on
    Unit unit = Unit::Millimetre; // DXF only: the unit of its coordinates and $INSUNITS
    QString title; // document title of the PDF and SVG
    TemplateWords words; // PDF only: the pages' calibration sentence and labels
    bool hairline = false; // SVG only: every stroke a hairline
};

// The format follows the extension (.pdf, .svg, .dxf, any case). Returns why
// not on failure, nothing on success. The file is written whole or not at
// all: on failure an existing file is left as it was.
std::optional<board::Problem> ExportTemplate(
    const Drawing& board, const QString& path, const ExportOptions& options);

// Tiled printing on the printer's paper, printable area and orientation,
// as a job of its own. Returns why not on failure.
std::optional<board::Problem> PrintTemplate(
    const Drawing& board, QPrinter& printer, const TemplateWords& words = {});

// The pages of a template appended to a job already under way on the
// printer (the painter is active on it and has drawn at least one page).
std::optional<board::Problem> AppendTemplatePages(
    const Drawing& board, QPrinter& printer, QPainter& painter, const TemplateWords& words);

// The printer's paper, printable area included, in millimetres.
Paper PaperOf(const QPrinter& printer);

} // namespace corvane::drawing
