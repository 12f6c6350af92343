// The six classic scales as temperaments: their positions come from the
// classic engine itself, so that nothing here can drift from its digits.

#include "temperament.h"

#include "arithmetic_check.h"
#include "currency.h"
#include "runtime_error.h"
#include "scale_catalogue.h"
#include "tempered.h"

#include <algorithm>
#include <cfenv>
#include <charconv>

namespace corvane::board {

namespace {

// The classic engine reads the thread's floating-point flags as its
// overflow check, so whatever the caller raised before (a window's own
// layout and painting do) must not count against it. The caller's flags
// are given back afterwards.
class ClassicArithmeticScope {
public:
    ClassicArithmeticScope() noexcept
    {
        std::fegetexceptflag(&saved_, FE_ALL_EXCEPT);
        fret::ClearArithmeticFlags();
    }
    ~ClassicArithmeticScope() { std::fesetexceptflag(&saved_, FE_ALL_EXCEPT); }
    ClassicArithmeticScope(const ClassicArithmeticScope&) = delete;
    ClassicArithmeticScope& operator=(const ClassicArithmeticScope&) = delete;

private:
    std::fexcept_t saved_{};
};

} // namespace

Parsed<Temperament> MakeClassic(const ClassicSource& source, double length, Unit unit)
{
    const auto index = static_cast<std::size_t>(source.scale);
    const fret::ScaleChoice& choice = fret::ScaleCatalogue[index];
    const std::int16_t modeCode = source.mode == ClassicMode::Sol ? 1 : 2;

    Temperament temperament;
    temperament.name = std::string(choice.text);
    temperament.classicLength = length;
    temperament.classicUnit = unit;
    try {
        const ClassicArithmeticScope arithmetic;
        const fret::Currency stored = fret::ToCurrency(length);
        const double storedLength = fret::ToDouble(stored);
        if (!(storedLength > 0))
            return Parsed<Temperament>::Failure({ProblemKind::ClassicLengthTooSmall, {}, {}});
        const fret::SlotTexts texts = choice.compute(stored, modeCode, ".");
        // Slots in rising order are frets in rising order.
        std::vector<std::pair<int, double>> bySlot;
        for (const auto& entry : texts) {
            double position = 0;
            const auto [end, error] =
                std::from_chars(entry.text.data(), entry.text.data() + entry.text.size(), position);
            if (error != std::errc() || end != entry.text.data() + entry.text.size())
                return Parsed<Temperament>::Failure({ProblemKind::ClassicPositionUnreadable, {entry.text}, {}});
            bySlot.emplace_back(entry.slot, position);
        }
        std::sort(bySlot.begin(), bySlot.end());
        for (const auto& [slot, position] : bySlot) {
            temperament.classicPositions.push_back(position);
            temperament.ratios.push_back(storedLength / (storedLength - position));
        }
        temperament.classicLength = storedLength;
    } catch (const fret::RuntimeError& error) {
        return Parsed<Temperament>::Failure({ProblemKind::ClassicScaleRefused, {error.message()}, {}});
    }

    if (choice.kind == fret::DiatonicScaleKind) {
        const std::int16_t* degrees = fret::DiatonicSemitones(modeCode);
        for (int octave = 0; octave < 2; ++octave)
            for (int degree = 0; degree < 7; ++degree)
                temperament.semitones.push_back(degrees[degree] + 12 * octave);
    } else {
        for (int semitone = 1; semitone <= 24; ++semitone)
            temperament.semitones.push_back(semitone);
    }
    temperament.semitonesPerPeriod = 24;
    return {std::move(temperament), {}, {}};
}

} // namespace corvane::board
