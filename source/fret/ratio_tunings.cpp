#include "ratio_tunings.h"

#include "arithmetic_check.h"
#include "number_text.h"

#include <array>

namespace fret {

namespace {

Currency CheckedQuotient(double numerator, double denominator)
{
    return ToCurrency(CheckedDivision(numerator, denominator));
}

double RatioValue(DegreeRatio ratio) noexcept
{
    return ratio.numerator / ratio.denominator;
}

// The positions of the degrees of one octave: index 0 is the octave's
// start (the nut, or the octave fret), 1 to 6 the second to the seventh.
using OctaveDegrees = std::array<Currency, 7>;

OctaveDegrees DegreePositions(const RatioTuning& tuning, const RatioWorkingValues& working,
    Currency vibratingLength, Currency base, Currency start)
{
    auto at = [&](double ratio) { return RatioPosition(vibratingLength, base, ratio); };
    return OctaveDegrees { start, at(ToDouble(working.SecondRatio)), at(RatioValue(tuning.third)),
        at(ToDouble(working.FourthRatio)), at(ToDouble(working.FifthRatio)),
        at(RatioValue(tuning.sixth)), at(RatioValue(tuning.seventh)) };
}

// Half of the first fret's distance: the accidental between the nut and the
// second degree. The nut is at zero, so no sum is formed.
double HalfOfPosition(Currency position)
{
    return CheckedDivision(ToDouble(position), 2.0);
}

Currency DoubleOctave(Currency vibratingLength)
{
    return RatioPosition(vibratingLength, vibratingLength, 4.0);
}

// Semitone k (1 to 11) of an octave is either a degree or the midpoint of
// two neighbouring degrees; there is no accidental between the third and
// the fourth, nor between the seventh and the octave.
struct ChromaticStep {
    int lower;
    int upper; // equal to lower for a degree
};
constexpr std::array<ChromaticStep, 11> OctaveSteps { {
    { 0, 1 },
    { 1, 1 },
    { 1, 2 },
    { 2, 2 },
    { 3, 3 },
    { 3, 4 },
    { 4, 4 },
    { 4, 5 },
    { 5, 5 },
    { 5, 6 },
    { 6, 6 },
} };

} // namespace

RatioWorkingValues ComputeRatioWorkingValues(Currency vibratingLength)
{
    RatioWorkingValues working {};
    working.HalfLength = CheckedQuotient(ToDouble(vibratingLength), 2.0);
    working.SecondRatio = CheckedQuotient(9.0, 8.0);
    working.FourthRatio = CheckedQuotient(4.0, 3.0);
    working.FifthRatio = CheckedQuotient(3.0, 2.0);
    return working;
}

Currency RatioPosition(Currency vibratingLength, Currency base, double ratio)
{
    const double remaining = CheckedDivision(ToDouble(base), ratio);
    return CurrencySub(vibratingLength, ToCurrency(remaining));
}

double MidpointPosition(Currency a, Currency b)
{
    const Currency sum = CurrencyAdd(a, b);
    return CheckedDivision(ToDouble(sum), 2.0);
}

SlotTexts ComputeRatioDiatonic(const RatioTuning& tuning, Currency vibratingLength,
    std::int16_t modeCode, std::string_view separator)
{
    const RatioWorkingValues working = ComputeRatioWorkingValues(vibratingLength);
    const OctaveDegrees octaves[2] = { DegreePositions(tuning, working, vibratingLength,
                                           vibratingLength, Currency {}),
        DegreePositions(tuning, working, vibratingLength, working.HalfLength, working.HalfLength) };
    const Currency octaveEnds[2] = { working.HalfLength, DoubleOctave(vibratingLength) };

    SlotTexts texts;
    for (int octave = 0; octave < 2; ++octave) {
        const FretSlot first = octave * 8 + 1;
        for (std::size_t degree = 1; degree <= 5; ++degree)
            texts.Write(first + static_cast<int>(degree) - 1,
                CurrencyText(octaves[octave][degree], separator));
        texts.Write(first + 6, CurrencyText(octaveEnds[octave], separator));
    }
    // The seventh degree comes last. In mode Sol it is the minor seventh,
    // which has no ratio of its own and lies between the sixth and the
    // major seventh.
    for (int octave = 0; octave < 2; ++octave) {
        const OctaveDegrees& degrees = octaves[octave];
        const FretSlot slot = octave * 8 + 6;
        if (modeCode == 1)
            texts.Write(slot, DoubleText(MidpointPosition(degrees[5], degrees[6]), separator));
        else
            texts.Write(slot, CurrencyText(degrees[6], separator));
    }
    return texts;
}

SlotTexts ComputeRatioChromatic(
    const RatioTuning& tuning, Currency vibratingLength, std::string_view separator)
{
    const RatioWorkingValues working = ComputeRatioWorkingValues(vibratingLength);
    const OctaveDegrees octaves[2] = { DegreePositions(tuning, working, vibratingLength,
                                           vibratingLength, Currency {}),
        DegreePositions(tuning, working, vibratingLength, working.HalfLength, working.HalfLength) };
    const Currency octaveEnds[2] = { working.HalfLength, DoubleOctave(vibratingLength) };

    SlotTexts texts;
    for (int octave = 0; octave < 2; ++octave) {
        const OctaveDegrees& degrees = octaves[octave];
        for (int step = 0; step < 11; ++step) {
            const FretSlot slot = octave * 12 + step + 1;
            const ChromaticStep& between = OctaveSteps[static_cast<std::size_t>(step)];
            const Currency lower = degrees[static_cast<std::size_t>(between.lower)];
            const Currency upper = degrees[static_cast<std::size_t>(between.upper)];
            if (between.lower == between.upper)
                texts.Write(slot, CurrencyText(lower, separator));
            else if (octave == 0 && between.lower == 0)
                texts.Write(slot, DoubleText(HalfOfPosition(upper), separator));
            else
                texts.Write(slot, DoubleText(MidpointPosition(lower, upper), separator));
        }
        texts.Write(octave * 12 + 12, CurrencyText(octaveEnds[octave], separator));
    }
    return texts;
}

SlotTexts ComputePythagoreanDiatonic(
    Currency vibratingLength, std::int16_t modeCode, std::string_view separator)
{
    return ComputeRatioDiatonic(PythagoreanTuning, vibratingLength, modeCode, separator);
}

SlotTexts ComputePythagoreanChromatic(
    Currency vibratingLength, std::int16_t /*modeCode*/, std::string_view separator)
{
    return ComputeRatioChromatic(PythagoreanTuning, vibratingLength, separator);
}

SlotTexts ComputeNaturalDiatonic(
    Currency vibratingLength, std::int16_t modeCode, std::string_view separator)
{
    return ComputeRatioDiatonic(NaturalTuning, vibratingLength, modeCode, separator);
}

SlotTexts ComputeNaturalChromatic(
    Currency vibratingLength, std::int16_t /*modeCode*/, std::string_view separator)
{
    return ComputeRatioChromatic(NaturalTuning, vibratingLength, separator);
}

} // namespace fret
