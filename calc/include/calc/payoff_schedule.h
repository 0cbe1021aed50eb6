// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Month-by-month payoff of one debt.  Interest is charged on the balance
// owed at the start of each month, before that month's payment; the last
// payment is not trimmed, so the balance may end below zero.  A run that has
// not cleared the debt after MonthLimit months shows the limit message and
// stops with MonthLimit + 1 months and a total interest of 0.
//
// Arguments: monthly rate as a fraction (0.01 is 1 % a month), the balance
// owed at the start, the payment the user entered, and a selector: 0 returns
// the month count (a whole number), any other value the total interest.
// Each call runs the whole schedule.  Both throw runtime::CalculationError on
// division by zero or overflow.

#include <cstdint>
#include <string_view>

namespace calc {

inline constexpr std::int16_t MonthLimit = 600;
// The smallest declining payment, in the currency of the balance.
inline constexpr double PaymentFloor = 15.0;

inline constexpr std::string_view MonthLimitMessage =
    "Number of payments exceeds 600. Please increase the minimum payment percent and recalculate.";

// The same payment every month.
double FixedPayoff(double monthlyRate, double balance, double payment, int selector);

// Each month pays the fraction payment / balance of what is then owed, but
// never less than PaymentFloor.  A balance of 0 throws before any month.
double DecliningPayoff(double monthlyRate, double balance, double payment, int selector);

} // namespace calc
