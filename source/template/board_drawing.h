#pragma once

// The full-size template of a computed fretboard, straight or fanned: nut,
// frets, saddle, strings and the board's outline where the layout puts
// them, with fret numbers, note names and distances from the nut.

#include "drawing.h"
#include "drawing_unit.h"
#include "layout.h"
#include "template_words.h"
#include "title_block.h"

#include <optional>
#include <string>
#include <vector>

namespace corvane::drawing {

struct BoardDrawingOptions {
    bool labels = true; // fret numbers, notes, distances
    bool titleBlock = true;
    std::string decimalSeparator = ".";
    std::string date; // as printed in the title block
    TemplateWords words; // in the interface's language
    // For the laser and the CNC: slot outlines, fret lines prolonged past
    // both edges, face dots (the design's own, usually).
    board::CutOptions cut;

    // Labels written by another engine, to be printed as they are (the
    // classic scales': the window's own fret numbers, notes and positions)
    // instead of the layout's; one of each per fret.
    struct GivenLabels {
        std::vector<std::string> numbers;
        std::vector<std::string> notes; // empty texts: no note
        std::vector<std::string> distances;
        std::string saddleDistance; // printed at the saddle
    };
    std::optional<GivenLabels> givenLabels;
    std::optional<TitleBlockText> givenTitle; // the title block's lines, when given
};

// A face dot in the space behind `fret` (between it and the one before, or
// the nut), two across the board at each period's end.
struct FaceDot {
    int fret = 0;
    bool double_ = false;
    friend bool operator==(const FaceDot&, const FaceDot&) = default;
};

// Where the face dots go: the frets nearest in pitch to those a 12-tone
// guitar dots (300, 500, 700 and 900 cents above each period's start, two
// dots at its end), period after period: 3, 5, 7, 9, 12, 15… in 12-EDO.
// A classic scale's two-octave period counts as two octaves.
std::vector<FaceDot> FaceDots(const board::BoardLayout& board);

// The board at true size, its face seen nut on the left (a right-handed
// board's treble string at the top, a left-handed one's bass). The
// drawing's datum is the middle of the nut.
Drawing BoardDrawing(const board::BoardLayout& board, const BoardDrawingOptions& options = {});

// "Gabarit 12-EDO 650 mm", "Gabarit 12-EDO 889 à 864 mm".
std::string BoardTemplateTitle(const board::BoardLayout& board,
    const std::string& decimalSeparator = ".", const TemplateWords& words = {});

} // namespace corvane::drawing
