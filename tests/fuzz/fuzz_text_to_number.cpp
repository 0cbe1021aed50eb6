// SPDX-License-Identifier: GPL-3.0-or-later
// TextToNumber on any text in several notations, and NumberToText on any
// double.  Input: one byte picks the notation, the rest is the text; its
// first eight bytes are also taken as the bits of a double.
#include "fuzz_support.h"

#include "runtime/calculation_error.h"
#include "runtime/number_text.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const runtime::NumberLocale locale = fuzz::Notation(data[0]);
    const std::string_view text(reinterpret_cast<const char *>(data + 1), size - 1);

    // Only CalculationError may come out, and never an infinity or a NaN.
    try {
        const double value = runtime::TextToNumber(text, locale);
        if (!std::isfinite(value))
            fuzz::Fail("TextToNumber gave a value that is not finite", text);
        fuzz::CheckRoundTrip(value, locale);
    }
    catch (const runtime::CalculationError &) {
    }

    if (text.size() >= sizeof(double)) {
        double bits = 0.0;
        std::memcpy(&bits, text.data(), sizeof bits);
        if (std::isfinite(bits)) {
            fuzz::CheckRoundTrip(bits, locale);
        }
        else {
            try {
                runtime::NumberToText(bits, locale);
                fuzz::Fail("NumberToText wrote a value that is not finite", fuzz::Describe(bits));
            }
            catch (const runtime::CalculationError &) {
            }
        }
    }
    return 0;
}
