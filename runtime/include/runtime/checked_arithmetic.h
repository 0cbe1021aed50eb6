// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// IEEE 754 double arithmetic in which no infinity or NaN ever comes out:
// a division by zero (0 / 0 included) or a result that overflows raises
// CalculationError instead.  Underflow is not an error.
//
// The operations are inline so that a schedule's loop costs about what the
// bare arithmetic does; only the throwing path is an out-of-line call, kept
// cold and away from the loop.

#include <cfloat>
#include <cmath>

#if defined(__FAST_MATH__)
#error "fast-math changes results; build without it"
#endif
#if !defined(FLT_EVAL_METHOD) || FLT_EVAL_METHOD != 0
#error "doubles must be evaluated in double precision (use SSE2 on 32-bit x86)"
#endif

namespace runtime {

namespace checked_detail {

[[noreturn, gnu::cold]] void ThrowOverflow();
[[noreturn, gnu::cold]] void ThrowDivisionByZero();

inline double Finite(double result)
{
    if (!std::isfinite(result)) [[unlikely]]
        ThrowOverflow();
    return result;
}

} // namespace checked_detail

inline double Add(double a, double b)
{
    return checked_detail::Finite(a + b);
}

inline double Sub(double a, double b)
{
    return checked_detail::Finite(a - b);
}

inline double Mul(double a, double b)
{
    return checked_detail::Finite(a * b);
}

inline double Div(double dividend, double divisor)
{
    if (divisor == 0.0) [[unlikely]]
        checked_detail::ThrowDivisionByZero();
    return checked_detail::Finite(dividend / divisor);
}

} // namespace runtime
