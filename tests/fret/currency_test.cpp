#include "currency.h"

#include "recording_surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

namespace {

using fret::Currency;
using fret_test::ErrorNumberOf;

constexpr std::int64_t Int64Max = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t Int64Min = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t TwoToThe53 = std::int64_t { 1 } << 53;

// ToCurrency

struct ToCurrencyCase {
    double value;
    std::int64_t count; // expected when error is 0
    int error = 0;
};

TEST(ToCurrency, RoundsTheScaledProductHalfToEvenThenRangeChecks)
{
    const double inf = std::numeric_limits<double>::infinity();
    const ToCurrencyCase cases[] = {
        { 650, 6'500'000 },
        { 579.0841667912284, 5'790'842 },
        { -0.0, 0 },
        { 0.00004, 0 },
        { 0.00006, 1 },
        // Exact halves of a count go to the even count.
        { 0.03125, 312 },
        { 0.09375, 938 },
        { 0.15625, 1'562 },
        { -0.03125, -312 },
        { -0.09375, -938 },
        // The product is rounded to a double before it is rounded to a count.
        { 922337203685477.0, 9'223'372'036'854'769'664 },
        { -922337203685477.0, -9'223'372'036'854'769'664 },
        { 922337203685477.5, 9'223'372'036'854'774'784 },
        { 922337203685478.0, 0, 6 },
        { 922337203685477.58, 0, 6 }, // the product is 2^63 exactly
        { -922337203685477.58, Int64Min },
        { -922337203685478.0, 0, 6 },
        { 1e300, 0, 6 },
        { inf, 0, 6 },
        { -inf, 0, 6 },
        { std::numeric_limits<double>::quiet_NaN(), 0, 6 },
    };
    for (const ToCurrencyCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "value " << std::hexfloat << c.value);
        Currency result;
        EXPECT_EQ(ErrorNumberOf([&] { result = fret::ToCurrency(c.value); }), c.error);
        if (c.error == 0) {
            EXPECT_EQ(result.count, c.count);
        }
    }
}

// ToDouble: the double nearest to count / 10 000, checked exactly with
// integers. A double x is M * 2^E with a whole 53-bit M; x * 10 000 - count,
// counted in units of 2^unit, is then a whole number.

struct Binary {
    std::int64_t mantissa;
    int exponent;
};

Binary Decompose(double x)
{
    int e = 0;
    const double fraction = std::frexp(x, &e);
    return { static_cast<std::int64_t>(std::ldexp(fraction, 53)), e - 53 };
}

__extension__ typedef unsigned __int128 Wide;

Wide DistanceInUnits(double x, Wide count, int unit)
{
    const Binary b = Decompose(x);
    const Wide scaled = (static_cast<Wide>(b.mantissa) * 10'000U) << (b.exponent - unit);
    const Wide target = count << -unit;
    return scaled > target ? scaled - target : target - scaled;
}

enum class Nearness { Nearest, NearestTie, NotNearest };

// Whether the positive double x is the nearest to count / 10 000, with a
// tie going to the even mantissa.
Nearness NearnessToQuotient(double x, Wide count)
{
    const double below = std::nextafter(x, 0.0);
    const double above = std::nextafter(x, std::numeric_limits<double>::infinity());
    const int unit
        = std::min({ Decompose(below).exponent, Decompose(x).exponent, Decompose(above).exponent });
    const Wide here = DistanceInUnits(x, count, unit);
    const Wide belowDistance = DistanceInUnits(below, count, unit);
    const Wide aboveDistance = DistanceInUnits(above, count, unit);
    if (here > belowDistance || here > aboveDistance)
        return Nearness::NotNearest;
    if (here == belowDistance || here == aboveDistance)
        return (Decompose(x).mantissa & 1) == 0 ? Nearness::NearestTie : Nearness::NotNearest;
    return Nearness::Nearest;
}

// Counts from 2^53 up, where count / 10 000 is no longer exact, and a few
// below. 625 * k with an odd k of 54 bits is k / 16, exactly halfway
// between two doubles.
std::vector<std::int64_t> Counts()
{
    std::vector<std::int64_t> counts { Int64Max, Int64Max - 1, 9'223'372'036'854'769'664,
        625 * (TwoToThe53 + 1), 625 * std::int64_t { 14'757'395'258'967'641 } };
    for (std::int64_t step = -2; step <= 40; ++step)
        counts.push_back(TwoToThe53 + step);
    std::mt19937_64 random(20240611);
    for (int i = 0; i < 4000; ++i) {
        const std::uint64_t high = std::uint64_t { 1 } << (53 + random() % 10);
        counts.push_back(static_cast<std::int64_t>(
            std::min<std::uint64_t>(high | (random() & (high - 1)), Int64Max)));
    }
    for (int i = 0; i < 500; ++i) {
        const std::uint64_t k = (std::uint64_t { 1 } << 53) + random() % 5'700'000'000'000'000U;
        counts.push_back(static_cast<std::int64_t>(625 * (k | 1U)));
        counts.push_back(static_cast<std::int64_t>(random() % (std::uint64_t { 1 } << 53)) + 1);
    }
    return counts;
}

TEST(ToDouble, GivesTheNearestDoubleOverTheWholeRange)
{
    int ties = 0;
    int plainDivisionMisses = 0;
    for (const std::int64_t count : Counts()) {
        SCOPED_TRACE(testing::Message() << "count " << count);
        const double x = fret::ToDouble(Currency { count });
        const Nearness nearness = NearnessToQuotient(x, static_cast<Wide>(count));
        ASSERT_NE(nearness, Nearness::NotNearest) << std::hexfloat << x;
        ties += nearness == Nearness::NearestTie ? 1 : 0;
        EXPECT_EQ(fret::ToDouble(Currency { -count }), -x);
        if (static_cast<double>(count) / 10'000.0 != x)
            ++plainDivisionMisses;
    }
    EXPECT_GE(ties, 500) << "the tie cases were not exercised";
    // Rounding twice above 2^53 gives another double often enough that the
    // careful conversion is needed.
    EXPECT_GT(plainDivisionMisses, 0);

    const double lowest = fret::ToDouble(Currency { Int64Min });
    EXPECT_EQ(NearnessToQuotient(-lowest, Wide { 1 } << 63), Nearness::Nearest);
}

// CurrencyAdd and CurrencySub

TEST(CurrencyArithmetic, IsExactAndFailsOutsideTheRange)
{
    using fret::CurrencyAdd;
    using fret::CurrencySub;
    const Currency one { 1 }, max { Int64Max }, min { Int64Min };
    EXPECT_EQ(CurrencySub(Currency { 6'500'000 }, Currency { 5'790'842 }).count, 709'158);
    EXPECT_EQ(CurrencyAdd(Currency { Int64Max - 1 }, one).count, Int64Max);
    EXPECT_EQ(CurrencySub(Currency { Int64Min + 1 }, one).count, Int64Min);
    EXPECT_EQ(CurrencySub(Currency { -1 }, min).count, Int64Max);
    EXPECT_EQ(ErrorNumberOf([&] { CurrencyAdd(max, one); }), 6);
    EXPECT_EQ(ErrorNumberOf([&] { CurrencyAdd(min, Currency { -1 }); }), 6);
    EXPECT_EQ(ErrorNumberOf([&] { CurrencySub(min, one); }), 6);
    EXPECT_EQ(ErrorNumberOf([&] { CurrencySub(Currency {}, min); }), 6);
}

} // namespace
