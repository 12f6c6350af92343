#pragma once

namespace fret {

// The floating-point status of the calculating thread stands in for the
// checks a calculator does after every multiplication or division: the
// flags are cleared at every access to a window control, so a check covers
// only the arithmetic done since the previous check or access.

// Throws RuntimeError 11 if the division-by-zero flag is set, otherwise
// RuntimeError 6 if the invalid-operation or overflow flag is set; clears
// the flags either way. Underflow and inexact results are never looked at.
void ArithmeticCheck();

// Clears the exception flags; called at every control access.
void ClearArithmeticFlags() noexcept;

// Forces a double result to be computed at this point of the program, so
// that the compiler cannot move the operation that produced it past the
// next ArithmeticCheck, which reads the flags that operation raised.
inline double Settled(double value) noexcept
{
#if defined(__GNUC__) || defined(__clang__)
    __asm__ volatile("" : "+m"(value));
#else
    volatile double pinned = value;
    value = pinned;
#endif
    return value;
}

} // namespace fret
