#include "fret_table.h"

#include "classic_positions.h"
#include "number_text.h"
#include "scale_catalogue.h"

namespace corvane::cli {

FretTable ComputeFretTable(const std::string& lengthText, const std::string& scaleText, Mode mode,
    const std::string& decimalSeparator, fret::DecimalInput lengthInput)
{
    const fret::Currency length = fret::ClassicLength(lengthText, lengthInput);
    FretTable table { fret::CurrencyText(length, decimalSeparator), scaleText, mode, {} };
    const fret::ScaleChoice* scale = fret::FindScaleChoice(scaleText);
    if (scale == nullptr)
        return table;
    const fret::ClassicMode classicMode = mode == Mode::Sol ? fret::ClassicMode::Sol
        : mode == Mode::Do                                  ? fret::ClassicMode::Do
                                                            : fret::ClassicMode::None;
    const auto index = static_cast<std::size_t>(scale - fret::ScaleCatalogue.data());
    for (const fret::ClassicPosition& position :
        fret::ClassicPositions(index, classicMode, length, decimalSeparator))
        table.rows.push_back(FretRow {
            position.slot, position.position, std::string(position.note), position.fret });
    return table;
}

} // namespace corvane::cli
