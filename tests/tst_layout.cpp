// SPDX-License-Identifier: GPL-3.0-or-later
// The window's layout at several default font sizes: the design scaled as a
// whole, every caption whole, the heading over the logo's centre.
#include "window/form1.h"
#include "window/twip_layout.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTest>

#include <memory>

namespace {

struct Designed {
    const char *name;
    QRect twips;
};

// The design's rectangles, relative to each control's container.
const Designed design[] = {
    {"Image1", {2280, 120, 2010, 900}},   {"Label7", {1920, 1200, 2775, 495}},
    {"Frame1", {120, 1920, 6255, 5295}},  {"Label8", {240, 360, 5775, 1095}},
    {"Label1", {240, 1800, 2970, 315}},   {"Text1", {3720, 1800, 2295, 285}},
    {"Label2", {240, 2280, 3255, 195}},   {"Text2", {3720, 2280, 2295, 285}},
    {"Label4", {240, 2760, 3255, 195}},   {"Text3", {3720, 2760, 2295, 285}},
    {"Label5", {240, 3240, 3135, 435}},   {"Combo1", {3720, 3240, 2295, 315}},
    {"Command1", {3720, 3720, 855, 375}}, {"Command2", {5160, 3720, 855, 375}},
    {"Label3", {240, 4320, 3015, 195}},   {"Text4", {3720, 4320, 2295, 285}},
    {"Label6", {240, 4800, 2895, 315}},   {"Text5", {3720, 4800, 2295, 285}},
};
constexpr QSize clientAreaTwips(6495, 7335);

// Whether the caption of widget shows whole, measured here with the font it
// draws with against the room its style leaves for text.
QString clippedCaption(QWidget *widget)
{
    const QFontMetrics metrics = widget->fontMetrics();
    const auto report = [widget](QSize needed, QSize room) {
        if (needed.width() <= room.width() && needed.height() <= room.height())
            return QString();
        return QStringLiteral("%1 needs %2x%3, has %4x%5")
            .arg(widget->objectName())
            .arg(needed.width())
            .arg(needed.height())
            .arg(room.width())
            .arg(room.height());
    };
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        if (label->text().isEmpty())
            return report(label->pixmap().deviceIndependentSize().toSize(), label->size());
        const int flags = label->wordWrap() ? int(Qt::TextWordWrap) : 0;
        const QRect room = label->contentsRect();
        return report(
            metrics.boundingRect(QRect(0, 0, room.width(), 100000), flags, label->text()).size(),
            room.size());
    }
    if (auto *button = qobject_cast<QPushButton *>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect room =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        return report(metrics.size(0, button->text()), room.size());
    }
    if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
        const QRect room =
            edit->style()->subElementRect(QStyle::SE_LineEditContents, nullptr, edit);
        return report(
            QSize(metrics.horizontalAdvance(QStringLiteral("$41.0613749595854")), metrics.height()),
            QSize(edit->width(), std::max(room.height(), edit->height() - 4)));
    }
    if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        const QRect room = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                          QStyle::SC_ComboBoxEditField, combo);
        QSize needed(0, metrics.height());
        for (int i = 0; i < combo->count(); ++i)
            needed.setWidth(
                std::max(needed.width(), metrics.horizontalAdvance(combo->itemText(i))));
        return report(needed, room.size());
    }
    if (auto *frame = qobject_cast<QGroupBox *>(widget)) {
        const int firstChildTop = frame->findChild<QWidget *>(QStringLiteral("Label8"))->y();
        return report(metrics.size(0, frame->title()), QSize(frame->width(), firstChildTop));
    }
    return QStringLiteral("%1 is of no known kind").arg(widget->objectName());
}

} // namespace

class TestLayout : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void everyCaptionFits_data() { addFontSizes(); }
    void everyCaptionFits();
    void designProportionsAreKept_data() { addFontSizes(); }
    void designProportionsAreKept();
    void headingIsCentredOnTheLogo_data() { addFontSizes(); }
    void headingIsCentredOnTheLogo();
    void windowSizeOnSmallScreens_data();
    void windowSizeOnSmallScreens();

private:
    static void addFontSizes();
    // Opens the window with the default font at the row's size.
    void open();
    QWidget *control(const char *name) const;

    QFont defaultFont_;
    std::unique_ptr<Form1> form_;
};

void TestLayout::initTestCase()
{
    defaultFont_ = QApplication::font();
}

void TestLayout::cleanup()
{
    form_.reset();
    QApplication::setFont(defaultFont_);
}

void TestLayout::addFontSizes()
{
    QTest::addColumn<int>("pointSize");
    for (int size : {7, 9, 12, 16})
        QTest::addRow("%d pt", size) << size;
}

