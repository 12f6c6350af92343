#pragma once

// A slotting program for a GRBL-class three-axis router: every fret slot
// cut with an end mill along the engine's fret line, in passes, from the
// nut outwards. Standard C++; the same layout as the template's.
//
// Millimetres (G21) for designs in millimetres or centimetres, inches (G20)
// for designs in inches: every coordinate, depth, height and feed in the
// unit the program declares. Absolute (G90), XY plane (G17). X runs along
// the board from the nut, Y across it towards the treble side (the bass
// side on a left-handed board): the board's face as the template draws it,
// seen from above. Z runs up from the board's face (Z = 0). Only cutting moves (G1) go below Z = 0,
// and no rapid (G0) goes below the safe height.

#include "design.h"
#include "layout.h"

#include <string>
#include <variant>
#include <vector>

namespace corvane::drawing {

// The passes a slot of the router's depth takes; a program is refused
// beyond.
inline constexpr int MaxPassesPerSlot = 100;
// The longest string a small router's table covers.
inline constexpr double MaxSlottedBoardMm = 1500.0;

// The first router value this board cannot be slotted with, or nothing: a
// value out of its range (the field table's), a pass that would take more
// than MaxPassesPerSlot passes or go deeper than the slot, a margin that
// leaves nothing of a slot, a board too long. The error's field is the
// design file's key ("router.pass_depth"; "bass_length" for the board).
std::optional<board::DesignError> SlottingProblem(
    const board::BoardLayout& board, const board::RouterValues& router);

// The tool's path along each slot, in the layout's millimetres, in cutting
// order: what the program cuts and a preview draws. The values must be
// usable (SlottingProblem).
std::vector<board::Segment> SlotPaths(
    const board::BoardLayout& board, const board::RouterValues& router);

// The program with the board's own router values, or why not: the whole
// board in one program, whatever the bed length.
std::variant<std::string, board::DesignError> SlottingProgram(
    const board::BoardLayout& board, const std::string& title);

// The programs for the router's bed: one when its length is 0 or the board
// fits it; otherwise one per part, in order, each saying in its header how
// to move the board and where to set X zero again. Together they cut
// exactly the slots of the whole program.
std::variant<std::vector<std::string>, board::DesignError> SlottingPrograms(
    const board::BoardLayout& board, const std::string& title);

// Where part N of a split program is written: "neck.nc" -> "neck-2.nc".
std::string PartFileName(const std::string& path, std::size_t part);

} // namespace corvane::drawing
