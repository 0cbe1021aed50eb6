// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace runtime {

// Exact comparison: case-sensitive, code unit by code unit, no trimming.
inline bool TextEquals(std::string_view a, std::string_view b) noexcept
{
    return a == b;
}

} // namespace runtime
