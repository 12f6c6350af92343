#pragma once

// A slotting program for a GRBL-class three-axis router: every fret slot
// cut with an end mill along the engine's fret line, in passes, from the
// nut outwards. Standard C++; the same layout as the template's.
//
// Units G21 (mm) or G20 (in) as the design's; absolute (G90), XY plane
// (G17). X runs along the board from the nut, Y across it towards the
// treble side, Z up from the board's face (Z = 0). Only cutting moves (G1)
// go below Z = 0, and no rapid (G0) goes below the safe height.

#include "layout.h"

#include <string>
#include <variant>
#include <vector>

namespace corvane::drawing {

enum class SlottingOrigin {
    NutCentre, // the middle of the nut
    NutBassCorner, // the nut's end on the bass edge of the board
};

// Lengths in millimetres, feeds in millimetres a minute.
struct SlottingParameters {
    double toolDiameterMm = 0.6;
    double slotDepthMm = 3.0;
    double passDepthMm = 1.0;
    double feedMmPerMinute = 300;
    double plungeFeedMmPerMinute = 60;
    double safeZMm = 5.0;
    // Each slot stops this far inside the board's edges (bound boards); 0
    // cuts through, running past each edge by the tool's radius.
    double bindingMarginMm = 0;
    double spindleRpm = 12000;
    SlottingOrigin origin = SlottingOrigin::NutCentre;
};

// The limits a program is refused beyond.
inline constexpr double MaxSlotDepthMm = 6.0;
inline constexpr double MaxToolDiameterMm = 2.0;
inline constexpr double MaxSlottedBoardMm = 1500.0;

// Why no program was written, as data; the value as the user gave it.
struct SlottingProblem {
    enum class Kind {
        SlotDepth, // not above 0, or over MaxSlotDepthMm
        PassDepth, // not above 0, or over the slot depth
        ToolDiameter, // not above 0, or over MaxToolDiameterMm
        Feed, // not above 0
        PlungeFeed, // not above 0
        SafeZ, // at or below 0
        BindingMargin, // below 0, or leaving nothing of a slot
        BoardTooLong, // a string longer than MaxSlottedBoardMm
    } kind
        = Kind::SlotDepth;
    double valueMm = 0; // in millimetres (a feed: per minute)
};

// The French sentence of a problem, its value given already written in the
// user's unit; the command translates the same patterns.
const char* SlottingProblemPattern(SlottingProblem::Kind kind) noexcept;

// The tool's path along each slot, in the layout's millimetres, in cutting
// order: what the program cuts and a preview draws.
std::vector<board::Segment> SlotPaths(
    const board::BoardLayout& board, const SlottingParameters& parameters);

// The tool's path along each slot, in the layout's millimetres, in cutting
// order: what the program cuts and a preview draws.
std::vector<board::Segment> SlotPaths(
    const board::BoardLayout& board, const SlottingParameters& parameters);

// The program, or why not.
std::variant<std::string, SlottingProblem> SlottingProgram(const board::BoardLayout& board,
    const SlottingParameters& parameters, const std::string& title);

} // namespace corvane::drawing
