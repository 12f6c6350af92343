#pragma once

// --strings-report: one row per string, bass first: its pitch, length,
// unit weight, tension, string constants, setbacks and intonation.

#include "layout.h"

#include <string>

namespace corvane::cli {

std::string FormatStringsText(const board::BoardLayout& board, const std::string& separator);
std::string FormatStringsCsv(const board::BoardLayout& board, const std::string& separator);
std::string FormatStringsJson(const board::BoardLayout& board);

} // namespace corvane::cli
