#pragma once

// --strings-report: one row per string, bass first: its pitch, length,
// unit weight, tension, string constants, setbacks and intonation.

#include "layout.h"

#include <string>
#include <vector>

namespace corvane::cli {

// Why a string's computed compensation or fretlets were not used, one
// sentence a string and problem, in the user's language.
std::vector<std::string> StringProblemsSaid(const board::BoardLayout& board);

// Lengths in the design's unit in text, in millimetres in csv and json
// (their keys say so).
std::string FormatStringsText(const board::BoardLayout& board, const std::string& separator);
std::string FormatStringsCsv(const board::BoardLayout& board, const std::string& separator);
std::string FormatStringsJson(const board::BoardLayout& board);

} // namespace corvane::cli
