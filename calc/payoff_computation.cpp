// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/payoff_computation.h"

#include "calc/payoff_schedule.h"
#include "runtime/checked_arithmetic.h"
#include "runtime/text.h"

#include <cstdint>
#include <string>
#include <utility>

namespace calc {

PayoffTexts ComputePayoff(std::string_view paymentText, std::string_view rateText,
                          std::string_view balanceText, std::string_view kindText,
                          const runtime::NumberLocale &locale)
{
    const double payment = runtime::TextToNumber(paymentText, locale);
    double rate = runtime::TextToNumber(rateText, locale);
    const double balance = runtime::TextToNumber(balanceText, locale);

    if (rate >= 1.0)
        rate = runtime::Div(rate, 100.0);
    const double monthlyRate = runtime::Div(rate, 12.0);

    const auto schedule =
        runtime::TextEquals(kindText, FixedKind) ? &FixedPayoff : &DecliningPayoff;
    const double months = schedule(monthlyRate, balance, payment, 0);
    const double totalInterest = schedule(monthlyRate, balance, payment, 1);
    const double average = runtime::Div(totalInterest, months);

    // Appended rather than "$" + text: GCC 12 at -O3 warns falsely (-Wrestrict)
    // about the operator+ that inserts at the front.
    const std::string amount = runtime::NumberToText(average, locale);
    std::string interest;
    interest.reserve(1 + amount.size());
    interest.append("$").append(amount);
    return {std::move(interest), runtime::NumberToText(static_cast<std::int16_t>(months), locale)};
}

} // namespace calc
