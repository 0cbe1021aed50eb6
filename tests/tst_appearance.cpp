// SPDX-License-Identifier: GPL-3.0-or-later
// How the window looks on light and dark palettes and at any pixel density:
// a heading that always reads, and a sharp logo that fits either background.
#include "window/form1.h"
#include "window/heading_colour.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

// WCAG 2 contrast ratio, worked out here independently of the window code.
double luminance(const QColor &colour)
{
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.red()) + 0.7152 * channel(colour.green()) +
           0.0722 * channel(colour.blue());
}

double contrast(const QColor &a, const QColor &b)
{
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QPalette palette(const char *window, const char *text)
{
    QPalette result;
    result.setColor(QPalette::Window, QColor(QLatin1String(window)));
    result.setColor(QPalette::WindowText, QColor(QLatin1String(text)));
    return result;
}

} // namespace

class TestAppearance : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    void headingColour_data();
    void headingColour();
    void headingFollowsPaletteChangesWhileOpen();
    void logoIsDrawnForThePixelDensity();
};

void TestAppearance::cleanup()
{
    QApplication::setPalette(QPalette());
}

void TestAppearance::headingColour_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::addColumn<QColor>("expected"); // invalid: any colour that reads

    const QColor black(Qt::black);
    // clang-format off
    QTest::newRow("light grey window, as designed: black") << palette("#efefef", "#000000") << black;
    QTest::newRow("white window, grey text: still black")  << palette("#ffffff", "#777777") << black;
    QTest::newRow("mid grey where black still reads")      << palette("#7a7a7a", "#ffffff") << black;
    QTest::newRow("Adwaita dark: its text colour")         << palette("#353535", "#eeeeec") << QColor("#eeeeec");
    QTest::newRow("Breeze dark: its text colour")          << palette("#31363b", "#eff0f1") << QColor("#eff0f1");
    QTest::newRow("high contrast: yellow on black")        << palette("#000000", "#ffff00") << QColor("#ffff00");
    QTest::newRow("dark window, dim text: readable anyway") << palette("#202020", "#505050") << QColor();
    QTest::newRow("dark blue-grey, black text")            << palette("#404858", "#000000") << QColor();
    // clang-format on
}

void TestAppearance::headingColour()
{
    QFETCH(QPalette, palette);
    QFETCH(QColor, expected);

    const QColor heading = window::HeadingColour(palette);
    const double ratio = contrast(heading, palette.color(QPalette::Window));
    QVERIFY2(ratio >= 4.5,
             qPrintable(QStringLiteral("%1 on %2: %3:1")
                            .arg(heading.name(), palette.color(QPalette::Window).name())
                            .arg(ratio)));
    if (expected.isValid())
        QCOMPARE(heading, expected);
}

// The desktop switches between light and dark while the window is open.
void TestAppearance::headingFollowsPaletteChangesWhileOpen()
{
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const auto *heading = form.findChild<QLabel *>(QStringLiteral("Label7"));
    QVERIFY(heading);
    const auto headingColour = [heading] { return heading->palette().color(QPalette::WindowText); };

    QApplication::setPalette(palette("#f0f0f0", "#101010"));
    QTRY_COMPARE(headingColour(), QColor(Qt::black));

    const QPalette dark = palette("#2d2d2d", "#e8e8e8");
    QApplication::setPalette(dark);
    QTRY_COMPARE(headingColour(), QColor("#e8e8e8"));
    // Only the heading's colour is its own; everything else follows the desktop.
    QCOMPARE(heading->palette().color(QPalette::Window), dark.color(QPalette::Window));

    QApplication::setPalette(palette("#f0f0f0", "#101010"));
    QTRY_COMPARE(headingColour(), QColor(Qt::black));
}

// Run again with QT_SCALE_FACTOR (and EXPECTED_DEVICE_PIXEL_RATIO) set by
// the test set: the picture has as many pixels as the screen shows.
void TestAppearance::logoIsDrawnForThePixelDensity()
{
    const qreal expectedRatio = qEnvironmentVariable("EXPECTED_DEVICE_PIXEL_RATIO", "1").toDouble();
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.devicePixelRatioF(), expectedRatio);

    const auto *image = form.findChild<QLabel *>(QStringLiteral("Image1"));
    QVERIFY(image);
    const QPixmap logo = image->pixmap();
    QCOMPARE(logo.devicePixelRatio(), expectedRatio);
    // One picture pixel to each screen pixel the logo's box covers.
    QCOMPARE(logo.size(), (QSizeF(image->size()) * expectedRatio).toSize());

    // Transparent outside the rounded tile, so no pale corners on a dark
    // window; opaque inside it.
    const QImage pixels = logo.toImage();
    for (const QPoint corner :
         {QPoint(0, 0), QPoint(pixels.width() - 1, 0), QPoint(0, pixels.height() - 1),
          QPoint(pixels.width() - 1, pixels.height() - 1)})
        QCOMPARE(qAlpha(pixels.pixel(corner)), 0);
    QCOMPARE(qAlpha(pixels.pixel(pixels.width() / 2, pixels.height() / 2)), 255);
}

QTEST_MAIN(TestAppearance)
#include "tst_appearance.moc"
