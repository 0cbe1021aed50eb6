// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/checked_arithmetic.h"

#include "runtime/calculation_error.h"

namespace runtime::checked_detail {

void ThrowOverflow()
{
    throw CalculationError(CalculationError::Cause::Overflow);
}

void ThrowDivisionByZero()
{
    throw CalculationError(CalculationError::Cause::DivisionByZero);
}

} // namespace runtime::checked_detail
