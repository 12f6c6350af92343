#include "currency.h"

#include "maths.h"
#include "runtime_error.h"

#include <cmath>
#include <limits>

namespace fret {

namespace {

constexpr double TwoToThe63 = 9223372036854775808.0;
constexpr std::int64_t TwoToThe53 = std::int64_t { 1 } << 53;

// Correctly rounded magnitude / 10 000 for magnitudes above 2^53, where the
// quotient lies between 2^39 and 2^50. With e = floor(log2(quotient)) the
// result is a multiple of 2^(e-52); scaling by 2^k, k = 52 - e, turns the
// job into one integer division with round-half-even, and every
// intermediate stays below 2^64.
double LargeMagnitudeToDouble(std::uint64_t magnitude) noexcept
{
    const std::uint64_t whole = magnitude / Currency::Scale;
    const std::uint64_t fraction = magnitude % Currency::Scale;

    int exponent = 63;
    while ((whole >> exponent) == 0)
        --exponent;
    const int shift = 52 - exponent;

    const std::uint64_t scaledFraction = fraction << shift;
    std::uint64_t mantissa = (whole << shift) + scaledFraction / Currency::Scale;
    const std::uint64_t remainder = scaledFraction % Currency::Scale;
    const std::uint64_t half = Currency::Scale / 2;
    if (remainder > half || (remainder == half && (mantissa & 1U) != 0))
        ++mantissa;
    return std::ldexp(static_cast<double>(mantissa), -shift);
}

} // namespace

Currency ToCurrency(double value)
{
    const double scaled = value * static_cast<double>(Currency::Scale);
    // nearbyint follows the current rounding mode, which is round to
    // nearest with ties to even throughout the program.
    const double whole = std::nearbyint(scaled);
    if (!(whole >= -TwoToThe63 && whole < TwoToThe63))
        throw RuntimeError(ErrorNumber::Overflow);
    return Currency { static_cast<std::int64_t>(whole) };
}

double ToDouble(Currency value) noexcept
{
    const std::int64_t count = value.count;
    if (count >= -TwoToThe53 && count <= TwoToThe53)
        return static_cast<double>(count) / static_cast<double>(Currency::Scale);

    const std::uint64_t magnitude
        = count < 0 ? 0U - static_cast<std::uint64_t>(count) : static_cast<std::uint64_t>(count);
    const double result = LargeMagnitudeToDouble(magnitude);
    return count < 0 ? -result : result;
}

double Power(double base, double exponent) noexcept
{
    return corvane::maths::Pow(base, exponent);
}

Currency CurrencyAdd(Currency a, Currency b)
{
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a.count, b.count, &sum))
        throw RuntimeError(ErrorNumber::Overflow);
    return Currency { sum };
}

Currency CurrencySub(Currency a, Currency b)
{
    std::int64_t difference = 0;
    if (__builtin_sub_overflow(a.count, b.count, &difference))
        throw RuntimeError(ErrorNumber::Overflow);
    return Currency { difference };
}

} // namespace fret
