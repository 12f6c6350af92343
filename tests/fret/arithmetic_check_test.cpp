#include "arithmetic_check.h"
#include "runtime_error.h"

#include "recording_surface.h"

#include <gtest/gtest.h>

#include <cfenv>

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
