// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Exact comparison of doubles for tests.  QCOMPARE on doubles is fuzzy; these
// helpers compare every bit and show the hexadecimal form on failure.

#include "runtime/calculation_error.h"

#include <QMetaType>
#include <QString>
#include <QTest>

#include <charconv>
#include <optional>

Q_DECLARE_METATYPE(runtime::CalculationError::Cause)

inline QString exactText(double value)
{
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::hex);
    return QString::fromLatin1(buffer, result.ptr - buffer) + QStringLiteral(" (") +
           QString::number(value, 'g', 17) + QLatin1Char(')');
}

#define QCOMPARE_EXACT(actual, expected) QCOMPARE(exactText(actual), exactText(expected))

// The cause of the CalculationError that call throws, or nothing if it
// returns.  Any other exception passes through and fails the test, so a
// comparison with an expected cause also checks the exception's type.
template <typename Call>
std::optional<runtime::CalculationError::Cause> errorCause(Call call)
{
    try {
        call();
    }
    catch (const runtime::CalculationError &error) {
        return error.cause();
    }
    return std::nullopt;
}

namespace QTest {
template <>
inline char *toString(const std::optional<runtime::CalculationError::Cause> &cause)
{
    if (!cause)
        return qstrdup("no error");
    switch (*cause) {
    case runtime::CalculationError::Cause::NotANumber:
        return qstrdup("NotANumber");
    case runtime::CalculationError::Cause::DivisionByZero:
        return qstrdup("DivisionByZero");
    case runtime::CalculationError::Cause::Overflow:
        return qstrdup("Overflow");
    }
    return qstrdup("?");
}
} // namespace QTest
