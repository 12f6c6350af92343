// The elementary functions every build shares (musl's) against the C
// library's: the classic scales' powers bit for bit, so that their digits
// never move, and every function within one unit in the last place of
// glibc's on inputs from the ranges the engines use.

#include "maths.h"
#include "tempered.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>

namespace {

std::int64_t UlpsApart(double a, double b)
{
    std::int64_t x = 0;
    std::int64_t y = 0;
    std::memcpy(&x, &a, sizeof x);
    std::memcpy(&y, &b, sizeof y);
    return x > y ? x - y : y - x;
}

TEST(SharedMaths, EveryTemperedPowerOfTheClassicScalesIsTheLibrarysBitForBit)
{
    // The classic engine raises the tempered ratio to whole exponents only,
    // 1 to SlotCount (24); every one up to 128 agrees (229 is the first
    // that does not).
    for (int exponent = -128; exponent <= 128; ++exponent)
        EXPECT_EQ(UlpsApart(corvane::maths::Pow(fret::TemperedRatio, exponent),
                      std::pow(fret::TemperedRatio, exponent)),
            0)
            << exponent;
}

struct OneArgument {
    const char* name;
    double (*ours)(double) noexcept;
    double (*library)(double);
    double low;
    double high;
};

TEST(SharedMaths, EachFunctionIsWithinOneUlpOfTheLibrarys)
{
    const OneArgument functions[] = {
        { "exp2", corvane::maths::Exp2, [](double x) { return std::exp2(x); }, -60, 60 },
        { "log2", corvane::maths::Log2, [](double x) { return std::log2(x); }, 1e-6, 1e6 },
        { "sin", corvane::maths::Sin, [](double x) { return std::sin(x); }, -1e4, 1e4 },
        { "cos", corvane::maths::Cos, [](double x) { return std::cos(x); }, -1e4, 1e4 },
        { "asin", corvane::maths::Asin, [](double x) { return std::asin(x); }, -1, 1 },
        { "acos", corvane::maths::Acos, [](double x) { return std::acos(x); }, -1, 1 },
        { "atan", corvane::maths::Atan, [](double x) { return std::atan(x); }, -1e3, 1e3 },
    };
    std::mt19937_64 random(24);
    for (const OneArgument& f : functions) {
        std::uniform_real_distribution<double> draw(f.low, f.high);
        for (int i = 0; i < 200000; ++i) {
            const double x = draw(random);
            ASSERT_LE(UlpsApart(f.ours(x), f.library(x)), 1) << f.name << '(' << x << ')';
        }
    }
    std::uniform_real_distribution<double> length(-2000, 2000);
    std::uniform_real_distribution<double> exponent(-4, 4);
    std::uniform_real_distribution<double> base(0.25, 16);
    for (int i = 0; i < 200000; ++i) {
        const double x = length(random);
        const double y = length(random);
        ASSERT_LE(UlpsApart(corvane::maths::Hypot(x, y), std::hypot(x, y)), 1) << x << ' ' << y;
        ASSERT_LE(UlpsApart(corvane::maths::Atan2(y, x), std::atan2(y, x)), 1) << y << ' ' << x;
        const double b = base(random);
        const double e = exponent(random);
        ASSERT_LE(UlpsApart(corvane::maths::Pow(b, e), std::pow(b, e)), 1) << b << ' ' << e;
    }
}

} // namespace
