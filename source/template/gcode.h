#pragma once

// A slotting program for a GRBL-class three-axis router: every fret slot
// cut with an end mill along the engine's fret line, in passes, from the
// nut outwards. Standard C++; the same layout as the template's.
//
// Millimetres (G21) for designs in millimetres or centimetres, inches (G20)
// for designs in inches: every coordinate, depth, height and feed in the
// unit the program declares. Absolute (G90), XY plane (G17). X runs along
// the board from the nut, Y across it towards the treble side, Z up from
// the board's face (Z = 0). Only cutting moves (G1) go below Z = 0, and no
// rapid (G0) goes below the safe height.

#include "design.h"
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
    // The wood left between each slot's end and the board's edge, square to
    // the edge (bound boards); 0 cuts through, the cutter leaving the board.
    double bindingMarginMm = 0;
    double spindleRpm = 12000;
    SlottingOrigin origin = SlottingOrigin::NutCentre;
    friend bool operator==(const SlottingParameters&, const SlottingParameters&) = default;
};

// What a small router and its end mills allow; a program is refused
// beyond. Millimetres, feeds in millimetres a minute.
inline constexpr double MinToolDiameterMm = 0.1;
inline constexpr double MaxToolDiameterMm = 2.0;
inline constexpr double MinSlotDepthMm = 0.5;
inline constexpr double MaxSlotDepthMm = 6.0;
inline constexpr double MinPassDepthMm = 0.05;
inline constexpr int MaxPassesPerSlot = 100;
inline constexpr double MinFeedMmPerMinute = 1.0;
inline constexpr double MaxFeedMmPerMinute = 20000.0;
inline constexpr double MinSafeZMm = 1.0;
inline constexpr double MaxSafeZMm = 50.0;
inline constexpr double MinBindingMarginMm = 0.1; // or 0: through
inline constexpr double MaxBindingMarginMm = 25.0;
inline constexpr double MaxSlottedBoardMm = 1500.0;

// The first value a router cannot use, or nothing. The error's field names
// the value ("slot_depth", "pass_depth", "tool_diameter", "feed",
// "plunge_feed", "safe_z", "binding_margin"; "bass_length" for a board too
// long); its values are written in the design's unit.
std::optional<board::DesignError> SlottingParametersProblem(
    const board::BoardLayout& board, const SlottingParameters& parameters);

// The tool's path along each slot, in the layout's millimetres, in cutting
// order: what the program cuts and a preview draws. The parameters must
// be usable (SlottingParametersProblem).
std::vector<board::Segment> SlotPaths(
    const board::BoardLayout& board, const SlottingParameters& parameters);

// The program, or why not.
std::variant<std::string, board::DesignError> SlottingProgram(const board::BoardLayout& board,
    const SlottingParameters& parameters, const std::string& title);

} // namespace corvane::drawing
