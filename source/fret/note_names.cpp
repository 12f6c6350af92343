#include "note_names.h"

#include "tempered.h"

namespace fret {

namespace {

// Index in the cycle of the open string's note.
int OpenStringNote(std::int16_t modeCode) noexcept
{
    return modeCode == 1 ? 7 /* Sol */ : 0 /* Do */;
}

std::string_view NoteAbove(std::int16_t modeCode, int semitones) noexcept
{
    return ChromaticNoteCycle[(OpenStringNote(modeCode) + semitones) % 12];
}

} // namespace

std::string_view DiatonicNoteName(FretSlot slot, std::int16_t modeCode) noexcept
{
    if (modeCode != 1 && modeCode != 2)
        return {};
    // The degrees of the second octave repeat those of the first: the names
    // follow the same semitone steps as the positions.
    const int degree = (slot - 1) % 8;
    return NoteAbove(modeCode, DiatonicSemitones(modeCode)[degree]);
}

std::string_view ChromaticNoteName(FretSlot slot, std::int16_t modeCode) noexcept
{
    if (modeCode != 1 && modeCode != 2)
        return {};
    return NoteAbove(modeCode, slot);
}

} // namespace fret
