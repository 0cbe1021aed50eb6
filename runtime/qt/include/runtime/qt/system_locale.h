// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/number_text.h"

class QLocale;

namespace runtime {

// The notation people of locale write numbers in.
NumberLocale NumberLocaleOf(const QLocale &locale);

// The number notation of the user's system locale.
NumberLocale SystemNumberLocale();

} // namespace runtime
