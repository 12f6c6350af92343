#pragma once

#include "currency.h"
#include "slot_texts.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace fret {

// What the last recognised scale choice was: none yet, diatonic (14 frets
// over two octaves) or chromatic (24 frets).
enum : std::int16_t {
    NoScaleKind = 0,
    DiatonicScaleKind = 1,
    ChromaticScaleKind = 2,
};

using ScaleComputation
    = SlotTexts (*)(Currency vibratingLength, std::int16_t modeCode, std::string_view separator);

struct ScaleChoice {
    std::string_view text; // the list item, compared exactly, blanks included
    std::int16_t kind;
    ScaleComputation compute;
};

// The six scales, in the order the scale list offers them.
extern const std::array<ScaleChoice, 6> ScaleCatalogue;

// The entry whose text equals the given text character for character
// (case, accents and blanks count), or nullptr.
const ScaleChoice* FindScaleChoice(std::string_view text) noexcept;

} // namespace fret
