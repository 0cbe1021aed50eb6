// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>
#include <cstddef>
#include <string>

// The ten digits of a digit system, as UTF-8, from its zero.
inline std::array<std::string, 10> DigitsFrom(char32_t zero)
{
    std::array<std::string, 10> digits;
    for (std::size_t value = 0; value < digits.size(); ++value) {
        const char32_t digit = zero + static_cast<char32_t>(value);
        digits[value] = QString::fromUcs4(&digit, 1).toStdString();
    }
    return digits;
}
