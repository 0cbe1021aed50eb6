// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/payoff_schedule.h"

#include "runtime/checked_arithmetic.h"
#include "runtime/message.h"

namespace calc {
namespace {

using runtime::Add;
using runtime::Mul;
using runtime::Sub;

// The loop both schedules share; paymentFor(balance) chooses a month's payment.
template <typename PaymentFor>
double runSchedule(double monthlyRate, double balance, int selector, PaymentFor paymentFor)
{
    double currentBalance = balance;
    std::int16_t months = 0;
    double total = 0.0;
    while (currentBalance > 0.0) {
        const double payment = paymentFor(currentBalance);
        const double interest = Mul(currentBalance, monthlyRate);
        const double principal = Sub(payment, interest);
        currentBalance = Sub(currentBalance, principal);
        total = Add(total, interest);
        ++months;
        if (months > MonthLimit) {
            runtime::ShowMessage(MonthLimitMessage);
            total = 0.0;
            break;
        }
    }
    return selector == 0 ? months : total;
}

} // namespace

double FixedPayoff(double monthlyRate, double balance, double payment, int selector)
{
    return runSchedule(monthlyRate, balance, selector, [payment](double) { return payment; });
}

double DecliningPayoff(double monthlyRate, double balance, double payment, int selector)
{
    const double ratio = runtime::Div(payment, balance);
    return runSchedule(monthlyRate, balance, selector, [ratio](double currentBalance) {
        const double share = Mul(currentBalance, ratio);
        return share < PaymentFloor ? PaymentFloor : share;
    });
}

} // namespace calc
