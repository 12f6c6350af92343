#pragma once

#include "fret_table.h"

#include <string>

namespace corvane::cli {

// Note names are written without the window's leading blank ("Ré").
//
// "slot,position,note,fret" then one line a slot (fret: the number a player
// counts); a field holding a comma, a
// quote or a line break is quoted, inner quotes doubled (RFC 4180).
std::string FormatCsv(const FretTable& table);

// {"length": "650", "scale": "...", "mode": "do", "slots": [{"slot": 9,
// "fret": 8, ...}, ...]}, UTF-8.
std::string FormatJson(const FretTable& table);

// A heading naming the scale and the length, then an aligned table whose
// first column is the fret number a player counts.
std::string FormatText(const FretTable& table);

} // namespace corvane::cli
