// SPDX-License-Identifier: GPL-3.0-or-later
// The Compute command from any field texts.  Input: one byte picks the
// notation, one the kind ("Fixed", "Declining Minimum", or the fourth text
// as it is), then the payment, rate, balance and kind texts, split at
// newlines.
#include "fuzz_support.h"

#include "calc/payoff_computation.h"
#include "calc/payoff_schedule.h"
#include "runtime/calculation_error.h"
#include "runtime/message.h"
#include "window/compute_command.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::vector<std::string> shownMessages;

// The month count of a result text in the locale's digits, or -1 when the
// text is not a whole number from 0 to 601 written as NumberToText writes it.
int monthCount(const std::string &text, const runtime::NumberLocale &locale)
{
    double value = -1.0;
    try {
        value = runtime::TextToNumber(text, locale);
    }
    catch (const runtime::CalculationError &) {
        return -1;
    }
    if (!(value >= 0.0 && value <= calc::MonthLimit + 1) || value != std::floor(value))
        return -1;
    const int count = static_cast<int>(value);
    if (runtime::NumberToText(static_cast<std::int16_t>(count), locale) != text)
        return -1;
    return count;
}

void checkResult(const calc::PayoffTexts &result, const runtime::NumberLocale &locale)
{
    const int months = monthCount(result.months, locale);
    if (months < 0)
        fuzz::Fail("months not a whole number from 0 to 601", result.months);
    if (result.interest.empty() || result.interest[0] != '$')
        fuzz::Fail("interest without its $", result.interest);
    fuzz::CheckReadsBack(std::string_view(result.interest).substr(1), locale);

    // The month-limit message comes once for each run of the schedule, and
    // only when the limit was reached.
    const bool atTheLimit = months == calc::MonthLimit + 1;
    const std::size_t expectedMessages = atTheLimit ? 2 : 0;
    if (shownMessages.size() != expectedMessages)
        fuzz::Fail("month-limit messages do not match the months", result.months);
    for (const std::string &message : shownMessages) {
        if (message != calc::MonthLimitMessage)
            fuzz::Fail("unexpected message", message);
    }
    if (atTheLimit && result.interest != "$" + runtime::NumberToText(0.0, locale))
        fuzz::Fail("interest at the month limit is not $0", result.interest);
}

bool isMissing(std::string_view text)
{
    return text.empty() || text == "0";
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    runtime::InstallMessagePresenter(
        [](std::string_view prompt) { shownMessages.emplace_back(prompt); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    const runtime::NumberLocale locale = fuzz::Notation(data[0]);
    const std::uint8_t kindPick = data[1] % 4;
    std::string_view rest(reinterpret_cast<const char *>(data + 2), size - 2);

    std::string texts[4];
    for (std::string &text : texts) {
        const std::size_t end = rest.find('\n');
        text = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    window::ComputeFields fields{texts[0], texts[1], texts[2], texts[3]};
    if (kindPick == 0)
        fields.kind = calc::FixedKind;
    else if (kindPick == 1)
        fields.kind = calc::DecliningKind;

    // The calculation on its own: a result or CalculationError, nothing else.
    shownMessages.clear();
    std::optional<calc::PayoffTexts> direct;
    try {
        direct =
            calc::ComputePayoff(fields.payment, fields.rate, fields.balance, fields.kind, locale);
        checkResult(*direct, locale);
    }
    catch (const runtime::CalculationError &) {
        if (!shownMessages.empty())
            fuzz::Fail("a failed calculation showed a message", shownMessages.front());
    }

    // The command: the missing-field check, then the same calculation.
    const std::vector<std::string> directMessages = shownMessages;
    shownMessages.clear();
    const std::optional<calc::PayoffTexts> command = window::RunCompute(fields, locale);
    if (isMissing(fields.payment) || isMissing(fields.rate) || isMissing(fields.balance)) {
        const std::string_view expected = isMissing(fields.payment) ? window::MissingPaymentMessage
                                          : isMissing(fields.rate)  ? window::MissingRateMessage
                                                                    : window::MissingBalanceMessage;
        if (command || shownMessages.size() != 1 || shownMessages[0] != expected)
            fuzz::Fail("a missing field was not refused with its one message", fields.payment);
        return 0;
    }
    if (shownMessages != directMessages)
        fuzz::Fail("the command showed other messages than the calculation", fields.payment);
    if (command.has_value() != direct.has_value() ||
        (command && (command->interest != direct->interest || command->months != direct->months)))
        fuzz::Fail("the command's result differs from the calculation's", fields.payment);
    return 0;
}
