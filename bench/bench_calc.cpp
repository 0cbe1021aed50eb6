// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the calculation's two costly paths: reading a long pasted text
// (must stay linear in its length) and a computation that runs to the
// month limit (the longest one there is).
#include "calc/payoff_computation.h"
#include "runtime/calculation_error.h"
#include "runtime/message.h"
#include "runtime/number_text.h"

#include <benchmark/benchmark.h>

#include <string>

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
        arabic.digits[digit] = {'\xD9', static_cast<char>('\xA0' + digit)};
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

void computeToTheMonthLimit(benchmark::State &state)
{
    const runtime::MessagePresenter previous =
        runtime::InstallMessagePresenter([](std::string_view) {});
    for (auto _ : state)
        benchmark::DoNotOptimize(calc::ComputePayoff("10", "12", "1000", "Fixed", english));
    runtime::InstallMessagePresenter(previous);
}
BENCHMARK(computeToTheMonthLimit);

} // namespace

BENCHMARK_MAIN();
