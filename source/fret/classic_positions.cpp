#include "classic_positions.h"

#include "arithmetic_check.h"
#include "note_names.h"
#include "scale_catalogue.h"

#include <algorithm>
#include <cfenv>

namespace fret {

namespace {

// The computation's own flags, with the caller's given back afterwards.
class ArithmeticScope {
public:
    ArithmeticScope() noexcept
    {
        std::fegetexceptflag(&saved_, FE_ALL_EXCEPT);
        ClearArithmeticFlags();
    }
    ~ArithmeticScope() { std::fesetexceptflag(&saved_, FE_ALL_EXCEPT); }
    ArithmeticScope(const ArithmeticScope&) = delete;
    ArithmeticScope& operator=(const ArithmeticScope&) = delete;

private:
    std::fexcept_t saved_ {};
};

} // namespace

Currency ClassicLength(std::string_view text, DecimalInput input)
{
    const ArithmeticScope arithmetic;
    return ToCurrency(ReadNumber(text, input));
}

Currency ClassicLength(double value)
{
    const ArithmeticScope arithmetic;
    return ToCurrency(value);
}

std::vector<ClassicPosition> ClassicPositions(
    std::size_t scaleIndex, ClassicMode mode, Currency length, std::string_view separator)
{
    const ArithmeticScope arithmetic;
    const ScaleChoice& choice = ScaleCatalogue.at(scaleIndex);
    const auto modeCode = static_cast<std::int16_t>(mode);
    const bool diatonic = choice.kind == DiatonicScaleKind;
    std::vector<ClassicPosition> positions;
    for (const auto& [slot, text] : choice.compute(length, modeCode, separator))
        positions.push_back({ slot, PlayerFretNumber(diatonic, slot), text,
            diatonic ? DiatonicNoteName(slot, modeCode) : ChromaticNoteName(slot, modeCode) });
    std::sort(positions.begin(), positions.end(),
        [](const ClassicPosition& a, const ClassicPosition& b) { return a.slot < b.slot; });
    return positions;
}

} // namespace fret
