// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/checked_arithmetic.h"

#include "runtime/calculation_error.h"

#include <cmath>

namespace runtime {
namespace {

double checked(double result)
{
    if (!std::isfinite(result))
        throw CalculationError(CalculationError::Cause::Overflow);
    return result;
}

} // namespace

double Add(double a, double b)
{
    return checked(a + b);
}

double Sub(double a, double b)
{
    return checked(a - b);
}

double Mul(double a, double b)
{
    return checked(a * b);
}

double Div(double dividend, double divisor)
{
    if (divisor == 0.0)
        throw CalculationError(CalculationError::Cause::DivisionByZero);
    return checked(dividend / divisor);
}

} // namespace runtime
