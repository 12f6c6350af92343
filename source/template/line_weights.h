#pragma once

// Pen widths and text sizes shared by every template, in millimetres, so
// that the classic and the fretboard templates print alike. The Atelier's
// view ranks labels by size, so fret numbers stay the largest texts.

namespace corvane::drawing {

inline constexpr double FretLineMm = 0.2;
inline constexpr double NutLineMm = 0.5;
inline constexpr double EdgeLineMm = 0.3;
inline constexpr double StringLineMm = 0.15; // strings, the centre line, grids
inline constexpr double FretNumberHeightMm = 3.0;
inline constexpr double NoteHeightMm = 2.5;

} // namespace corvane::drawing
