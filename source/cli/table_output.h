#pragma once

#include "fret_table.h"

#include <string>

namespace corvane::cli {

// "slot,position,note" then one line a slot; a field holding a comma, a
// quote or a line break is quoted, inner quotes doubled (RFC 4180).
std::string FormatCsv(const FretTable& table);

// {"length": "650", "scale": "...", "mode": "do", "slots": [...]}, UTF-8.
std::string FormatJson(const FretTable& table);

// A heading naming the scale and the length, then an aligned table.
std::string FormatText(const FretTable& table);

} // namespace corvane::cli
