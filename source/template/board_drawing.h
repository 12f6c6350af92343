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
    // For the laser and the CNC:
    double slotWidthMm = 0; // above 0: each fret's slot as a closed outline of this width
    double extendFretsMm = 0; // each fret line prolonged this far past both edges
    bool markers = false; // the usual face dots
    double markerDiameterMm = 6;

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

// What a laser or a router can use of the cut options; 0 turns slots off.
inline constexpr double MinSlotWidthMm = 0.1; // or 0: no slots
inline constexpr double MaxSlotWidthMm = 5.0; // a wider slot is a mistyped unit
inline constexpr double MaxFretExtensionMm = 100.0;
inline constexpr double MinMarkerDiameterMm = 1.0;
inline constexpr double MaxMarkerDiameterMm = 20.0;

// The first cut option out of its range, or nothing; its field is
// "slot_width", "extend_frets" or "marker_diameter", its values in the unit.
std::optional<board::DesignError> CutOptionsProblem(
    const BoardDrawingOptions& options, board::Unit unit);

// The frets between which the face dots stand (a dot midway between the
// two), the first of each pair; the pairs in DoubleMarkers get two dots.
inline constexpr int SingleMarkers[] = { 2, 4, 6, 8, 14, 16, 18, 20 };
inline constexpr int DoubleMarkers[] = { 11, 23 };

// The board at true size, nut on the left, bass string at the top. The
// drawing's datum is the middle of the nut.
Drawing BoardDrawing(const board::BoardLayout& board, const BoardDrawingOptions& options = {});

// "Gabarit 12-EDO 650 mm", "Gabarit 12-EDO 889 à 864 mm".
std::string BoardTemplateTitle(const board::BoardLayout& board,
    const std::string& decimalSeparator = ".", const TemplateWords& words = {});

} // namespace corvane::drawing
