// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the Compute button does, apart from reading and writing the fields:
// refuse an empty or "0" payment, rate or balance with one message, then run
// the calculation under a trap that swallows every CalculationError.
// Plain C++, so it runs and is tested without a window.

#include "calc/payoff_computation.h"
#include "runtime/number_text.h"

#include <optional>
#include <string>
#include <string_view>

namespace window {

inline constexpr std::string_view MissingPaymentMessage =
    "Please enter this debt's current payment monthly amount";
inline constexpr std::string_view MissingRateMessage =
    "Please enter this debt's annual interest rate";
inline constexpr std::string_view MissingBalanceMessage =
    "Please enter this debt's current balance";

struct ComputeFields {
    std::string payment; // Text1
    std::string rate;    // Text2
    std::string balance; // Text3
    std::string kind;    // Combo1
};

// The result texts to write, or nothing when a field was refused (one
// message shown) or the calculation failed (no message).
std::optional<calc::PayoffTexts> RunCompute(const ComputeFields &fields,
                                            const runtime::NumberLocale &locale);

} // namespace window
