// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/number_text.h"

class QLocale;

namespace runtime {

// The separators people of locale write numbers with.
NumberLocale NumberLocaleOf(const QLocale &locale);

// The separators of the user's system locale.
NumberLocale SystemNumberLocale();

} // namespace runtime
