#pragma once

// The unit a template's numbers are in. The drawing itself is always in
// millimetres; the unit only says how long one of the user's units is, and
// which unit a CAD file declares.

#include <optional>
#include <string_view>

namespace corvane::drawing {

enum class Unit { Millimetre, Centimetre, Inch };

// Exactly 1, 10 or 25.4: one unit of the user's numbers drawn on paper.
constexpr double MillimetresPer(Unit unit) noexcept
{
    switch (unit) {
    case Unit::Centimetre:
        return 10.0;
    case Unit::Inch:
        return 25.4;
    case Unit::Millimetre:
        break;
    }
    return 1.0;
}

// "mm", "cm", "in": what a label or a command line says.
constexpr std::string_view UnitSymbol(Unit unit) noexcept
{
    switch (unit) {
    case Unit::Centimetre:
        return "cm";
    case Unit::Inch:
        return "in";
    case Unit::Millimetre:
        break;
    }
    return "mm";
}

constexpr std::optional<Unit> UnitFromSymbol(std::string_view symbol) noexcept
{
    if (symbol == "mm")
        return Unit::Millimetre;
    if (symbol == "cm")
        return Unit::Centimetre;
    if (symbol == "in")
        return Unit::Inch;
    return std::nullopt;
}

} // namespace corvane::drawing
