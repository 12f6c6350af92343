#pragma once

// What the laser and the router need of a design beyond its board: kept
// with the design, saved in its file, the same for every front end. Lengths
// in millimetres, feeds in millimetres a minute.

#include "enum_table.h"

#include <array>
#include <optional>
#include <string_view>
#include <utility>

namespace corvane::board {

// The template's marks for cutting: slot outlines of the saw's width, fret
// lines prolonged for a slotting jig, the face dots, hairline SVG strokes.
struct CutOptions {
    double slotWidthMm = 0; // 0: no slot outlines
    double extendFretsMm = 0;
    bool markers = false;
    double markerDiameterMm = 6;
    bool hairline = false;
    friend bool operator==(const CutOptions&, const CutOptions&) = default;
};

enum class RouterOrigin {
    NutCentre, // the middle of the nut
    NutBassCorner, // the nut's end on the bass edge of the board
};

// An origin's name in design files and on the command line.
inline constexpr std::array<std::pair<RouterOrigin, std::string_view>, 2> RouterOriginNames = { {
    { RouterOrigin::NutCentre, "nut-centre" },
    { RouterOrigin::NutBassCorner, "nut-bass-corner" },
} };

constexpr std::string_view RouterOriginName(RouterOrigin origin)
{
    return NameIn(RouterOriginNames, origin);
}

constexpr std::optional<RouterOrigin> RouterOriginNamed(std::string_view name)
{
    return NamedIn(RouterOriginNames, name);
}

// The slotting program's values.
struct RouterValues {
    double toolDiameterMm = 0.6;
    double slotDepthMm = 3.0;
    double passDepthMm = 1.0;
    double feedMmPerMinute = 300;
    double plungeFeedMmPerMinute = 60;
    double safeZMm = 5.0;
    // The wood left between each slot's end and the board's edge, square to
    // the edge (bound boards); 0 cuts through, the cutter leaving the board.
    double bindingMarginMm = 0;
    double spindleRpm = 12000;
    RouterOrigin origin = RouterOrigin::NutCentre;
    // The length of the router's travel along X: a longer board is cut in
    // parts, moved between them; 0 when the whole board fits.
    double bedLengthMm = 0;
    // For a board radiused before it is slotted: every slot kept the slot
    // depth under the curved face, Z varying along it.
    bool followRadius = false;
    friend bool operator==(const RouterValues&, const RouterValues&) = default;
};

} // namespace corvane::board
