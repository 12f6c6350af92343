#pragma once

// Lengths are held in millimetres everywhere inside the board engine; the
// user's unit matters only where a length is typed or shown.

#include "problem.h"

#include <optional>
#include <string>
#include <string_view>

namespace corvane::board {

enum class Unit { Millimetre, Centimetre, Inch };

inline constexpr double MillimetresPerInch = 25.4;

double MillimetresPer(Unit unit) noexcept;
double ToMillimetres(double value, Unit unit) noexcept;
double FromMillimetres(double millimetres, Unit unit) noexcept;

// Exactly "mm", "cm" or "in": a unit as files and command lines write it.
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

// "mm", "cm", "in".
std::string_view UnitSymbol(Unit unit) noexcept;
// The unit for "mm", "cm" or "in" (also "millimetre", "inch", "\"", any
// case); nothing for anything else.
std::optional<Unit> ParseUnit(std::string_view text) noexcept;

// A value read from text, or why it could not be read, as data.
template <typename T> struct Parsed {
    std::optional<T> value;
    Problem problem; // meaningful only without a value

    explicit operator bool() const noexcept { return value.has_value(); }
    static Parsed Failure(Problem why) { return { std::nullopt, std::move(why) }; }
};

// Reads a typed length and returns it in millimetres. The number may use a
// period or a comma as its decimal separator; a unit written after it
// ("650 mm", "25.5 in", "25 1/2\"") overrides the default unit. Inch
// lengths, and lengths in any unit, also accept a whole number followed by a
// fraction ("25 1/2", "25-1/2") or a fraction alone ("3/4"). The length must
// be finite and greater than zero.
Parsed<double> ParseLength(std::string_view text, Unit defaultUnit);

// What a length may be: a scale length or a width is above zero, an
// overhang may be zero, a compensation setback may also go the other way.
enum class LengthKind { Positive, ZeroOrMore, Signed };

// A typed distance of that kind, in millimetres. Those that may be zero
// take zero in any spelling ("", "0", "0.0", ",0", "0 mm"); a signed one
// takes a leading minus. One reading for the command and the Atelier.
Parsed<double> ParseDistance(std::string_view text, Unit defaultUnit, LengthKind kind);

// The nearest multiple of 1/64 in, reduced ("25 33/64", "1/2", "12"), and how
// far it lies from the exact value (fraction minus exact, in inches).
struct InchFraction {
    long long whole = 0; // whole inches
    int numerator = 0; // reduced fraction of an inch, 0 when none
    int denominator = 1; // 2, 4, ..., 64, or 1 when no fraction
    bool negative = false;
    double errorInches = 0; // fraction minus exact value

    std::string Text() const;
};
InchFraction NearestSixtyFourth(double inches) noexcept;

} // namespace corvane::board
