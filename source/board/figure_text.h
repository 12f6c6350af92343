#pragma once

// The figures of a board as the user reads them: fixed decimals, a chosen
// decimal separator, and a classic scale's own digits where it has them.
// One place, so that the command's table, the template's labels and the
// Atelier's table never disagree on a digit.

#include "layout.h"

#include <string>
#include <string_view>

namespace corvane::board {

inline constexpr int LengthDecimals = 4;
inline constexpr int RatioDecimals = 6;
inline constexpr int CentsDecimals = 3;
inline constexpr int InchErrorDecimals = 5;
inline constexpr int ErrorCentsDecimals = 2; // a fretted note's error

// value with exactly `decimals` decimals, rounded to nearest; a value that
// rounds to zero has no sign.
std::string FixedText(double value, int decimals, std::string_view separator = ".");

// value to four decimals without trailing zeros ("650", "25.5"): for titles.
std::string ShortText(double value, std::string_view separator = ".");

// How far the nearest 1/64 in lies from the exact distance, signed ("+0.00312",
// "-0.00117", "0.00000").
std::string InchErrorText(double errorInches, std::string_view separator = ".");

// A length in millimetres shown in the unit, with it: "650 mm", "25.5 in".
std::string LengthWithUnitText(double millimetres, Unit unit, std::string_view separator = ".");

// A row's distance from the nut in the design's unit, four decimals; a
// classic scale's position keeps the classic window's digits, a fifth
// decimal included.
std::string FromNutText(
    const BoardLayout& board, const FretOnString& row, std::string_view separator = ".");

} // namespace corvane::board
