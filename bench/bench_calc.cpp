// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the calculation's two costly paths: reading a long pasted text
// (must stay linear in its length) and a computation that runs to the
// month limit (the longest one there is).  The month-limit computation runs
// beside the same loop without checks, and the run ends with the cost of the
// checks as a ratio of the two.
#include "calc/payoff_computation.h"
#include "calc/payoff_schedule.h"
#include "runtime/calculation_error.h"
#include "runtime/message.h"
#include "runtime/number_text.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

const runtime::NumberLocale english{".", ","};

void textToNumberFraction(benchmark::State &state)
{
    const std::string text = "0." + std::string(static_cast<std::size_t>(state.range(0)), '3');
    for (auto _ : state)
        benchmark::DoNotOptimize(runtime::TextToNumber(text, english));
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(textToNumberFraction)->RangeMultiplier(8)->Range(1 << 10, 1 << 22)->Complexity();

// The same in Arabic-Indic digits, which are mapped to ASCII before reading.
void textToNumberOwnDigits(benchmark::State &state)
{
    runtime::NumberLocale arabic{"\u066B", "\u066C"};
    for (std::size_t digit = 0; digit < arabic.digits.size(); ++digit)
        arabic.digits[digit] = {'\xD9', static_cast<char>(0xA0 + digit)};
    std::string text = "\u0660\u066B";
    while (text.size() < static_cast<std::size_t>(state.range(0)))
        text += "\u0663";
    for (auto _ : state)
        benchmark::DoNotOptimize(runtime::TextToNumber(text, arabic));
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(textToNumberOwnDigits)->RangeMultiplier(8)->Range(1 << 10, 1 << 22)->Complexity();

void textToNumberGroupsOverflow(benchmark::State &state)
{
    std::string text = "1";
    while (text.size() < static_cast<std::size_t>(state.range(0)))
        text += ",000";
    for (auto _ : state) {
        try {
            benchmark::DoNotOptimize(runtime::TextToNumber(text, english));
        }
        catch (const runtime::CalculationError &) {
        }
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(textToNumberGroupsOverflow)->RangeMultiplier(8)->Range(1 << 10, 1 << 22)->Complexity();

// 10 a month at 12 % a year on 1000 pays exactly the interest: both runs of
// the schedule go to the month limit.
constexpr double limitRate = 0.01;
constexpr double limitBalance = 1000.0;
constexpr double limitPayment = 10.0;

// calc::FixedPayoff's loop with plain arithmetic: what the schedule would
// cost if nothing were checked.
[[gnu::noinline]] double uncheckedFixedPayoff(double monthlyRate, double balance, double payment,
                                              int selector)
{
    double currentBalance = balance;
    std::int16_t months = 0;
    double total = 0.0;
    while (currentBalance > 0.0) {
        const double interest = currentBalance * monthlyRate;
        const double principal = payment - interest;
        currentBalance = currentBalance - principal;
        total = total + interest;
        ++months;
        if (months > calc::MonthLimit) {
            runtime::ShowMessage(calc::MonthLimitMessage);
            total = 0.0;
            break;
        }
    }
    return selector == 0 ? months : total;
}

// Both runs of a schedule, as ComputePayoff makes them, with no message box.
template <double (*Schedule)(double, double, double, int)>
void bothRunsToTheMonthLimit(benchmark::State &state)
{
    const runtime::MessagePresenter previous =
        runtime::InstallMessagePresenter([](std::string_view) {});
    double rate = limitRate;
    double balance = limitBalance;
    double payment = limitPayment;
    for (auto _ : state) {
        benchmark::DoNotOptimize(rate);
        benchmark::DoNotOptimize(balance);
        benchmark::DoNotOptimize(payment);
        benchmark::DoNotOptimize(Schedule(rate, balance, payment, 0));
        benchmark::DoNotOptimize(Schedule(rate, balance, payment, 1));
    }
    runtime::InstallMessagePresenter(previous);
}
BENCHMARK(bothRunsToTheMonthLimit<uncheckedFixedPayoff>)->Name("uncheckedLoopToTheMonthLimit");
BENCHMARK(bothRunsToTheMonthLimit<calc::FixedPayoff>)->Name("fixedPayoffToTheMonthLimit");

// The whole computation, texts in and out: the worst the Compute button meets.
void computeToTheMonthLimit(benchmark::State &state)
{
    const runtime::MessagePresenter previous =
        runtime::InstallMessagePresenter([](std::string_view) {});
    for (auto _ : state)
        benchmark::DoNotOptimize(calc::ComputePayoff("10", "12", "1000", "Fixed", english));
    runtime::InstallMessagePresenter(previous);
}
BENCHMARK(computeToTheMonthLimit);

// The console report, then the checked runs' processor time over the
// unchecked loop's (processor time: the machine may be busy with other work).
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (!run.error_occurred)
                times_[run.benchmark_name()] = run.GetAdjustedCPUTime();
        }
    }

    void printRatios() const
    {
        const double unchecked = timeOf("uncheckedLoopToTheMonthLimit");
        if (unchecked <= 0.0)
            return;
        for (const char *checked : {"fixedPayoffToTheMonthLimit", "computeToTheMonthLimit"}) {
            const double time = timeOf(checked);
            if (time > 0.0)
                std::printf("%s / uncheckedLoopToTheMonthLimit: %.2fx\n", checked,
                            time / unchecked);
        }
    }

private:
    // The median when the runs were repeated, else the one run.
    double timeOf(const std::string &name) const
    {
        for (const std::string &key : {name + "_median", name}) {
            const auto found = times_.find(key);
            if (found != times_.end())
                return found->second;
        }
        return 0.0;
    }

    std::map<std::string, double> times_;
};

// The unchecked loop is only a yardstick if it computes what the schedule does.
bool sameResults()
{
    const runtime::MessagePresenter previous =
        runtime::InstallMessagePresenter([](std::string_view) {});
    bool same = true;
    for (int selector : {0, 1}) {
        const double checked = calc::FixedPayoff(limitRate, limitBalance, limitPayment, selector);
        const double unchecked =
            uncheckedFixedPayoff(limitRate, limitBalance, limitPayment, selector);
        same = same && std::memcmp(&checked, &unchecked, sizeof checked) == 0;
    }
    runtime::InstallMessagePresenter(previous);
    return same;
}

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (!sameResults()) {
        std::fprintf(stderr, "the unchecked loop computes something else than FixedPayoff\n");
        return 1;
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
    return 0;
}
