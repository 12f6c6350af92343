#include "pitch.h"

#include "maths.h"
#include "text_encoding.h"

#include "plain_number.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>

namespace corvane::board {

namespace {

std::optional<double> Frequency(std::string_view text) noexcept
{
    if (text.size() >= 2) {
        const char h = text[text.size() - 2], z = text.back();
        if ((h == 'H' || h == 'h') && (z == 'z' || z == 'Z'))
            text = Trimmed(text.substr(0, text.size() - 2));
    }
    return ReadPlainNumber(text);
}

} // namespace

double NoteFrequency(int midiNote, double referenceA4Hz) noexcept
{
    return referenceA4Hz * maths::Exp2(static_cast<double>(midiNote - 69) / 12.0);
}

bool PitchInRange(double hz) noexcept
{
    return std::isfinite(hz) && hz >= MinPitchHz && hz <= MaxPitchHz;
}

std::optional<Pitch> ParsePitch(std::string_view text, double referenceA4Hz)
{
    const auto pitch = ReadPitch(text, referenceA4Hz);
    if (!pitch || !PitchInRange(pitch->frequencyHz))
        return std::nullopt;
    return pitch;
}

std::optional<Pitch> ReadPitch(std::string_view text, double referenceA4Hz)
{
    text = Trimmed(text);
    if (text.empty())
        return std::nullopt;
    constexpr std::array<int, 7> FromC = { 9, 11, 0, 2, 4, 5, 7 }; // A B C D E F G
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(text.front())));
    if (letter < 'A' || letter > 'G') {
        const auto hz = Frequency(text);
        if (!hz || !std::isfinite(*hz))
            return std::nullopt;
        return Pitch { *hz, std::nullopt };
    }
    int pitchClass = FromC[static_cast<std::size_t>(letter - 'A')];
    text.remove_prefix(1);
    // One accidental: # or b, or their signs.
    if (text.starts_with("#")) {
        ++pitchClass;
        text.remove_prefix(1);
    } else if (text.starts_with("\xE2\x99\xAF")) { // ♯
        ++pitchClass;
        text.remove_prefix(3);
    } else if (text.starts_with("b")) {
        --pitchClass;
        text.remove_prefix(1);
    } else if (text.starts_with("\xE2\x99\xAD")) { // ♭
        --pitchClass;
        text.remove_prefix(3);
    }
    int octave = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), octave);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || octave < -1
        || octave > 9)
        return std::nullopt;
    const int midi = 12 * (octave + 1) + pitchClass;
    return Pitch { NoteFrequency(midi, referenceA4Hz), midi };
}

std::string PitchName(int midiNote)
{
    static constexpr std::array<const char*, 12> Names
        = { "C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B" };
    const int octave = (midiNote >= 0 ? midiNote / 12 : (midiNote - 11) / 12) - 1;
    const int pitchClass = ((midiNote % 12) + 12) % 12;
    return std::string(Names[static_cast<std::size_t>(pitchClass)]) + std::to_string(octave);
}

} // namespace corvane::board
