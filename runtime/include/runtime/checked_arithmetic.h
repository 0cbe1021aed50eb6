// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// IEEE 754 double arithmetic in which no infinity or NaN ever comes out:
// a division by zero (0 / 0 included) or a result that overflows raises
// CalculationError instead.  Underflow is not an error.

#include <cfloat>

#if defined(__FAST_MATH__)
#error "fast-math changes results; build without it"
#endif
#if !defined(FLT_EVAL_METHOD) || FLT_EVAL_METHOD != 0
#error "doubles must be evaluated in double precision (use SSE2 on 32-bit x86)"
#endif

namespace runtime {

double Add(double a, double b);
double Sub(double a, double b);
double Mul(double a, double b);
double Div(double dividend, double divisor);

} // namespace runtime
