// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

class QPalette;

namespace window {

// The colour of the heading Label7 on palette's window colour.  Black, as
// designed, wherever black reads on it (a WCAG 2 contrast of at least 4.5:1);
// on a darker window the palette's text colour, or white should that text
// colour not read either.  The result always has a contrast of 4.5:1 or more.
QColor HeadingColour(const QPalette &palette);

} // namespace window
