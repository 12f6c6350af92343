#include "arithmetic_check.h"

#include "runtime_error.h"

#include <cfenv>
#include <cmath>

#if defined(__x86_64__) && defined(__SSE2__)
#include <xmmintrin.h>
#endif

namespace fret {

double CheckedDivision(double numerator, double denominator)
{
    const double quotient = numerator / denominator;
    if (std::isnan(numerator) || std::isnan(denominator))
        return quotient;
    if (denominator == 0) {
        if (numerator == 0)
            throw RuntimeError(ErrorNumber::Overflow); // 0/0: invalid
        if (std::isfinite(numerator))
            throw RuntimeError(ErrorNumber::DivisionByZero);
        return quotient; // ∞/0 is exactly ∞
    }
    if (std::isinf(numerator) && std::isinf(denominator))
        throw RuntimeError(ErrorNumber::Overflow); // invalid
    if (std::isinf(quotient) && std::isfinite(numerator))
        throw RuntimeError(ErrorNumber::Overflow);
    return quotient;
}

double CheckedMultiplication(double a, double b)
{
    const double product = a * b;
    if (std::isnan(a) || std::isnan(b))
        return product;
    if ((a == 0 && std::isinf(b)) || (std::isinf(a) && b == 0))
        throw RuntimeError(ErrorNumber::Overflow); // invalid
    if (std::isinf(product) && std::isfinite(a) && std::isfinite(b))
        throw RuntimeError(ErrorNumber::Overflow);
    return product;
}

#if defined(FE_DIVBYZERO) && defined(FE_INVALID) && defined(FE_OVERFLOW)
void ArithmeticCheck()
{
    const int raised = std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW);
    ClearArithmeticFlags();
    if ((raised & FE_DIVBYZERO) != 0)
        throw RuntimeError(ErrorNumber::DivisionByZero);
    if ((raised & (FE_INVALID | FE_OVERFLOW)) != 0)
        throw RuntimeError(ErrorNumber::Overflow);
}

#endif

void ClearArithmeticFlags() noexcept
{
#if defined(__x86_64__) && defined(__SSE2__)
    // The same as feclearexcept(FE_ALL_EXCEPT), which glibc does by storing
    // and reloading the whole x87 environment, some 70 ns, at every control
    // access. Doubles are computed in SSE registers, whose flags sit in
    // MXCSR; the x87 status word is cleared only when it has a flag raised.
    const unsigned int control = _mm_getcsr();
    if ((control & FE_ALL_EXCEPT) != 0)
        _mm_setcsr(control & ~static_cast<unsigned int>(FE_ALL_EXCEPT));
    unsigned short x87Status = 0;
    __asm__ volatile("fnstsw %0" : "=am"(x87Status));
    if ((x87Status & FE_ALL_EXCEPT) != 0)
        __asm__ volatile("fnclex");
#elif defined(FE_ALL_EXCEPT) && FE_ALL_EXCEPT != 0
    std::feclearexcept(FE_ALL_EXCEPT);
#endif
}

} // namespace fret
