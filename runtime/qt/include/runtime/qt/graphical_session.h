// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace runtime {

// Whether Qt has somewhere to show a window: a platform chosen explicitly
// (QT_QPA_PLATFORM, or -platform among the program's arguments) is taken as
// given; otherwise an X display (DISPLAY) or a Wayland display
// (WAYLAND_DISPLAY) must be named.  Empty variables count as unset.
bool HasGraphicalSession(int argc, const char *const *argv);

} // namespace runtime
