#pragma once

// Fret positions computed from their definitions in 113-bit arithmetic,
// independently of the engine's double and Currency steps, for checking
// what the engine writes.
//
// What "exact" means here. Each position the engine shows comes from a
// four-decimal length through double arithmetic and one rounding to four
// decimals (or, for a fret halfway between two others, from two such
// positions, halved in double and written to 15 significant digits). The
// reference is the same formula in exact arithmetic from the same
// four-decimal inputs: the stored length L, the fourth taken as 1.3333 as
// the program defines it, and, for the second octave of the ratio
// tunings, the half length the octave slot shows (itself checked against
// L / 2). The tempered ratio is the 13-decimal literal.
//
// How far the shown text may be from it (AllowedError):
//   - 0.00005, half a unit of the fourth decimal: the rounding to four
//     decimals (a halfway fret averages two such roundings, so the same);
//   - plus the double arithmetic before that rounding, relative to the
//     length: the length and the ratio each carry 2^-53, Power one ulp
//     (2^-52) and each product or quotient 2^-53, so the tempered fret n
//     carries at most (n + 6) * 2^-53 * |L| and the ratio frets less;
//     32 * 2^-53 * |L| covers every slot. For a length of 10 000 this is
//     3.6e-11; only lengths beyond about 10^10 make it visible in the
//     fourth decimal, and at the top of the Currency range, where doubles
//     are 0.125 apart, it reaches about 3;
//   - plus, for a halfway fret written with DoubleText, the rounding to 15
//     significant digits, at most 5e-15 of the value (nothing below 10^10,
//     where all five decimals fit in 15 digits).
// The reference's own error (113-bit, about 30 roundings) is below
// 2^-105 * |L| and needs no allowance beyond the factor 32's spare.

#include "fuzz_checks.h"

#include <array>
#include <cstdint>

namespace corvane::fuzz {

enum class Tuning { Tempered, Natural, Pythagorean };

struct ExactPosition {
    Quad value;
    bool halfway; // between two frets, written from a double with DoubleText
};

// Semitones above the open string of the diatonic slots 1 to 7 (slots 9 to
// 15 are 12 more): the seventh degree is a whole tone below the octave in
// mode 1 (" Sol"), a semitone below it otherwise.
inline int DiatonicSemitone(int slot, int modeCode)
{
    constexpr std::array<int, 7> sol { 2, 4, 5, 7, 9, 10, 12 };
    constexpr std::array<int, 7> other { 2, 4, 5, 7, 9, 11, 12 };
    const auto& steps = modeCode == 1 ? sol : other;
    return slot <= 7 ? steps[static_cast<std::size_t>(slot - 1)]
                     : steps[static_cast<std::size_t>(slot - 9)] + 12;
}

inline Quad LengthValue(std::int64_t count)
{
    return QuadFromInt(count) / QuadFromInt(10000);
}

inline Quad AllowedError(std::int64_t count, const ExactPosition& position, Quad shown)
{
    const Quad u = QuadFromInt(1) / QuadFromInt(Int128 { 1 } << 53);
    Quad allowed = QuadFromInt(5) / QuadFromInt(100000) + 32 * u * QuadAbs(LengthValue(count));
    if (position.halfway)
        allowed += QuadFromInt(5) / QuadFromInt(1000000000000000) * QuadAbs(shown);
    return allowed;
}

// The position of the fret `semitone` semitones above the open string
// (1 to 24), as a chromatic scale of the tuning places it. A diatonic
// slot's position is that of its semitone (DiatonicSemitone).
// halfLengthShown is the half length as the octave slot shows it; the
// tempered tuning does not use it.
inline ExactPosition ExactChromaticPosition(
    Tuning tuning, std::int64_t count, Quad halfLengthShown, int semitone)
{
    const Quad length = LengthValue(count);
    if (tuning == Tuning::Tempered) {
        const Quad ratio = QuadFromInt(9438743126817) / QuadFromInt(10000000000000);
        Quad power = 1;
        for (int i = 0; i < semitone; ++i)
            power *= ratio;
        return ExactPosition { length - length * power, false };
    }

    const bool natural = tuning == Tuning::Natural;
    auto quotient = [](int numerator, int denominator) {
        return QuadFromInt(numerator) / QuadFromInt(denominator);
    };
    // The degrees 2 to 7 of an octave, as ratios of the open string.
    const std::array<Quad, 7> ratios {
        1,
        quotient(9, 8),
        natural ? quotient(5, 4) : quotient(81, 64),
        quotient(13333, 10000), // the fourth as the program holds it, not 4/3
        quotient(3, 2),
        natural ? quotient(5, 3) : quotient(27, 16),
        natural ? quotient(15, 8) : quotient(243, 128),
    };
    const int octave = (semitone - 1) / 12;
    const Quad base = octave == 0 ? length : halfLengthShown;
    auto degree = [&](int k) -> Quad {
        if (k == 0)
            return octave == 0 ? Quad { 0 } : halfLengthShown;
        return length - base / ratios[static_cast<std::size_t>(k)];
    };
    auto halfway = [&](int lower, int upper) {
        return ExactPosition { (degree(lower) + degree(upper)) / 2, true };
    };

    switch ((semitone - 1) % 12 + 1) {
    case 1:
        return halfway(0, 1);
    case 2:
        return ExactPosition { degree(1), false };
    case 3:
        return halfway(1, 2);
    case 4:
        return ExactPosition { degree(2), false };
    case 5:
        return ExactPosition { degree(3), false };
    case 6:
        return halfway(3, 4);
    case 7:
        return ExactPosition { degree(4), false };
    case 8:
        return halfway(4, 5);
    case 9:
        return ExactPosition { degree(5), false };
    case 10:
        return halfway(5, 6);
    case 11:
        return ExactPosition { degree(6), false };
    default: // the octave and the double octave
        return ExactPosition { octave == 0 ? halfLengthShown : length - length / 4, false };
    }
}

} // namespace corvane::fuzz
