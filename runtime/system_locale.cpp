#include "runtime/system_locale.h"

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