void TestLayout::open()
{
    QFETCH(int, pointSize);
    QFont font = defaultFont_;
    font.setPointSize(pointSize);
    QApplication::setFont(font);
    form_ = std::make_unique<Form1>();
    form_->Load();
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

QWidget *TestLayout::control(const char *name) const
{
    auto *widget = form_->findChild<QWidget *>(QLatin1String(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

void TestLayout::everyCaptionFits()
{
    open();
    for (const Designed &designed : design) {
        QWidget *widget = control(designed.name);
        const QString clipped = clippedCaption(widget);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped));
        QVERIFY2(window::CaptionFits(widget, widget->size()), designed.name);
        // And the check the layout grows by tells a clipped caption too.
        QVERIFY2(!window::CaptionFits(widget, QSize(8, 8)), designed.name);
    }
}

// One scale maps the whole design, never below the design's 15 twips to a
// pixel; the window itself fits the screen's work area.
void TestLayout::designProportionsAreKept()
{
    open();
    const QWidget *clientArea = control("Frame1")->parentWidget();
    const double scale = clientArea->width() / double(clientAreaTwips.width());
    QVERIFY(scale >= 1.0 / 15.0);
    QVERIFY(qAbs(clientArea->height() - clientAreaTwips.height() * scale) <= 1.0);

    const auto near = [scale](int pixels, int twips) {
        return qAbs(pixels - twips * scale) <= 1.0;
    };
    for (const Designed &designed : design) {
        const QRect pixels = control(designed.name)->geometry();
        QVERIFY2(near(pixels.x(), designed.twips.x()) && near(pixels.y(), designed.twips.y()) &&
                     near(pixels.width(), designed.twips.width()) &&
                     near(pixels.height(), designed.twips.height()),
                 qPrintable(QStringLiteral("%1 is at %2,%3 %4x%5 for scale %6")
                                .arg(designed.name)
                                .arg(pixels.x())
                                .arg(pixels.y())
                                .arg(pixels.width())
                                .arg(pixels.height())
                                .arg(scale)));
    }

    const QRect available = form_->screen()->availableGeometry();
    QVERIFY(form_->width() <= available.width());
    QVERIFY(form_->height() <= available.height());
}

void TestLayout::headingIsCentredOnTheLogo()
{
    open();
    const auto *heading = qobject_cast<QLabel *>(control("Label7"));
    const QSize textSize = heading->fontMetrics().size(0, heading->text());
    const QRect text = QStyle::alignedRect(heading->layoutDirection(), heading->alignment(),
                                           textSize, heading->contentsRect());
    const int textCentre2 = 2 * heading->x() + 2 * text.x() + text.width();
    const QRect logo = control("Image1")->geometry();
    const int logoCentre2 = 2 * logo.x() + logo.width();
    // Twice the centres, so a half pixel is whole.
    QVERIFY2(qAbs(textCentre2 - logoCentre2) <= 2,
             qPrintable(QStringLiteral("heading centre %1, logo centre %2")
                            .arg(textCentre2 / 2.0)
                            .arg(logoCentre2 / 2.0)));
}

void TestLayout::windowSizeOnSmallScreens_data()
{
    QTest::addColumn<QSize>("designed");
    QTest::addColumn<QSize>("room");
    QTest::addColumn<QSize>("expected");

    // Scroll bars 15 px wide, 16 px high.
    // clang-format off
    QTest::newRow("room to spare: as designed")             << QSize(534, 604) << QSize(1366, 732) << QSize(534, 604);
    QTest::newRow("exactly the room: as designed")          << QSize(534, 604) << QSize(534, 604)  << QSize(534, 604);
    QTest::newRow("too tall: wider by the bar")             << QSize(534, 604) << QSize(911, 498)  << QSize(549, 498);
    QTest::newRow("too tall, no room for the bar: both")    << QSize(534, 604) << QSize(540, 498)  << QSize(540, 498);
    QTest::newRow("too wide: taller by the bar")            << QSize(800, 300) << QSize(700, 768)  << QSize(700, 316);
    QTest::newRow("too wide, the bar makes it too tall")    << QSize(800, 300) << QSize(700, 310)  << QSize(700, 310);
    QTest::newRow("one pixel too tall")                     << QSize(534, 605) << QSize(600, 604)  << QSize(549, 604);
    // clang-format on
}

void TestLayout::windowSizeOnSmallScreens()
{
    QFETCH(QSize, designed);
    QFETCH(QSize, room);
    QFETCH(QSize, expected);
    QCOMPARE(window::ScrollingWindowSize(designed, room, QSize(15, 16)), expected);
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
