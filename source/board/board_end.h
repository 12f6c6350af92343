#pragma once

// Where the board ends past its last fret: the closed outline that goes
// round it, square to the centre line or in an arc, E past the last fret
// along the centre line.

#include "layout.h"

#include <optional>
#include <vector>

namespace corvane::board {

// The outline from the bass nut corner along the bass edge, round the end
// and back along the treble edge to the treble nut corner. The edges run
// from the nut's corners to the last fret's; the centre line is the
// horizontal through axisY. An arc is a polyline within 0.001 mm of it.
std::vector<Point> BoardOutline(
    const Design& design, const Segment& bassEdge, const Segment& trebleEdge, double axisY);

// A square end that would cut through the last fret (on a fan, whose last
// fret slants), with the least end that clears it; nothing otherwise.
std::optional<DesignError> BoardEndProblem(const BoardLayout& board);

} // namespace corvane::board
