#pragma once

class QPainter;
class QPrinter;
class QWidget;

namespace corvane::ui {

// Draws a sheet on one page at its designed size. A sheet's twips are
// physical, 1440 to the inch, so at 15 twips per pixel one of its pixels is
// 1/96 inch: the sheet is drawn scaled by (printer dots per inch) / 96, its
// top-left corner at the top-left of the printer's printable area. The
// widgets paint themselves straight onto the printer, so text and lines are
// drawn at the printer's resolution, not copied from a screen image.
// Returns false when the printer cannot be opened (nothing is printed).
bool PrintSheetOn(QPrinter& printer, QWidget& sheet);

// The same drawing on a painter already active on a printer, so that more
// pages (the full-size template) can follow in the same job.
void PaintSheetOn(QPainter& painter, QWidget& sheet);

} // namespace corvane::ui
