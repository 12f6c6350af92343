// The six classic scales as temperaments: their positions come from the

#include "decimal_text.h"
// classic engine itself, so that nothing here can drift from its digits.

#include "temperament.h"

#include "classic_positions.h"
#include "currency.h"
#include "runtime_error.h"
#include "scale_catalogue.h"
#include "tempered.h"

#include <algorithm>
#include <charconv>

namespace corvane::board {

Parsed<Temperament> MakeClassic(const ClassicSource& source, double length, Unit unit)
{
    const auto index = static_cast<std::size_t>(source.scale);
    const fret::ScaleChoice& choice = fret::ScaleCatalogue[index];
    const std::int16_t modeCode
        = source.mode == ClassicMode::Sol ? 1 : 2; // for the degrees' semitones

    Temperament temperament;
    temperament.name = std::string(choice.text);
    temperament.classicLength = length;
    temperament.classicUnit = unit;
    try {
        const fret::Currency stored = fret::ClassicLength(length);
        const double storedLength = fret::ToDouble(stored);
        if (!(storedLength > 0))
            return Parsed<Temperament>::Failure({ ProblemKind::ClassicLengthTooSmall, {}, {} });
        const auto classicMode
            = source.mode == ClassicMode::Sol ? fret::ClassicMode::Sol : fret::ClassicMode::Do;
        // Slots in rising order are frets in rising order.
        for (const fret::ClassicPosition& entry :
            fret::ClassicPositions(index, classicMode, stored, ".")) {
            double position = 0;
            const auto [end, error] = fret::ReadDecimal(
                entry.position.data(), entry.position.data() + entry.position.size(), position);
            if (error != std::errc() || end != entry.position.data() + entry.position.size())
                return Parsed<Temperament>::Failure(
                    { ProblemKind::ClassicPositionUnreadable, { entry.position }, {} });
            temperament.classicPositions.push_back(position);
            temperament.ratios.push_back(storedLength / (storedLength - position));
        }
        temperament.classicLength = storedLength;
    } catch (const fret::RuntimeError& error) {
        return Parsed<Temperament>::Failure(
            { ProblemKind::ClassicScaleRefused, { error.message() }, {} });
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
    return { std::move(temperament), {} };
}

Temperament MakeFromPositions(
    std::string name, const std::vector<double>& positions, double length, Unit unit)
{
    Temperament temperament;
    temperament.name = std::move(name);
    temperament.classicLength = length;
    temperament.classicUnit = unit;
    temperament.classicPositions = positions;
    for (const double position : positions)
        temperament.ratios.push_back(length / (length - position));
    return temperament;
}

} // namespace corvane::board
