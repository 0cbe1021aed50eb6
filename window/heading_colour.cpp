// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/heading_colour.h"

#include <QPalette>

#include <algorithm>
#include <cmath>

namespace window {
namespace {

constexpr double readableContrast = 4.5;

// WCAG 2 relative luminance of an sRGB colour, 0 (black) to 1 (white).
double relativeLuminance(const QColor &colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double first = relativeLuminance(a);
    const double second = relativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

} // namespace

QColor HeadingColour(const QPalette &palette)
{
    const QColor background = palette.color(QPalette::Active, QPalette::Window);
    const QColor black(Qt::black);
    if (contrast(black, background) >= readableContrast)
        return black;
    const QColor text = palette.color(QPalette::Active, QPalette::WindowText);
    if (contrast(text, background) >= readableContrast)
        return text;
    // Black fails only on a luminance below 0.175, where white reaches 4.67:1.
    return QColor(Qt::white);
}

} // namespace window
