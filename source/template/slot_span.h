#pragma once

// Where a slot ends: the part of a line across the board that lies a given
// distance inside both of its edges, measured square to each edge. The
// template's blind slots and the router's path share it, so that they stop
// at the same place.

#include "layout.h"

#include <optional>
#include <vector>

namespace corvane::drawing {

// The part of `line` (a fret, or a line beside it) at least `insetMm`
// inside the bass and treble edges, square to each; a negative inset
// reaches past the edges. Nothing when no part is that far inside both.
std::optional<board::Segment> SpanInside(
    const board::BoardLayout& board, const board::Segment& line, double insetMm);

// The fret lines that get slots, in order from the nut: a zero fret's
// first (slot 0), then every fret's.
std::vector<board::Segment> SlottedFrets(const board::BoardLayout& board);
// The number of the first of them: 0 with a zero fret, else 1.
int FirstSlotNumber(const board::BoardLayout& board) noexcept;

} // namespace corvane::drawing
