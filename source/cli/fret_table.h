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
    std::string scaleText;  // the scale list item
    Mode mode;
    std::vector<FretRow> rows; // in ascending slot order
};

// Runs the same steps as the window on an in-memory window: the length
// text into the length box, the mode into the mode list, the scale into
// the scale list. lengthInput says whether the length may have a decimal
// comma. Throws fret::RuntimeError on a length out of range or a
// computation that overflows.
FretTable ComputeFretTable(const std::string& lengthText, const std::string& scaleText, Mode mode,
                           const std::string& decimalSeparator,
                           fret::DecimalInput lengthInput = fret::DecimalInput::PeriodOnly);

} // namespace corvane::cli
