// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>

namespace runtime {

// The one error a calculation raises.  Only the Compute command catches it,
// and it does so silently, so the message is for developers and tests only.
class CalculationError : public std::runtime_error {
public:
    enum class Cause { NotANumber, DivisionByZero, Overflow };

    explicit CalculationError(Cause cause);

    Cause cause() const noexcept { return cause_; }

private:
    Cause cause_;
};

} // namespace runtime
