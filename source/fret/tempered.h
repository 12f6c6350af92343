#pragma once

#include "currency.h"
#include "slot_texts.h"

#include <cstdint>
#include <string_view>

namespace fret {

// The length ratio of one equal-tempered semitone, as the literal with 13
// decimals the stored lengths were always computed with. It is not
// 2^(-1/12) evaluated at run time, which is smaller by about 6.5e-15.
inline constexpr double TemperedRatio = 0.9438743126817;

// Fret n leaves a vibrating length of L * TemperedRatio^n; the position is
// L minus that length, rounded to four decimals before the exact
// subtraction. Diatonic: slots 1-7 and 9-15, the seventh degree a whole tone
// below the octave when modeCode is 1, a semitone below it otherwise.
SlotTexts ComputeTemperedDiatonic(
    Currency vibratingLength, std::int16_t modeCode, std::string_view separator);
SlotTexts ComputeTemperedChromatic(
    Currency vibratingLength, std::int16_t modeCode, std::string_view separator);

// The number of semitones between the open string and each diatonic degree
// 2 to 8 of the first octave; the seventh depends on the mode.
const std::int16_t* DiatonicSemitones(std::int16_t modeCode) noexcept;

} // namespace fret
