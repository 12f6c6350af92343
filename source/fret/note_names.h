#pragma once

#include "fret_slots.h"

#include <cstdint>
#include <string_view>

namespace fret {

// French note names, each with exactly one leading blank: " Do", " Do#",
// " Ré", ... " Si". Sharps only, never flats.
inline constexpr std::string_view ChromaticNoteCycle[12]
    = { " Do", " Do#", " Ré", " Ré#", " Mi", " Fa", " Fa#", " Sol", " Sol#", " La", " La#", " Si" };

// The note a slot names, or an empty view while no mode has been chosen
// (modeCode 0): mode 1 names the open string Sol, mode 2 names it Do.
std::string_view DiatonicNoteName(FretSlot slot, std::int16_t modeCode) noexcept;
std::string_view ChromaticNoteName(FretSlot slot, std::int16_t modeCode) noexcept;

} // namespace fret
