// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// ComputePayoff: the texts the user typed in, the two result texts out.  It
// runs one of the schedules of payoff_schedule.h twice, once for the month
// count and once for the total interest.  Where this sits in the program:
// README.md, "Layout".

#include "runtime/number_text.h"

#include <string>
#include <string_view>

namespace calc {

// The payment kinds, as the window lists them.  Only FixedKind selects the
// fixed schedule; every other text selects the declining one.
inline constexpr std::string_view FixedKind = "Fixed";
inline constexpr std::string_view DecliningKind = "Declining Minimum";

struct PayoffTexts {
    std::string interest; // average interest a month, "$" and the amount
    std::string months;   // months until the balance reaches zero
};

// A rate of 1 or more is a percentage (18 is 18 %); a smaller one is a
// fraction (0.18 is 18 %, 0.5 is 50 %).  The rate is yearly.
// Returns both texts or throws runtime::CalculationError: for text that is
// not a number, a zero balance on the declining schedule, a run of zero
// months (0 / 0), or overflow.  The month-limit message may be shown twice,
// once for each run of the schedule.
PayoffTexts ComputePayoff(std::string_view paymentText, std::string_view rateText,
                          std::string_view balanceText, std::string_view kindText,
                          const runtime::NumberLocale &locale);

} // namespace calc
