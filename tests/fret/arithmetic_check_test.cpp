#include "arithmetic_check.h"
#include "runtime_error.h"

#include "recording_surface.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfenv>
#include <cmath>
#include <limits>
#include <random>

namespace {

using fret::ArithmeticCheck;
using fret_test::ErrorNumberOf;

struct FlagCase {
    const char* label;
    int raised;
    int error;
};

TEST(ArithmeticCheck, ReportsDivisionByZeroFirstThenOverflowAndInvalid)
{
    const FlagCase cases[] = {
        { "nothing", 0, 0 },
        { "division by zero", FE_DIVBYZERO, 11 },
        { "overflow", FE_OVERFLOW, 6 },
        { "invalid operation", FE_INVALID, 6 },
        { "division by zero and overflow", FE_DIVBYZERO | FE_OVERFLOW, 11 },
        { "inexact", FE_INEXACT, 0 },
        { "underflow", FE_UNDERFLOW, 0 },
        { "overflow with inexact", FE_OVERFLOW | FE_INEXACT, 6 },
    };
    for (const FlagCase& c : cases) {
        SCOPED_TRACE(c.label);
        std::feclearexcept(FE_ALL_EXCEPT);
        std::feraiseexcept(c.raised);
        EXPECT_EQ(ErrorNumberOf(ArithmeticCheck), c.error);
        // Whatever it found, the check leaves the flags clear behind it.
        EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), 0);
        EXPECT_EQ(ErrorNumberOf(ArithmeticCheck), 0);
    }
}

// The operand checks that stand in for the flags give the flags' verdict on
// two million divisions and multiplications: special operands (zeros,
// infinities, NaN, subnormals, the largest and smallest normals) and any
// double at all, paired at random with a fixed seed.
TEST(ArithmeticCheck, OperandChecksGiveTheFlagsVerdict)
{
    const double special[] = { 0.0, -0.0, 1.0, -1.0, 0.5, 2.0, 10000.0,
        std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
        std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::denorm_min(),
        -std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::min() / 3,
        std::numeric_limits<double>::min(), std::numeric_limits<double>::max(),
        -std::numeric_limits<double>::max(), 1e154, 1e-154, 1.3407807929942596e154 };
    std::mt19937_64 random(20261209);
    const auto operand = [&]() {
        if (random() % 4 == 0)
            return special[random() % std::size(special)];
        const double any = std::bit_cast<double>(random());
        // A signalling NaN raises "invalid" wherever it goes; no figure
        // of the engines is ever one.
        return std::isnan(any) ? std::numeric_limits<double>::quiet_NaN() : any;
    };
    const auto byFlags = [](auto operation) {
        fret::ClearArithmeticFlags();
        return ErrorNumberOf([&] {
            fret::Settled(operation());
            ArithmeticCheck();
        });
    };
    for (int i = 0; i < 1'000'000; ++i) {
        const double a = operand(), b = operand();
        ASSERT_EQ(ErrorNumberOf([&] { fret::CheckedDivision(a, b); }), byFlags([&] {
            return a / b;
        })) << a
            << " / " << b;
        ASSERT_EQ(ErrorNumberOf([&] { fret::CheckedMultiplication(a, b); }), byFlags([&] {
            return a * b;
        })) << a
            << " * " << b;
    }
}

TEST(RuntimeError, CarriesItsNumberAndFrenchDescription)
{
    const fret::RuntimeError overflow(fret::ErrorNumber::Overflow);
    EXPECT_EQ(overflow.code(), 6);
    EXPECT_EQ(overflow.description(), "Dépassement de capacité");
    EXPECT_EQ(overflow.message(), "Erreur d'exécution '6' : Dépassement de capacité");

    const fret::RuntimeError division(fret::ErrorNumber::DivisionByZero);
    EXPECT_EQ(division.code(), 11);
    EXPECT_EQ(division.description(), "Division par zéro");
    EXPECT_EQ(division.message(), "Erreur d'exécution '11' : Division par zéro");
}

} // namespace
