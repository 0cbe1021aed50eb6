// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/qt/graphical_session.h"

#include <cstdlib>
#include <string_view>

namespace runtime {

namespace {

bool IsSet(const char *variable)
{
    const char *value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

} // namespace

bool HasGraphicalSession(int argc, const char *const *argv)
{
    if (IsSet("QT_QPA_PLATFORM") || IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY")) {
        return true;
    }
    // Qt reads its own options with one dash or two.
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-platform" || argument == "--platform") {
            return true;
        }
    }
    return false;
}

} // namespace runtime
