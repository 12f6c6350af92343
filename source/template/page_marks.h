#pragma once

// The marks that make a printed template trustworthy and assemblable: the
// calibration ruler, registration crosses, the cut/align line and the page
// label. They are ordinary lines and texts, drawn by the same renderer as
// the frets, so a print scaled by the printer shows on the ruler too.

#include "drawing.h"

#include <string>

namespace corvane::drawing {

inline constexpr std::string_view PrintAtTrueSizeText =
    "Imprimer à 100 % (taille réelle) : vérifiez la règle avant de scier.";

// A 100 mm ruler with a tick every millimetre and a 4 in ruler with a tick
// every 1/16 in, one under the other, labelled, under the sentence above.
// topLeft is the top-left corner of the block; it is RulerBlockWidthMm wide
// and RulerBlockHeightMm high.
inline constexpr double RulerBlockWidthMm = 112.0;
inline constexpr double RulerBlockHeightMm = 27.0;
void AddCalibrationRuler(Drawing& page, Point topLeft);

// A cross of two 8 mm strokes centred on the point.
void AddRegistrationCross(Drawing& page, Point centre);

// "page 2/4", right-aligned on the point's baseline.
void AddPageLabel(Drawing& page, Point baselineRight, int pageNumber, int pageCount);

} // namespace corvane::drawing
