// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Conversion between field text and numbers, in the user's own notation.
// Texts are UTF-8.  The separators are an argument, never the C library's
// global locale, so that the window can take them from the system and tests
// can pin them.

#include <cstdint>
#include <string>
#include <string_view>

namespace runtime {

struct NumberLocale {
    std::string decimalSeparator = ".";
    // Empty, or equal to the decimal separator: digit grouping is not accepted.
    std::string groupSeparator = ",";
};

// Accepts, with blanks (space, tab) around it: an optional + or -, ASCII
// digits with an optional decimal separator, and an optional exponent (1e3,
// 2.5E-2).  The whole part may be grouped in threes with the group separator
// (1,000.5), its first group not starting with 0; where that separator is a
// no-break space, a plain space or the other no-break space also groups, and
// where it is U+2019, an apostrophe.  The value is correctly rounded to
// nearest, so one too small for a double becomes zero.  Anything else throws
// CalculationError: NotANumber, or Overflow for a value too large for a
// double.  Linear in the length of the text.
double TextToNumber(std::string_view text, const NumberLocale &locale);

// General format: at most 15 significant digits, trailing zeros and a
// trailing separator dropped, no grouping, -0 written as 0.  Exponent form
// ("1.5e+15", "1e-05") is used when the decimal exponent, after rounding to
// 15 digits, is below -4 or 15 and above: the rule of printf's "%.15g".
// A non-finite value throws CalculationError.
std::string NumberToText(double value, const NumberLocale &locale);

// A count: plain decimal digits.
std::string NumberToText(std::int16_t count);

} // namespace runtime
