// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Absolute placement of controls from a table of twip rectangles (1/1440
// inch; the design has 15 twips to a pixel).  One scale maps the whole table,
// so every proportion of the design is kept; it grows with the default font.

#include <QRect>
#include <QSize>

#include <vector>

class QFont;
class QWidget;

namespace window {

struct TwipRect {
    int left;
    int top;
    int width;
    int height;
};

struct Placement {
    QWidget *widget;
    TwipRect twips;
};

inline constexpr double DesignPixelsPerTwip = 1.0 / 15.0;

QRect ToPixels(const TwipRect &twips, double pixelsPerTwip);

// Whether widget shows its whole caption (text, items, picture) at size.
bool CaptionFits(const QWidget *widget, QSize size);

// Pixels per twip for font.  The design was drawn for an 8 pt dialog font
// whose letters average 6 px wide in lines 13 px high; a larger font scales
// the design by the larger of the two ratios, never below the design's own
// 1/15.  Should a caption still not fit, the scale grows until all do.
// Leaves the controls placed at the scale it returns.
double FittingPixelsPerTwip(const std::vector<Placement> &placements, const QFont &font);

void Place(const std::vector<Placement> &placements, double pixelsPerTwip);

// The size of a window that shows content of size designed in room (the
// screen's work area less the window frame): designed where it fits;
// otherwise no larger than room, with a scroll bar along each side the
// content overflows.  scrollBars: the vertical bar's width, the horizontal
// bar's height.
QSize ScrollingWindowSize(QSize designed, QSize room, QSize scrollBars);

} // namespace window
