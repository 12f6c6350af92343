#pragma once

#include "currency.h"
#include "read_number.h"

#include <cstdint>
#include <string>
#include <vector>

namespace corvane::cli {

enum class Mode { Sol, Do, None };

// One row of the table: what the position box and the note box show.
struct FretRow {
    int slot;
    std::string position;
    std::string note;
    int fret = 0; // as a player counts: diatonic slots 9 to 15 are frets 8 to 14
};

struct FretTable {
    std::string lengthText; // the stored length, written like a position
    std::string scaleText; // the scale list item
    Mode mode;
    std::vector<FretRow> rows; // in ascending slot order
};

// The classic engine's positions for the length as the length box reads it
// (lengthInput says whether it may have a decimal comma), the mode and the
// scale list item. Throws fret::RuntimeError on a length out of range or a
// computation that overflows.
FretTable ComputeFretTable(const std::string& lengthText, const std::string& scaleText, Mode mode,
    const std::string& decimalSeparator,
    fret::DecimalInput lengthInput = fret::DecimalInput::PeriodOnly);

} // namespace corvane::cli
