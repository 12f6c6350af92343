#pragma once

#include <array>
#include <string>

namespace fret {

// A result slot, 1 to 24. Slot n shows its fret position in the box "Textn"
// and its note name in the box "Text(n+24)".
using FretSlot = int;

inline constexpr int SlotCount = 24;

// Two octaves of seven degrees; slots 7 and 15 are the octave frets.
inline constexpr std::array<FretSlot, 14> DiatonicSlots { 1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13,
    14, 15 };
// The slots only a chromatic scale uses.
inline constexpr std::array<FretSlot, 10> ChromaticOnlySlots { 8, 16, 17, 18, 19, 20, 21, 22, 23,
    24 };

// The fret number a player counts for a slot: a chromatic slot is its
// semitone; the diatonic slots 1 to 7 and 9 to 15 are frets 1 to 14 (slot 8
// is not a diatonic fret). 0 for a slot the scale does not use.
constexpr int PlayerFretNumber(bool diatonic, FretSlot slot) noexcept
{
    if (slot < 1 || slot > SlotCount)
        return 0;
    if (!diatonic)
        return slot;
    if (slot <= 7)
        return slot;
    if (slot >= 9 && slot <= 15)
        return slot - 1;
    return 0;
}

inline std::string PositionBox(FretSlot slot)
{
    return "Text" + std::to_string(slot);
}
inline std::string NoteBox(FretSlot slot)
{
    return "Text" + std::to_string(slot + SlotCount);
}

} // namespace fret
