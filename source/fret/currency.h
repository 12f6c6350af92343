#pragma once

#include <compare>
#include <cstdint>

namespace fret {

// A length held to exactly four decimals: a signed 64-bit count of
// ten-thousandths. Every length the program shows passes through it, so the
// last digit of a fret position is fixed by the rounding rules below.
struct Currency {
    std::int64_t count = 0;

    static constexpr std::int64_t Scale = 10'000;

    static constexpr Currency FromCount(std::int64_t c) noexcept { return Currency { c }; }
    friend constexpr auto operator<=>(Currency, Currency) = default;
};

// Multiplies by 10 000 in double precision (one IEEE rounding), rounds the
// product to the nearest whole count with exact halves going to the even
// count, then range-checks. Throws RuntimeError 6 when the value is not
// finite or the count does not fit in 64 bits.
// Example: 0.03125 -> 0.0312, 0.09375 -> 0.0938,
//          922337203685477 -> 922337203685476.9664.
Currency ToCurrency(double value);

// The double nearest to count / 10 000, for every count in the 64-bit range
// (a plain double(count) / 10000.0 would round twice above 2^53). Never fails.
double ToDouble(Currency value) noexcept;

// base raised to a whole exponent, within one unit in the last place of the
// exact power. Used with a positive base below 1 and exponents 1 to 24.
double Power(double base, double exponent) noexcept;

// Exact sum and difference of the counts; never rounds. Throws
// RuntimeError 6 when the result leaves the 64-bit range.
Currency CurrencyAdd(Currency a, Currency b);
Currency CurrencySub(Currency a, Currency b);

} // namespace fret
