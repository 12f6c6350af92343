#include "tempered.h"

#include "arithmetic_check.h"
#include "number_text.h"

#include <array>

namespace fret {

namespace {

constexpr std::array<std::int16_t, 7> SolModeSemitones { 2, 4, 5, 7, 9, 10, 12 };
constexpr std::array<std::int16_t, 7> DoModeSemitones { 2, 4, 5, 7, 9, 11, 12 };

Currency TemperedPosition(Currency length, int exponent)
{
    const double power = Power(TemperedRatio, exponent);
    const double remaining = CheckedMultiplication(ToDouble(length), power);
    return CurrencySub(length, ToCurrency(remaining));
}

} // namespace

const std::int16_t* DiatonicSemitones(std::int16_t modeCode) noexcept
{
    return modeCode == 1 ? SolModeSemitones.data() : DoModeSemitones.data();
}

SlotTexts ComputeTemperedDiatonic(
    Currency vibratingLength, std::int16_t modeCode, std::string_view separator)
{
    const std::int16_t* semitones = DiatonicSemitones(modeCode);
    SlotTexts texts;
    auto write = [&](FretSlot slot, int exponent) {
        texts.Write(slot, CurrencyText(TemperedPosition(vibratingLength, exponent), separator));
    };
    // The degrees that do not depend on the mode first, then the two
    // sevenths: the order in which the boxes have always been filled.
    for (int degree : { 0, 1, 2, 3, 4, 6 })
        write(degree + 1, semitones[degree]);
    for (int degree : { 0, 1, 2, 3, 4, 6 })
        write(degree + 9, semitones[degree] + 12);
    write(6, semitones[5]);
    write(14, semitones[5] + 12);
    return texts;
}

SlotTexts ComputeTemperedChromatic(
    Currency vibratingLength, std::int16_t /*modeCode*/, std::string_view separator)
{
    SlotTexts texts;
    for (FretSlot slot = 1; slot <= SlotCount; ++slot)
        texts.Write(slot, CurrencyText(TemperedPosition(vibratingLength, slot), separator));
    return texts;
}

} // namespace fret
