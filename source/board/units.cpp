#include "units.h"

#include "decimal_text.h"

#include "text_encoding.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <numeric>

namespace corvane::board {

double MillimetresPer(Unit unit) noexcept
{
    switch (unit) {
    case Unit::Centimetre:
        return 10.0;
    case Unit::Inch:
        return MillimetresPerInch;
    case Unit::Millimetre:
        break;
    }
    return 1.0;
}

double ToMillimetres(double value, Unit unit) noexcept
{
    return unit == Unit::Millimetre ? value : value * MillimetresPer(unit);
}

double FromMillimetres(double millimetres, Unit unit) noexcept
{
    return unit == Unit::Millimetre ? millimetres : millimetres / MillimetresPer(unit);
}

std::string_view UnitSymbol(Unit unit) noexcept
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

namespace {

std::string Lower(std::string_view text)
{
    std::string lower;
    for (const char c : text)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// A decimal number with "." or "," as separator, digits required.
std::optional<double> ReadDecimal(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    std::string normal(text);
    bool separatorSeen = false;
    bool digitSeen = false;
    for (std::size_t i = 0; i < normal.size(); ++i) {
        char& c = normal[i];
        if (c == ',' || c == '.') {
            if (separatorSeen)
                return std::nullopt;
            separatorSeen = true;
            c = '.';
        } else if (std::isdigit(static_cast<unsigned char>(c))) {
            digitSeen = true;
        } else if (!(i == 0 && (c == '+' || c == '-'))) {
            return std::nullopt;
        }
    }
    if (!digitSeen)
        return std::nullopt;
    const char* begin = normal.c_str() + (normal.front() == '+' ? 1 : 0);
    double value = 0;
    const auto [end, error] = fret::ReadDecimal(begin, normal.c_str() + normal.size(), value);
    if (error != std::errc() || end != normal.c_str() + normal.size())
        return std::nullopt;
    return value;
}

std::optional<double> ReadFraction(std::string_view text)
{
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos)
        return std::nullopt;
    const auto numerator = ReadDecimal(Trimmed(text.substr(0, slash)));
    const auto denominator = ReadDecimal(Trimmed(text.substr(slash + 1)));
    if (!numerator || !denominator || *denominator == 0.0)
        return std::nullopt;
    return *numerator / *denominator;
}

} // namespace

std::optional<Unit> ParseUnit(std::string_view text) noexcept
{
    try {
        const std::string lower = Lower(Trimmed(text));
        if (lower == "mm" || lower == "millimetre" || lower == "millimetres"
            || lower == "millimeter" || lower == "millimeters" || lower == "millimètre"
            || lower == "millimètres")
            return Unit::Millimetre;
        if (lower == "cm" || lower == "centimetre" || lower == "centimetres"
            || lower == "centimeter" || lower == "centimeters" || lower == "centimètre"
            || lower == "centimètres")
            return Unit::Centimetre;
        if (lower == "in" || lower == "inch" || lower == "inches" || lower == "\""
            || lower == "pouce" || lower == "pouces")
            return Unit::Inch;
    } catch (...) {
    }
    return std::nullopt;
}

Parsed<double> ParseLength(std::string_view text, Unit defaultUnit)
{
    std::string_view rest = Trimmed(text);
    if (rest.empty())
        return Parsed<double>::Failure({ ProblemKind::LengthEmpty, {}, {} });

    // A unit written after the number.
    Unit unit = defaultUnit;
    std::size_t numberEnd = rest.size();
    while (numberEnd > 0) {
        const char c = rest[numberEnd - 1];
        if (std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == ',' || c == '/'
            || std::isspace(static_cast<unsigned char>(c)))
            break;
        --numberEnd;
    }
    if (numberEnd == 0) // "abc", "mm": letters only
        return Parsed<double>::Failure(
            { ProblemKind::LengthHasNoNumber, { std::string(rest) }, {} });
    if (numberEnd < rest.size()) {
        const auto suffix = ParseUnit(rest.substr(numberEnd));
        if (!suffix)
            return Parsed<double>::Failure(
                { ProblemKind::UnknownUnit, { std::string(Trimmed(rest.substr(numberEnd))) }, {} });
        unit = *suffix;
        rest = Trimmed(rest.substr(0, numberEnd));
    }

    const std::string shown(Trimmed(text));
    std::optional<double> value;
    if (rest.find('/') == std::string_view::npos) {
        value = ReadDecimal(rest);
    } else {
        // "25 1/2", "25-1/2" or "1/2".
        std::size_t split = rest.find_last_of(" \t-");
        if (split == std::string_view::npos || split == 0) {
            value = ReadFraction(rest);
        } else {
            const auto whole = ReadDecimal(Trimmed(rest.substr(0, split)));
            const auto fraction = ReadFraction(Trimmed(rest.substr(split + 1)));
            if (whole && fraction && *whole >= 0 && *fraction >= 0 && *fraction < 1)
                value = *whole + *fraction;
        }
    }
    if (!value)
        return Parsed<double>::Failure({ ProblemKind::NotALength, { shown }, {} });
    if (!std::isfinite(*value) || *value <= 0)
        return Parsed<double>::Failure({ ProblemKind::LengthNotPositive, { shown }, {} });
    const double millimetres = ToMillimetres(*value, unit);
    if (!std::isfinite(millimetres))
        return Parsed<double>::Failure({ ProblemKind::LengthTooLarge, { shown }, {} });
    return { millimetres, {} };
}

namespace {

// "0", "0.0", ",0", "00,", with any unit or none after it.
bool SpellsZero(std::string_view text)
{
    std::size_t at = 0;
    std::size_t digits = 0;
    while (at < text.size() && text[at] == '0') {
        ++at;
        ++digits;
    }
    if (at < text.size() && (text[at] == '.' || text[at] == ',')) {
        ++at;
        while (at < text.size() && text[at] == '0') {
            ++at;
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    const std::string_view rest = Trimmed(text.substr(at));
    return rest.empty() || ParseUnit(rest).has_value();
}

} // namespace

Parsed<double> ParseDistance(std::string_view text, Unit defaultUnit, LengthKind kind)
{
    std::string_view trimmed = Trimmed(text);
    const bool negative = !trimmed.empty() && trimmed.front() == '-';
    if (kind != LengthKind::Positive) {
        const std::string_view magnitude = negative ? trimmed.substr(1) : trimmed;
        if (trimmed.empty() || SpellsZero(magnitude))
            return { 0.0, {} };
    }
    if (kind == LengthKind::Signed && negative) {
        auto read = ParseLength(trimmed.substr(1), defaultUnit);
        if (read.value)
            read.value = -*read.value;
        return read;
    }
    return ParseLength(trimmed, defaultUnit);
}

std::string InchFraction::Text() const
{
    std::string text = negative ? "-" : "";
    if (whole != 0 || numerator == 0)
        text += std::to_string(whole);
    if (numerator != 0) {
        if (whole != 0)
            text += ' ';
        text += std::to_string(numerator) + '/' + std::to_string(denominator);
    }
    return text;
}

InchFraction NearestSixtyFourth(double inches) noexcept
{
    InchFraction fraction;
    if (!std::isfinite(inches) || std::fabs(inches) > 1e15)
        return fraction;
    const double sixtyFourths = std::round(std::fabs(inches) * 64.0);
    const auto count = static_cast<long long>(sixtyFourths);
    fraction.negative = inches < 0 && count != 0;
    fraction.whole = count / 64;
    int numerator = static_cast<int>(count % 64);
    int denominator = 64;
    const int common = std::gcd(numerator, denominator);
    if (numerator != 0) {
        numerator /= common;
        denominator /= common;
    } else {
        denominator = 1;
    }
    fraction.numerator = numerator;
    fraction.denominator = denominator;
    const double rounded = (inches < 0 ? -sixtyFourths : sixtyFourths) / 64.0;
    fraction.errorInches = rounded - inches;
    return fraction;
}

} // namespace corvane::board
