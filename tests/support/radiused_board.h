#pragma once

// The radiused board the tests work by hand: 648 mm, 22 frets, 43 mm wide
// all along (strings parallel), so that its half-width is 21.5 mm at every
// fret, with the radius at the nut and at the last fret given.

#include "design.h"

namespace corvane::testing_support {

inline board::Design RadiusedBoard(double nutRadiusMm, double lastFretRadiusMm)
{
    board::Design design;
    design.bassLengthMm = design.trebleLengthMm = 648;
    design.frets = 22;
    design.bridgeSpacingMm = design.nutWidthMm - 2 * design.nutOverhangMm;
    design.lastFretOverhangMm = design.nutOverhangMm;
    design.radiusNutMm = nutRadiusMm;
    design.radiusLastFretMm = lastFretRadiusMm;
    return design;
}

} // namespace corvane::testing_support
