#pragma once

namespace fret {

// The checks a calculator does after every multiplication or division,
// decided from the operation's operands with the verdict the floating-point
// status flags give where a processor has them (WebAssembly has none). The
// flags themselves are still cleared at every access to a window control,
// so that none leak to the caller.

// Throws RuntimeError 11 if the division-by-zero flag is set, otherwise
// RuntimeError 6 if the invalid-operation or overflow flag is set; clears
// the flags either way. Underflow and inexact results are never looked at.
// Where the flags exist: the reference the operand checks below are held to.
void ArithmeticCheck();

// One division or multiplication checked as the flags would check it, from
// its operands alone (WebAssembly has no flags): RuntimeError 11 for a
// finite non-zero number divided by zero; RuntimeError 6 for 0/0, ∞/∞,
// 0×∞ (invalid) or a finite result too large (overflow). Quiet NaNs,
// infinities carried through and underflow pass, as they raise nothing.
double CheckedDivision(double numerator, double denominator);
double CheckedMultiplication(double a, double b);

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
