// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/application_icon.h"

#include <QImage>
#include <QPixmap>
#include <QTest>

class TestApplicationIcon : public QObject {
    Q_OBJECT

private slots:
    void drawnForTheScreenDensity_data();
    void drawnForTheScreenDensity();
};

void TestApplicationIcon::drawnForTheScreenDensity_data()
{
    QTest::addColumn<int>("logicalSize");
    QTest::addColumn<qreal>("devicePixelRatio");
    QTest::addColumn<int>("drawnSize");

    QTest::newRow("16 px at 100 %") << 16 << 1.0 << 16;
    QTest::newRow("24 px at 100 %") << 24 << 1.0 << 24;
    QTest::newRow("32 px at 100 %") << 32 << 1.0 << 32;
    QTest::newRow("48 px at 100 %") << 48 << 1.0 << 48;
    QTest::newRow("64 px at 100 %") << 64 << 1.0 << 64;
    QTest::newRow("128 px at 100 %") << 128 << 1.0 << 128;
    QTest::newRow("256 px at 100 %") << 256 << 1.0 << 256;
    QTest::newRow("16 px at 150 %") << 16 << 1.5 << 24;
    QTest::newRow("32 px at 150 %") << 32 << 1.5 << 48;
    QTest::newRow("16 px at 200 %") << 16 << 2.0 << 32;
    QTest::newRow("24 px at 200 %") << 24 << 2.0 << 48;
    QTest::newRow("32 px at 200 %") << 32 << 2.0 << 64;
    QTest::newRow("64 px at 200 %") << 64 << 2.0 << 128;
    QTest::newRow("128 px at 200 %") << 128 << 2.0 << 256;
}

// Where a bitmap was drawn for the device pixels asked for, the icon hands out
// exactly that bitmap, not a smaller one enlarged.
void TestApplicationIcon::drawnForTheScreenDensity()
{
    QFETCH(int, logicalSize);
    QFETCH(qreal, devicePixelRatio);
    QFETCH(int, drawnSize);

    const QPixmap pixmap =
        window::ApplicationIcon().pixmap(QSize(logicalSize, logicalSize), devicePixelRatio);
    QCOMPARE(pixmap.size(), QSize(drawnSize, drawnSize));
    QCOMPARE(pixmap.devicePixelRatio(), devicePixelRatio);

    QImage drawn(QStringLiteral(":/icons/%1x%1.png").arg(drawnSize));
    QVERIFY(!drawn.isNull());
    drawn.setDevicePixelRatio(devicePixelRatio);
    QCOMPARE(pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
             drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

QTEST_MAIN(TestApplicationIcon)
#include "tst_application_icon.moc"
