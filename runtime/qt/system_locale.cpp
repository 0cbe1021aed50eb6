// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/qt/system_locale.h"

#include <QLocale>
#include <QStringList>

namespace runtime {
namespace {

// Qt 6.4 has no public accessor for a locale's group sizes, so they are read
// off a number long enough to show both: the group next to the end, and the
// one before it.  The leading group is not used, as Qt may lengthen it to the
// locale's minimum grouping.
void readGroupSizes(QLocale locale, NumberLocale &notation)
{
    locale.setNumberOptions(QLocale::DefaultNumberOptions);
    const QString separator = locale.groupSeparator();
    if (separator.isEmpty())
        return;
    const QStringList groups = locale.toString(123456789012LL).split(separator);
    if (groups.size() < 3)
        return;
    // Counted in characters: a digit may take two UTF-16 units.
    notation.firstGroupSize =
        static_cast<std::size_t>(groups.at(groups.size() - 1).toUcs4().size());
    notation.otherGroupSize =
        static_cast<std::size_t>(groups.at(groups.size() - 2).toUcs4().size());
}

} // namespace

NumberLocale NumberLocaleOf(const QLocale &locale)
{
    NumberLocale notation{locale.decimalPoint().toStdString(),
                          locale.groupSeparator().toStdString()};
    readGroupSizes(locale, notation);

    // Every Unicode decimal digit system runs zero to nine in consecutive code points.
    const QList<uint> zero = locale.zeroDigit().toUcs4();
    if (zero.size() == 1) {
        for (std::size_t value = 0; value < notation.digits.size(); ++value) {
            const auto digit = static_cast<char32_t>(zero.front() + value);
            notation.digits[value] = QString::fromUcs4(&digit, 1).toStdString();
        }
    }
    notation.minusSign = locale.negativeSign().toStdString();
    notation.plusSign = locale.positiveSign().toStdString();
    return notation;
}

NumberLocale SystemNumberLocale()
{
    return NumberLocaleOf(QLocale::system());
}

} // namespace runtime
