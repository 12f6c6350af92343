#pragma once

// One straight saddle for strings whose computed compensation wants each
// its own setback: the line across them that plays best, least squares
// over the strings' RMS errors (not over millimetres: a string whose error
// grows fast with its setback weighs more). Two pieces, one for the wound
// strings and one for the plain, as classical and some steel-string
// saddles are made.

#include "layout.h"

#include <optional>
#include <vector>

namespace corvane::board {

// Fits the saddle the design's stringing asks for (none, one, two-piece)
// into the board's pieces, or says why not; each string's report gets its
// setback, RMS and worst error on it.
void FitStraightSaddle(BoardLayout& board, const std::vector<double>& fretRatios, int fitFrets);

} // namespace corvane::board
