#pragma once

// The six classic scales for everything that is not the classic window: one
// typed function from a scale, a mode and a length to the positions as the
// window would write them. The window itself goes through FretCalculator
// and its controls; both compute with the same catalogue, so the digits are
// the same.

#include "currency.h"
#include "fret_slots.h"
#include "read_number.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fret {

// The mode list's codes: none chosen, " Sol", " Do".
enum class ClassicMode : std::int16_t { None = 0, Sol = 1, Do = 2 };

struct ClassicPosition {
    FretSlot slot;
    int fret; // as a player counts: diatonic slots 9 to 15 are frets 8 to 14
    std::string position; // the position box's text
    std::string_view note; // the note box's text (" Ré"), empty without a mode
};

// A length typed as the length box reads it, stored as the window stores
// it. Throws RuntimeError as the window reports a length out of range.
Currency ClassicLength(std::string_view text, DecimalInput input);
// A length already read (a board's), stored the same way.
Currency ClassicLength(double value);

// The positions of ScaleCatalogue[scaleIndex] for the length, in slot
// order. Throws RuntimeError where the window would. The caller's
// floating-point flags neither count against the computation (they stand
// for its overflow check) nor are lost.
std::vector<ClassicPosition> ClassicPositions(
    std::size_t scaleIndex, ClassicMode mode, Currency length, std::string_view separator);

} // namespace fret
