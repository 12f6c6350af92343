#pragma once

// A slotting program split for a router whose bed covers less than the
// board: consecutive slots from the nut, as many in each part as fit
// within the bed's length along X together with the point the part's X
// zero is set on (the origin for the first part; for the others, the last
// slot the previous part cut, where it crosses the centre line, found by
// lowering the cutter into it after moving the board).

#include "design.h"
#include "layout.h"

#include <variant>
#include <vector>

namespace corvane::drawing {

struct ProgramPart {
    std::size_t firstSlot = 0; // an index into the slotted frets and their paths
    std::size_t lastSlot = 0; // included
    // Where X is zeroed, in layout coordinates: the origin, or the point of
    // referenceSlot on the centre line.
    board::Point zero;
    std::optional<std::size_t> referenceSlot;
};

// The parts, in cutting order: one when the bed length is 0 or the whole
// board fits; a problem naming router.bed_length when one slot and its
// reference do not fit.
std::variant<std::vector<ProgramPart>, board::DesignError> SplitForBed(
    const board::BoardLayout& board, const std::vector<board::Segment>& frets,
    const std::vector<board::Segment>& paths, board::Point origin, double bedLengthMm);

} // namespace corvane::drawing
