#pragma once

// The face of a radiused board: a cylinder, or a cone whose radius grows
// from the nut to the last fret in proportion to the distance along the
// centre line (a compound radius). Across the board, the face is an arc of
// that radius through the centre line; the edges lie lower by the arc's
// sagitta.

#include "layout.h"

#include <optional>
#include <vector>

namespace corvane::board {

// The radius at a distance from the nut along the centre line, the last
// fret being `lastFretFromNutMm` from it; 0 on a flat board.
double RadiusAtMm(const Design& design, double fromNutMm, double lastFretFromNutMm) noexcept;

// How far below the middle of the face a point `offAxisMm` from it lies:
// r - sqrt(r^2 - d^2). Nothing when the arc does not reach that far.
std::optional<double> DropMm(double radiusMm, double offAxisMm) noexcept;

// The face across the board where it is measured: at the nut, or where a
// fret crosses the centre line.
struct FaceSection {
    int fret = 0; // 0: the nut
    double fromNutMm = 0; // along the centre line
    double widthMm = 0; // edge to edge, square to the centre line
    double radiusMm = 0;
};

// The nut's section and each fret's, in order (flat boards too, radius 0).
std::vector<FaceSection> FaceSections(const BoardLayout& board);

// Where a radius is smaller than half the board's width it has to cover:
// the field at fault, or nothing. Checked at the nut and the last fret,
// between which the width and the radius both change linearly.
std::optional<DesignError> RadiusProblem(const BoardLayout& board);

// The depth of the face below the centre line's height at a point of the
// drawing (layout coordinates), a point past an edge taking the edge's; 0 on
// a flat board.
double FaceDropAtMm(const BoardLayout& board, Point at) noexcept;

} // namespace corvane::board
