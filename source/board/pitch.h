#pragma once

// Open-string pitches as files and users write them: scientific pitch names
// ("E2", "F#3", "Bb1"; C4 is middle C) or a frequency ("110 Hz", "110").

#include <optional>
#include <string>
#include <string_view>

namespace corvane::board {

inline constexpr double DefaultReferenceA4Hz = 440.0;
inline constexpr double MinReferenceA4Hz = 300.0;
inline constexpr double MaxReferenceA4Hz = 600.0;
// Beyond, no string of an instrument sounds.
inline constexpr double MinPitchHz = 8.0;
inline constexpr double MaxPitchHz = 20000.0;

struct Pitch {
    double frequencyHz = 0;
    std::optional<int> midiNote; // when given by name (A4 = 69)
};

// The pitch of a name at the given A4, or of a frequency; nothing when the
// text is neither, or lies outside MinPitchHz..MaxPitchHz.
std::optional<Pitch> ParsePitch(std::string_view text, double referenceA4Hz = DefaultReferenceA4Hz);
// The same at any frequency, for a message that names it.
std::optional<Pitch> ReadPitch(std::string_view text, double referenceA4Hz = DefaultReferenceA4Hz);
bool PitchInRange(double hz) noexcept;

// "E2", "F#3": the name files keep, sharps for the black keys.
std::string PitchName(int midiNote);

// The frequency of a MIDI note at the given A4.
double NoteFrequency(int midiNote, double referenceA4Hz = DefaultReferenceA4Hz) noexcept;

} // namespace corvane::board
