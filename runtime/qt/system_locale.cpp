// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/qt/system_locale.h"

#include <QLocale>

namespace runtime {

NumberLocale NumberLocaleOf(const QLocale &locale)
{
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

NumberLocale SystemNumberLocale()
{
    return NumberLocaleOf(QLocale::system());
}

} // namespace runtime
