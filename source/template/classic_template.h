#pragma once

// The full-size template of one of the six classic scales: a straight
// board at true size, drawn from the texts the engine wrote (never from
// numbers computed again), so the template and the window agree to the
// last digit.

#include "drawing.h"
#include "drawing_unit.h"
#include "problem.h"
#include "template_words.h"

#include <optional>
#include <string>
#include <vector>

namespace corvane::drawing {

struct ClassicFret {
    int fretNumber = 0; // as a player counts (see fret::PlayerFretNumber)
    std::string positionText; // the position box's text
    std::string noteText; // the note box's text; empty without a mode
};

struct ClassicTemplateRequest {
    std::string scaleText; // the scale list item
    std::string modeText; // "Sol", "Do", or empty for no mode
    std::string lengthText; // the stored length, written like a position
    std::string decimalSeparator; // the one the texts are written with
    std::vector<ClassicFret> frets; // from the nut outwards
    Unit unit = Unit::Millimetre; // the unit the length was typed in
    double boardWidth = 60; // in the same unit
    std::string date; // as printed in the title block
    TemplateWords words; // the title block's and the board's, in the user's language
};

// The board width a request starts with: 60 mm in the request's unit.
double DefaultBoardWidth(Unit unit) noexcept;

struct ClassicTemplate {
    std::optional<Drawing> drawing;
    // When no drawing: no frets (NoScaleChosen), a length or width not above
    // zero (ClassicLengthNotPositive, BoardWidthNotPositive), a position that
    // is no number (PositionNotANumber: the text and the fret).
    std::optional<board::Problem> error;
};

// Refuses a request with no frets (no scale chosen), a length or board
// width that is not above zero, or a text that is not a number.
ClassicTemplate BuildClassicTemplate(const ClassicTemplateRequest& request);

// The title of the template's documents: "Template Tempérée Chromatique 650 mm".
std::string ClassicTemplateTitle(const ClassicTemplateRequest& request);

} // namespace corvane::drawing
