#include "arithmetic_check.h"

#include "runtime_error.h"

#include <cfenv>

namespace fret {

void ArithmeticCheck()
{
    const int raised = std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW);
    std::feclearexcept(FE_ALL_EXCEPT);
    if ((raised & FE_DIVBYZERO) != 0)
        throw RuntimeError(ErrorNumber::DivisionByZero);
    if ((raised & (FE_INVALID | FE_OVERFLOW)) != 0)
        throw RuntimeError(ErrorNumber::Overflow);
}

void ClearArithmeticFlags() noexcept
{
    std::feclearexcept(FE_ALL_EXCEPT);
}

} // namespace fret
