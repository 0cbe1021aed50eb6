// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Conversion between field text and numbers, in the user's own notation.
// Texts are UTF-8.  The notation is an argument, never the C library's
// global locale, so that the window can take it from the system and tests
// can pin it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace runtime {

// What a locale's numbers are made of.  Every field defaults to the ASCII
// notation of English, so NumberLocale{",", "."} is German.
struct NumberLocale {
    std::string decimalSeparator = ".";
    // Empty, or equal to the decimal separator: digit grouping is not accepted.
    std::string groupSeparator = ",";
    // Digits in the group next to the decimal separator, and in each group
    // further left: 3 and 3 for 1,234,567, 3 and 2 for India's 12,34,567.  A
    // size of 0 turns grouping off.
    std::size_t firstGroupSize = 3;
    std::size_t otherGroupSize = 3;
    // Zero to nine, each one character in UTF-8 (outside the BMP too).
    std::array<std::string, 10> digits = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    // As the locale writes them, possibly with a bidirectional mark around
    // the sign itself ("\u061C-" in Arabic, "\u200E\u2212" in Persian).
    std::string minusSign = "-";
    std::string plusSign = "+";

    bool operator==(const NumberLocale &) const = default;
};

// Accepts, with blanks (space, tab) around it: an optional sign, digits with
// an optional decimal separator, and an optional exponent (1e3, 2.5E-2).
// Digits are the locale's own or ASCII 0-9, one system throughout the text.
// A sign is ASCII + or -, or the locale's own sign character (U+2212 in
// Swedish), with at most one bidirectional mark (U+200E, U+200F, U+061C)
// before it and one after it.  The whole part may be grouped with the group separator in
// the locale's group sizes (12,34,567) or in threes (1,234,567), its first
// group no longer than the others and not starting with 0.  Where that
// separator is a no-break space, a plain space or the other no-break space
// also groups, and where it is U+2019, an apostrophe.  The value is
// correctly rounded to nearest, so one too small for a double becomes zero.
// Anything else throws CalculationError: NotANumber, or Overflow for a value
// too large for a double.  Linear in the length of the text.
double TextToNumber(std::string_view text, const NumberLocale &locale);

// General format: at most 15 significant digits, trailing zeros and a
// trailing separator dropped, no grouping, -0 written as 0.  Exponent form
// ("1.5e+15", "1e-05") is used when the decimal exponent, after rounding to
// 15 digits, is below -4 or 15 and above: the rule of printf's "%.15g".
// A locale with digits of its own gets its digits and signs throughout
// ("١٫٥e؜-٠٥"); one with ASCII digits gets ASCII signs.
// A non-finite value throws CalculationError.
std::string NumberToText(double value, const NumberLocale &locale);

// A count: plain decimal digits, in the locale's digits.
std::string NumberToText(std::int16_t count, const NumberLocale &locale = {});

} // namespace runtime
