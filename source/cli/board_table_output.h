#pragma once

// The table of a computed fretboard: one row per fret and string.

#include "layout.h"

#include <string>

namespace corvane::cli {

// Lengths in the design's unit with four decimals, ratios with six, cents
// with three; in inches also the nearest 1/64 in and its error. The
// separator is the decimal separator of text and csv; json numbers always
// use a period.
std::string FormatBoardText(const board::BoardLayout& board, const std::string& separator);
std::string FormatBoardCsv(const board::BoardLayout& board, const std::string& separator);
std::string FormatBoardJson(const board::BoardLayout& board);

} // namespace corvane::cli
