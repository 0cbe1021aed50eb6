// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/calculation_error.h"

namespace runtime {
namespace {

const char *describe(CalculationError::Cause cause)
{
    switch (cause) {
    case CalculationError::Cause::NotANumber:
        return "text is not a number";
    case CalculationError::Cause::DivisionByZero:
        return "division by zero";
    case CalculationError::Cause::Overflow:
        return "arithmetic overflow";
    }
    return "calculation error";
}

} // namespace

CalculationError::CalculationError(Cause cause) : std::runtime_error(describe(cause)), cause_(cause)
{
}

} // namespace runtime
