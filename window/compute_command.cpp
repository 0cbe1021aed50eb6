// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/compute_command.h"

#include "runtime/calculation_error.h"
#include "runtime/message.h"
#include "runtime/text.h"

namespace window {
namespace {

// Only the exact texts "" and "0" count as missing: no trimming, no number test.
bool isMissing(std::string_view text)
{
    return runtime::TextEquals(text, "0") || runtime::TextEquals(text, "");
}

} // namespace

std::optional<calc::PayoffTexts> RunCompute(const ComputeFields &fields,
                                            const runtime::NumberLocale &locale)
{
    if (isMissing(fields.payment)) {
        runtime::ShowMessage(MissingPaymentMessage);
        return std::nullopt;
    }
    if (isMissing(fields.rate)) {
        runtime::ShowMessage(MissingRateMessage);
        return std::nullopt;
    }
    if (isMissing(fields.balance)) {
        runtime::ShowMessage(MissingBalanceMessage);
        return std::nullopt;
    }

    try {
        return calc::ComputePayoff(fields.payment, fields.rate, fields.balance, fields.kind,
                                   locale);
    }
    catch (const runtime::CalculationError &) {
        // The trap: a failed calculation ends the command silently.
        return std::nullopt;
    }
}

} // namespace window
