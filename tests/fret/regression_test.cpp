// What fuzzing and the benchmarks turned up, kept from coming back.

#include "arithmetic_check.h"
#include "control_table.h"
#include "fret_calculator.h"
#include "fret_slots.h"
#include "runtime_error.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <string>

namespace {

int CheckedErrorNumber()
{
    try {
        fret::ArithmeticCheck();
    } catch (const fret::RuntimeError& error) {
        return error.code();
    }
    return 0;
}

// Clearing the flags at every control access was made cheap (the C
// library's feclearexcept reloads the whole x87 environment, most of a
// scale choice's time). It must still clear flags wherever the arithmetic
// raised them: in the SSE unit, where doubles are computed, and in the x87
// unit, where long doubles are.
TEST(ArithmeticFlagsRegression, ClearedWhetherRaisedBySseOrX87Arithmetic)
{
    volatile double zero = 0.0;
    volatile double huge = 1e308;
    volatile long double hugeLong = 1e4000L;

    std::feclearexcept(FE_ALL_EXCEPT);
    volatile double sse = 1.0 / zero + huge * huge + zero / zero;
    (void)sse;
    ASSERT_NE(std::fetestexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID), 0);
    fret::ClearArithmeticFlags();
    EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), 0);

    volatile long double x87 = hugeLong * hugeLong + 1.0L / static_cast<long double>(zero);
    (void)x87;
    ASSERT_NE(std::fetestexcept(FE_OVERFLOW | FE_DIVBYZERO), 0);
    fret::ClearArithmeticFlags();
    EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), 0);

    // Nothing raised: nothing to do, and still nothing raised after.
    fret::ClearArithmeticFlags();
    EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), 0);
}

// A check that follows arithmetic raising a flag in either unit reports it.
TEST(ArithmeticFlagsRegression, CheckSeesFlagsOfBothUnits)
{
    volatile double zero = 0.0;
    volatile long double hugeLong = 1e4000L;

    std::feclearexcept(FE_ALL_EXCEPT);
    volatile double sse = 1.0 / zero;
    (void)sse;
    EXPECT_EQ(CheckedErrorNumber(), 11);

    volatile long double x87 = hugeLong * hugeLong;
    (void)x87;
    EXPECT_EQ(CheckedErrorNumber(), 6);
    EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), 0);
    EXPECT_EQ(CheckedErrorNumber(), 0);
}

struct TinyLengthRow {
    int slot;
    const char* position;
};

// Found by the scale-choice fuzz target, which first expected frets never
// to go backwards. Below a length of 0.01 the four-decimal roundings are as
// large as the gaps between frets, and the rules give what they give: at
// 0.0007 the half length 0.00035 rounds to the even 0.0004 (the octave
// fret), while the ninth, 0.0007 - 0.0004 / 1.125 rounded, is 0.0003.
TEST(TinyLengthRegression, FretsFollowTheRoundingRulesEvenWhenTheyCross)
{
    fret::ControlTable window;
    fret::FretCalculator calculator(window, ".");
    window.SetText("Longvib", "0.0007");
    calculator.Longvib_Change();
    window.SetText("Combo2", " Sol");
    calculator.Combo2_Click();
    window.SetText("Combo1", "Pythagore Diatonique");
    calculator.Combo1_Click();

    const TinyLengthRow rows[] = {
        { 1, "0.0001" },
        { 2, "0.0001" },
        { 3, "0.0002" },
        { 4, "0.0002" },
        { 5, "0.0003" },
        { 6, "0.0003" },
        { 7, "0.0004" },
        { 9, "0.0003" },
        { 10, "0.0004" },
        { 11, "0.0004" },
        { 12, "0.0004" },
        { 13, "0.0005" },
        { 14, "0.0005" },
        { 15, "0.0005" },
    };
    for (const TinyLengthRow& row : rows)
        EXPECT_EQ(window.control(fret::PositionBox(row.slot)).text, row.position)
            << "slot " << row.slot;
}

} // namespace
