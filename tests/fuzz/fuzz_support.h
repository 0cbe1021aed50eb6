// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What both fuzzers share: the number notations they try and the checks on
// number text.  A failed check prints what it saw and aborts, which libFuzzer
// reports as a crash and keeps the input.

#include "runtime/calculation_error.h"
#include "runtime/number_text.h"

#include <array>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace fuzz {

[[noreturn]] inline void Fail(const char *what, std::string_view detail)
{
    std::fprintf(stderr, "FAILED: %s: [%.*s]\n", what, static_cast<int>(detail.size()),
                 detail.data());
    std::abort();
}

// The ten digits counting up from zero, in UTF-8.
inline std::array<std::string, 10> DigitsFrom(char32_t zero)
{
    std::array<std::string, 10> digits;
    for (std::size_t value = 0; value < digits.size(); ++value) {
        const char32_t c = zero + static_cast<char32_t>(value);
        std::string &utf8 = digits[value];
        if (c < 0x80) {
            utf8 += static_cast<char>(c);
        }
        else if (c < 0x800) {
            utf8 += static_cast<char>(0xC0 | (c >> 6));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        }
        else if (c < 0x10000) {
            utf8 += static_cast<char>(0xE0 | (c >> 12));
            utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        }
        else {
            utf8 += static_cast<char>(0xF0 | (c >> 18));
            utf8 += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return digits;
}

// The notations, picked by one byte of the input.  Fields not set here keep
// their defaults.
inline runtime::NumberLocale Notation(std::uint8_t pick)
{
    runtime::NumberLocale locale;
    switch (pick % 13) {
    case 0: // English
        locale.decimalSeparator = ".";
        locale.groupSeparator = ",";
        break;
    case 1: // German
        locale.decimalSeparator = ",";
        locale.groupSeparator = ".";
        break;
    case 2: // French: no-break space groups, and a plain space is taken too
        locale.decimalSeparator = ",";
        locale.groupSeparator = "\u00A0";
        break;
    case 3: // Swiss: U+2019 groups, and an apostrophe is taken too
        locale.decimalSeparator = ".";
        locale.groupSeparator = "\u2019";
        break;
    case 4: // a group separator equal to the decimal one: no grouping
        locale.decimalSeparator = ",";
        locale.groupSeparator = ",";
        break;
    case 5: // narrow no-break space groups
        locale.decimalSeparator = ",";
        locale.groupSeparator = "\u202F";
        break;
    case 6: // Arabic: Arabic-Indic digits and separators, signs after the letter mark
        locale.decimalSeparator = "\u066B";
        locale.groupSeparator = "\u066C";
        locale.digits = DigitsFrom(U'\u0660');
        locale.minusSign = "\u061C-";
        locale.plusSign = "\u061C+";
        break;
    case 7: // Persian: extended Arabic-Indic digits, U+2212 minus after a left-to-right mark
        locale.decimalSeparator = "\u066B";
        locale.groupSeparator = "\u066C";
        locale.digits = DigitsFrom(U'\u06F0');
        locale.minusSign = "\u200E\u2212";
        locale.plusSign = "\u200E+";
        break;
    case 8: // Kashmiri: the same digits, the sign between two left-to-right marks
        locale.decimalSeparator = "\u066B";
        locale.groupSeparator = "\u066C";
        locale.digits = DigitsFrom(U'\u06F0');
        locale.minusSign = "\u200E-\u200E";
        locale.plusSign = "\u200E+\u200E";
        break;
    case 9: // Indian English: ASCII digits in lakh groups (12,34,567)
        locale.firstGroupSize = 3;
        locale.otherGroupSize = 2;
        break;
    case 10: // Marathi: Devanagari digits in lakh groups
        locale.firstGroupSize = 3;
        locale.otherGroupSize = 2;
        locale.digits = DigitsFrom(U'\u0966');
        break;
    case 11: // Swedish: U+2212 minus, no-break space groups
        locale.decimalSeparator = ",";
        locale.groupSeparator = "\u00A0";
        locale.minusSign = "\u2212";
        break;
    default: // Adlam: four-byte digits beyond the BMP, U+2E41 groups
        locale.groupSeparator = "\u2E41";
        locale.digits = DigitsFrom(U'\U0001E950');
        break;
    }
    return locale;
}

inline std::string Describe(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%a (%.17g)", value, value);
    return text;
}

// NumberToText then TextToNumber gives value back within 15 significant
// digits: exactly the double nearest to printf's "%.15g" text of it.  Near
// the largest double those 15 digits round up beyond it, and reading the
// text back is an overflow.
inline void CheckRoundTrip(double value, const runtime::NumberLocale &locale)
{
    const std::string text = runtime::NumberToText(value, locale);
    char reference[64];
    std::snprintf(reference, sizeof reference, "%.15g", value);
    const double expected = std::strtod(reference, nullptr);

    double back = 0.0;
    try {
        back = runtime::TextToNumber(text, locale);
    }
    catch (const runtime::CalculationError &error) {
        if (std::isfinite(expected) || error.cause() != runtime::CalculationError::Cause::Overflow)
            Fail("NumberToText wrote a text TextToNumber refuses",
                 text + " for " + Describe(value));
        return;
    }
    if (back != expected)
        Fail("the number read back is not the value to 15 digits",
             text + " gave " + Describe(back) + " for " + Describe(value));
}

// A number text TextToNumber reads back, to a value written the same again.
// Below DBL_MIN a double has fewer than 15 digits, so only normal values must
// come out the same.  The one text allowed to overflow is the largest
// double's own (see CheckRoundTrip).
inline void CheckReadsBack(std::string_view text, const runtime::NumberLocale &locale)
{
    double value = 0.0;
    try {
        value = runtime::TextToNumber(text, locale);
    }
    catch (const runtime::CalculationError &error) {
        if (error.cause() != runtime::CalculationError::Cause::Overflow ||
            (text != runtime::NumberToText(DBL_MAX, locale) &&
             text != runtime::NumberToText(-DBL_MAX, locale)))
            Fail("a result TextToNumber refuses", text);
        return;
    }
    if (value != 0.0 && std::fabs(value) < DBL_MIN)
        return;
    if (runtime::NumberToText(value, locale) != text)
        Fail("a result written again comes out different", text);
}

} // namespace fuzz
