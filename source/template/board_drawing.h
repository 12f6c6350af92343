#pragma once

// The full-size template of a computed fretboard, straight or fanned: nut,
// frets, saddle, strings and the board's outline where the layout puts
// them, with fret numbers, note names and distances from the nut.

#include "drawing.h"
#include "drawing_unit.h"
#include "layout.h"
#include "template_words.h"

#include <string>

namespace corvane::drawing {

struct BoardDrawingOptions {
    bool labels = true; // fret numbers, notes, distances
    bool titleBlock = true;
    std::string decimalSeparator = ".";
    std::string date; // as printed in the title block
    TemplateWords words; // in the interface's language
};

// The board at true size, nut on the left, bass string at the top. The
// drawing's datum is the middle of the nut.
Drawing BoardDrawing(const board::BoardLayout& board, const BoardDrawingOptions& options = {});

// "Gabarit 12-EDO 650 mm", "Gabarit 12-EDO 889 à 864 mm".
std::string BoardTemplateTitle(const board::BoardLayout& board,
    const std::string& decimalSeparator = ".", const TemplateWords& words = {});

} // namespace corvane::drawing
