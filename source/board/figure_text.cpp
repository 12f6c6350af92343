#include "figure_text.h"

#include "decimal_text.h"

#include <array>
#include <charconv>

namespace corvane::board {

namespace {

void UseSeparator(std::string& text, std::string_view separator)
{
    if (separator == ".")
        return;
    if (const std::size_t point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, separator);
}

} // namespace

std::string FixedText(double value, int decimals, std::string_view separator)
{
    std::string text = fret::FixedDecimalText(value, decimals).value_or("?");
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    UseSeparator(text, separator);
    return text;
}

std::string InchErrorText(double errorInches, std::string_view separator)
{
    std::string text = FixedText(errorInches, InchErrorDecimals, separator);
    if (text.front() != '-' && text.find_first_not_of("0.,") != std::string::npos)
        text.insert(0, 1, '+');
    return text;
}

std::string ShortText(double value, std::string_view separator)
{
    std::string text = FixedText(value, LengthDecimals);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
    }
    UseSeparator(text, separator);
    return text;
}

std::string LengthWithUnitText(double millimetres, Unit unit, std::string_view separator)
{
    return ShortText(FromMillimetres(millimetres, unit), separator) + " "
        + std::string(UnitSymbol(unit));
}

std::string FromNutText(
    const BoardLayout& board, const FretOnString& row, std::string_view separator)
{
    const Unit unit = board.design.unit;
    if (!row.classicDigits || board.temperament.classicUnit != unit)
        return FixedText(FromMillimetres(row.fromNutMm, unit), LengthDecimals, separator);
    // Shortest text of the classic position, padded to four decimals.
    const double position
        = board.temperament.classicPositions[static_cast<std::size_t>(row.fret - 1)];
    std::string text = fret::ShortestFixedDecimalText(position).value_or("?");
    std::size_t point = text.find('.');
    if (point == std::string::npos) {
        point = text.size();
        text += '.';
    }
    while (text.size() - point - 1 < static_cast<std::size_t>(LengthDecimals))
        text += '0';
    UseSeparator(text, separator);
    return text;
}

} // namespace corvane::board
