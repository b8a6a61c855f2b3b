#include "acad/fpu.h"

#include "acad/errors.h"

#include <cfenv>
#include <cmath>

namespace acad::fpu {

void clear()
{
    std::feclearexcept(FE_ALL_EXCEPT);
}

void check()
{
    const int raised = std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
    if (!raised)
        return;
    clear();
    if (raised & FE_INVALID)
        throw EInvalidOp();
    if (raised & FE_DIVBYZERO)
        throw EZeroDivide();
    throw EOverflow();
}

void checkValue(double value)
{
    if (std::isnan(value))
        throw EInvalidOp();
    if (std::isinf(value))
        throw EOverflow();
}

} // namespace acad::fpu
