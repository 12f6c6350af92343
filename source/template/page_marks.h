#pragma once

// The marks that make a printed template trustworthy and assemblable: the
// calibration ruler, registration crosses, the cut/align line and the page
// label. They are ordinary lines and texts, drawn by the same renderer as
// the frets, so a print scaled by the printer shows on the ruler too.

#include "drawing.h"

#include <string>

namespace corvane::drawing {

// A 100 mm ruler with a tick every millimetre and a 4 in ruler with a tick
// every 1/16 in, one under the other, labelled, under the sentence that
// asks for a print at true size.
// topLeft is the top-left corner of the block; it is RulerBlockWidthMm wide
// and RulerBlockHeightMm high.
inline constexpr double RulerBlockWidthMm = 112.0;
inline constexpr double RulerBlockHeightMm = 27.0;
void AddCalibrationRuler(Drawing& page, Point topLeft, const std::string& printAtTrueSize);

// A cross of two 8 mm strokes centred on the point.
void AddRegistrationCross(Drawing& page, Point centre);

// "page 2/4", right-aligned on the point's baseline.
void AddPageLabel(Drawing& page, Point baselineRight, const std::string& label);

} // namespace corvane::drawing
