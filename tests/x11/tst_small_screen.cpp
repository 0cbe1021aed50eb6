// SPDX-License-Identifier: GPL-3.0-or-later
// The window on a real X server's screen (small_screen.sh starts one at
// 1366 x 768): it never reaches past the screen's work area, and where the
// font makes the layout too big for it, every control scrolls into view when
// it takes the keyboard focus.  EXPECT_SCROLLING says whether the font in use
// must make the content scroll (1) or leave the window as designed (0).
#include "window/form1.h"

#include <QApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <memory>

class TestSmallScreen : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowFitsTheWorkArea();
    void tabScrollsEachControlIntoView();
    void focusGivenOtherwiseScrollsToo();

private:
    QWidget *control(const char *name) const;
    // Whether all of widget shows in the scroll area's viewport.
    bool inView(const QWidget *widget) const;

    std::unique_ptr<Form1> form_;
    QScrollArea *scrollArea_ = nullptr;
    const QStringList focusOrder_ = {"Text1",    "Text2",    "Text3", "Combo1",
                                     "Command1", "Command2", "Text4", "Text5"};
};

void TestSmallScreen::init()
{
    form_ = std::make_unique<Form1>();
    form_->Load();
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    form_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    scrollArea_ = form_->findChild<QScrollArea *>();
    QVERIFY(scrollArea_);
}

void TestSmallScreen::cleanup()
{
    form_.reset();
}

QWidget *TestSmallScreen::control(const char *name) const
{
    auto *widget = form_->findChild<QWidget *>(QLatin1String(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

bool TestSmallScreen::inView(const QWidget *widget) const
{
    const QWidget *viewport = scrollArea_->viewport();
    return viewport->rect().contains(QRect(widget->mapTo(viewport, QPoint(0, 0)), widget->size()));
}

void TestSmallScreen::windowFitsTheWorkArea()
{
    const QRect available = form_->screen()->availableGeometry();
    qInfo("work area %dx%d, window %dx%d, content %dx%d", available.width(), available.height(),
          form_->width(), form_->height(), scrollArea_->widget()->width(),
          scrollArea_->widget()->height());
    QVERIFY(available.contains(form_->frameGeometry()));
    QCOMPARE(form_->minimumSize(), form_->maximumSize());

    const QSize content = scrollArea_->widget()->size();
    if (qEnvironmentVariableIntValue("EXPECT_SCROLLING")) {
        QVERIFY(content.height() > form_->height());
        QVERIFY(scrollArea_->verticalScrollBar()->isVisible());
        // The window grows by the scroll bar rather than scroll sideways too.
        QCOMPARE(form_->width(), content.width() + scrollArea_->verticalScrollBar()->width());
        QVERIFY(!scrollArea_->horizontalScrollBar()->isVisible());
    }
    else {
        QCOMPARE(form_->size(), content);
        QVERIFY(!scrollArea_->verticalScrollBar()->isVisible());
        QVERIFY(!scrollArea_->horizontalScrollBar()->isVisible());
    }
}

void TestSmallScreen::tabScrollsEachControlIntoView()
{
    control("Text1")->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), control("Text1"));
    QVERIFY(inView(control("Text1")));
    // Round the whole order and back to the first field, at the top again.
    QStringList order = focusOrder_.mid(1);
    order.append(focusOrder_.first());
    for (const QString &name : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *focused = QApplication::focusWidget();
        QCOMPARE(focused->objectName(), name);
        QTRY_VERIFY2(inView(focused), qPrintable(name));
    }
}

// Focus that does not come from Tab, as from a click, a screen reader or the
// program itself, brings its control into view as well.
void TestSmallScreen::focusGivenOtherwiseScrollsToo()
{
    for (const QString &name : {focusOrder_.last(), focusOrder_.first(), focusOrder_.last()}) {
        QWidget *widget = control(qPrintable(name));
        widget->setFocus(Qt::OtherFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), widget);
        QTRY_VERIFY2(inView(widget), qPrintable(name));
    }
}

QTEST_MAIN(TestSmallScreen)
#include "tst_small_screen.moc"
