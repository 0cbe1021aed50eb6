// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/twip_layout.h"

#include <QComboBox>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <cmath>

namespace window {
namespace {

constexpr double designLetterWidth = 6.0;
constexpr double designLineHeight = 13.0;

bool fitsIn(QSize needed, QSize size)
{
    return needed.width() <= size.width() && needed.height() <= size.height();
}

bool labelFits(const QLabel &label, QSize size)
{
    if (label.wordWrap())
        return label.heightForWidth(size.width()) <= size.height();
    return fitsIn(label.sizeHint(), size);
}

// The text inside the bevel; the style's preferred minimum width is no caption.
bool buttonFits(const QPushButton &button, QSize size)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    option.rect = QRect(QPoint(0, 0), size);
    const QRect contents =
        button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    return fitsIn(button.fontMetrics().size(Qt::TextShowMnemonic, button.text()), contents.size());
}

// The title must fit across the frame and above the frame's first control.
bool groupBoxFits(const QGroupBox &box, QSize size, int firstChildTop)
{
    const QSize title = box.fontMetrics().size(Qt::TextShowMnemonic, box.title());
    return title.width() + 2 * title.height() <= size.width() && title.height() <= firstChildTop;
}

} // namespace

QRect ToPixels(const TwipRect &twips, double pixelsPerTwip)
{
    const auto pixels = [pixelsPerTwip](int value) {
        return static_cast<int>(std::lround(value * pixelsPerTwip));
    };
    return {pixels(twips.left), pixels(twips.top), pixels(twips.width), pixels(twips.height)};
}

bool CaptionFits(const QWidget *widget, QSize size)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return labelFits(*label, size);
    if (const auto *button = qobject_cast<const QPushButton *>(widget))
        return buttonFits(*button, size);
    if (const auto *edit = qobject_cast<const QLineEdit *>(widget))
        return edit->minimumSizeHint().height() <= size.height();
    if (const auto *combo = qobject_cast<const QComboBox *>(widget))
        return fitsIn(combo->sizeHint(), size);
    if (const auto *box = qobject_cast<const QGroupBox *>(widget)) {
        int firstChildTop = size.height();
        for (const QWidget *child : box->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            firstChildTop = std::min(firstChildTop, child->y());
        return groupBoxFits(*box, size, firstChildTop);
    }
    return true;
}

double FittingPixelsPerTwip(const std::vector<Placement> &placements, const QFont &font)
{
    const QFontMetricsF metrics(font);
    const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    const double letterWidth = metrics.horizontalAdvance(letters) / double(letters.size());
    double scale =
        std::max({1.0, letterWidth / designLetterWidth, metrics.height() / designLineHeight});

    // Frames are checked after their children are placed at the same scale.
    const auto allFit = [&placements](double pixelsPerTwip) {
        Place(placements, pixelsPerTwip);
        return std::all_of(placements.begin(), placements.end(), [](const Placement &placement) {
            return CaptionFits(placement.widget, placement.widget->size());
        });
    };
    // The last scale tried is the one returned, so the placement matches it.
    for (int step = 0; !allFit(scale * DesignPixelsPerTwip) && step < 50; ++step)
        scale *= 1.02;
    return scale * DesignPixelsPerTwip;
}

void Place(const std::vector<Placement> &placements, double pixelsPerTwip)
{
    for (const Placement &placement : placements)
        placement.widget->setGeometry(ToPixels(placement.twips, pixelsPerTwip));
}

QSize ScrollingWindowSize(QSize designed, QSize room, QSize scrollBars)
{
    // A vertical bar widens the window, which may then need a horizontal
    // one; a side that overflows is cut to the room anyway.
    const bool vertical = designed.height() > room.height();
    const bool horizontal = designed.width() + (vertical ? scrollBars.width() : 0) > room.width();
    const QSize wanted =
        designed + QSize(vertical ? scrollBars.width() : 0, horizontal ? scrollBars.height() : 0);
    return wanted.boundedTo(room);
}

} // namespace window
