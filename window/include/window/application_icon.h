// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace window {

// The program's icon, from bitmaps drawn at 16 to 256 pixels, so that a window
// or task bar shows a sharp picture at any size and screen density.
QIcon ApplicationIcon();

} // namespace window
