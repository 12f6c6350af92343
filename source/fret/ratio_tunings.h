#pragma once

#include "currency.h"
#include "slot_texts.h"

#include <cstdint>
#include <string_view>

namespace fret {

// Pythagorean and natural (just) tuning place the diatonic degrees at fixed
// ratios of the string and every other fret halfway between its two
// neighbours. The two tunings differ only in the third, sixth and major
// seventh; each ratio is a quotient of two double constants, formed at use.
struct DegreeRatio {
    double numerator;
    double denominator;
};

struct RatioTuning {
    DegreeRatio third;
    DegreeRatio sixth;
    DegreeRatio seventh;
};

inline constexpr RatioTuning PythagoreanTuning { { 81.0, 64.0 }, { 27.0, 16.0 }, { 243.0, 128.0 } };
inline constexpr RatioTuning NaturalTuning { { 5.0, 4.0 }, { 5.0, 3.0 }, { 15.0, 8.0 } };

// The working values every ratio computation starts from, each held to four
// decimals. The fourth is therefore 1.3333, not 4/3: at a length of 650 it
// lies at 162.4878, as printed fret tables always showed it.
struct RatioWorkingValues {
    Currency HalfLength;
    Currency SecondRatio;
    Currency FourthRatio;
    Currency FifthRatio;
};
RatioWorkingValues ComputeRatioWorkingValues(Currency vibratingLength);

// Ratio position: L - ToCurrency(base / ratio), the division never replaced
// by a multiplication. Throws RuntimeError like the operations it uses.
Currency RatioPosition(Currency vibratingLength, Currency base, double ratio);

// Midpoint position: (a + b) / 2 in double, kept as a double so that it may
// show a fifth decimal. Throws RuntimeError 6 when a + b overflows.
double MidpointPosition(Currency a, Currency b);

SlotTexts ComputeRatioDiatonic(const RatioTuning& tuning, Currency vibratingLength,
    std::int16_t modeCode, std::string_view separator);
SlotTexts ComputeRatioChromatic(
    const RatioTuning& tuning, Currency vibratingLength, std::string_view separator);

SlotTexts ComputePythagoreanDiatonic(
    Currency vibratingLength, std::int16_t modeCode, std::string_view separator);
SlotTexts ComputePythagoreanChromatic(
    Currency vibratingLength, std::int16_t modeCode, std::string_view separator);
SlotTexts ComputeNaturalDiatonic(
    Currency vibratingLength, std::int16_t modeCode, std::string_view separator);
SlotTexts ComputeNaturalChromatic(
    Currency vibratingLength, std::int16_t modeCode, std::string_view separator);

} // namespace fret
