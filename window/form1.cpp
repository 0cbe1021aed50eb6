// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/form1.h"

#include "calc/payoff_computation.h"
#include "runtime/qt/qt_text.h"
#include "window/application_icon.h"
#include "window/compute_command.h"
#include "window/field_length_validator.h"
#include "window/heading_colour.h"
#include "window/twip_layout.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QSvgRenderer>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <utility>

namespace {

constexpr auto introduction =
    "The following is a calculator that can help you determine the approximate time it will "
    "take to pay off any given debt. It will also inform you of the average monthly interest you "
    "will be paying between now and when the debt is fully paid off. Please be advised that this "
    "calculator must not be taken as advise from us to determine what one should do in regards to "
    "paying off their debts. ";

constexpr window::TwipRect clientArea{0, 0, 6495, 7335};

template <typename Control>
Control *makeControl(QWidget *container, const char *name)
{
    auto *control = new Control(container);
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

// A single-line field of at most MaxFieldLength characters.  The validator
// refuses, whole, any edit that would pass the bound.  maxLength, one past
// the bound, caps how much of a huge paste Qt copies in before the validator
// sees the text one too long and undoes it: refusing a paste of 100 MB then
// takes no longer than refusing one of 1 MB (about 0.5 s, against 9 s).
QLineEdit *makeText(QWidget *container, const char *name)
{
    auto *text = makeControl<QLineEdit>(container, name);
    text->setMaxLength(window::MaxFieldLength + 1);
    text->setValidator(new window::FieldLengthValidator(window::MaxFieldLength, text));
    return text;
}

QLabel *makeLabel(QWidget *container, const char *name, const QString &caption)
{
    auto *label = makeControl<QLabel>(container, name);
    label->setText(caption);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPushButton *makeButton(QWidget *container, const char *name, const QString &caption)
{
    auto *button = makeControl<QPushButton>(container, name);
    button->setText(caption);
    // In a plain window Enter and Escape press no button.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

} // namespace

Form1::Form1(runtime::NumberLocale numberLocale, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      numberLocale_(std::move(numberLocale))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quenvale"));
    setWindowIcon(window::ApplicationIcon());

    createControls();

    connect(Command1, &QPushButton::clicked, this, &Form1::Command1Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2Click);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget *, QWidget *focused) { showFocusedControl(focused); });

    layOutControls();
}

// Destroying the controls moves the focus; by then this is no Form1 to follow it.
Form1::~Form1()
{
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

void Form1::Load()
{
    Combo1->setCurrentIndex(0);
}

void Form1::Command1Click()
{
    const auto results =
        window::RunCompute({Text1->text().toStdString(), Text2->text().toStdString(),
                            Text3->text().toStdString(), Combo1->currentText().toStdString()},
                           numberLocale_);
    if (!results)
        return;
    Text4->setText(QString::fromStdString(results->interest));
    Text5->setText(QString::fromStdString(results->months));
}

void Form1::Command2Click()
{
    for (QLineEdit *text : {Text1, Text2, Text3, Text4, Text5})
        text->clear();
}

// A new application or desktop palette reaches the window as a PaletteChange.
void Form1::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        colourHeading();
    QWidget::changeEvent(event);
}

void Form1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The native window exists from the first show on.
    if (const QWindow *window = windowHandle())
        connect(window, &QWindow::screenChanged, this, &Form1::adaptToScreen, Qt::UniqueConnection);
    adaptToScreen();
}

// The window system reports the frame's size once the window is placed.
void Form1::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    if (isVisible())
        fitToScreen();
}

// Created in the focus order: Text1, Text2, Text3, Combo1, Command1, Command2,
// Text4, Text5.
void Form1::createControls()
{
    scrollArea_ = new QScrollArea(this);
    scrollArea_->setFrameShape(QFrame::NoFrame);
    // Only the controls take the focus, so the focus order stays the design's.
    scrollArea_->setFocusPolicy(Qt::NoFocus);
    content_ = new QWidget;
    scrollArea_->setWidget(content_);

    Image1 = makeControl<QLabel>(content_, "Image1");
    Image1->setAlignment(Qt::AlignCenter);

    Label7 = makeLabel(content_, "Label7", QStringLiteral("Quenvale"));
    QFont headingFont(QStringLiteral("MS Sans Serif"), 18, QFont::Bold);
    headingFont.setStyleHint(QFont::SansSerif);
    Label7->setFont(headingFont);
    Label7->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    colourHeading();

    Frame1 = makeControl<QGroupBox>(content_, "Frame1");
    Frame1->setTitle(QStringLiteral("Quenvale "));

    Label8 = makeLabel(Frame1, "Label8", QString::fromLatin1(introduction));
    Label8->setWordWrap(true);

    Label1 = makeLabel(Frame1, "Label1", QStringLiteral("What is your monthly payment ?"));
    Text1 = makeText(Frame1, "Text1");
    Label2 =
        makeLabel(Frame1, "Label2", QStringLiteral("What percentage interest are you paying ?"));
    Text2 = makeText(Frame1, "Text2");
    Label4 =
        makeLabel(Frame1, "Label4", QStringLiteral("What is your remaining principale balance ?"));
    Text3 = makeText(Frame1, "Text3");
    Label5 =
        makeLabel(Frame1, "Label5",
                  QStringLiteral("Are you making \"Fixed\" or \"Declining Minimum\" payments ?"));
    Label5->setWordWrap(true);

    Combo1 = makeControl<QComboBox>(Frame1, "Combo1");
    Combo1->addItems(
        {runtime::ToQString(calc::FixedKind), runtime::ToQString(calc::DecliningKind)});

    Command1 = makeButton(Frame1, "Command1", QStringLiteral("Compute"));
    Command2 = makeButton(Frame1, "Command2", QStringLiteral("Reset"));

    Label3 = makeLabel(Frame1, "Label3", QStringLiteral("Interest you pay every month :"));
    Text4 = makeText(Frame1, "Text4");
    Label6 = makeLabel(Frame1, "Label6", QStringLiteral("Number of months to erase this debt :"));
    Text5 = makeText(Frame1, "Text5");

    // Each question names its field: a screen reader announces the field by
    // it instead of by the frame's title.  The captions carry no '&', so no
    // keyboard mnemonic comes with the buddy.
    const std::pair<QLabel *, QWidget *> questions[] = {
        {Label1, Text1},  {Label2, Text2}, {Label4, Text3},
        {Label5, Combo1}, {Label3, Text4}, {Label6, Text5},
    };
    for (const auto &[label, field] : questions)
        label->setBuddy(field);

    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Text3);
    setTabOrder(Text3, Combo1);
    setTabOrder(Combo1, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Text4);
    setTabOrder(Text4, Text5);
    Text1->setFocus();
}

void Form1::layOutControls()
{
    auto *windowLayout = new QVBoxLayout(this);
    windowLayout->setContentsMargins(0, 0, 0, 0);
    windowLayout->addWidget(scrollArea_);

    // Children of Frame1 are placed before it, so its title is checked
    // against where they are.
    const std::vector<window::Placement> placements = {
        {Image1, {2280, 120, 2010, 900}},   {Label7, {1920, 1200, 2775, 495}},
        {Label8, {240, 360, 5775, 1095}},   {Label1, {240, 1800, 2970, 315}},
        {Text1, {3720, 1800, 2295, 285}},   {Label2, {240, 2280, 3255, 195}},
        {Text2, {3720, 2280, 2295, 285}},   {Label4, {240, 2760, 3255, 195}},
        {Text3, {3720, 2760, 2295, 285}},   {Label5, {240, 3240, 3135, 435}},
        {Combo1, {3720, 3240, 2295, 315}},  {Command1, {3720, 3720, 855, 375}},
        {Command2, {5160, 3720, 855, 375}}, {Label3, {240, 4320, 3015, 195}},
        {Text4, {3720, 4320, 2295, 285}},   {Label6, {240, 4800, 2895, 315}},
        {Text5, {3720, 4800, 2295, 285}},   {Frame1, {120, 1920, 6255, 5295}},
    };
    const double pixelsPerTwip = window::FittingPixelsPerTwip(placements, font());
    content_->resize(window::ToPixels(clientArea, pixelsPerTwip).size());

    // The design's heading box lies a little right of the logo's centre; a
    // margin on one side centres the heading on the logo at every scale.
    const int offset = Label7->x() * 2 + Label7->width() - (Image1->x() * 2 + Image1->width());
    Label7->setContentsMargins(std::max(-offset, 0), 0, std::max(offset, 0), 0);

    adaptToScreen();
}

// On the screen the window is on now; its work area changes when panels do.
void Form1::adaptToScreen()
{
    connect(screen(), &QScreen::availableGeometryChanged, this, &Form1::fitToScreen,
            Qt::UniqueConnection);
    drawLogo();
    fitToScreen();
}

// The designed size where the screen's work area has room for it and the
// window frame; otherwise as much as there is, the controls scrolling inside.
void Form1::fitToScreen()
{
    QMargins frame;
    if (const QWindow *window = windowHandle(); window && isVisible())
        frame = window->frameMargins();
    // Until the window system has placed the window, assume a title bar.
    if (frame.isNull())
        frame.setTop(style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this));
    const QSize room = screen()->availableGeometry().size().shrunkBy(frame);

    const QSize scrollBars(scrollArea_->verticalScrollBar()->sizeHint().width(),
                           scrollArea_->horizontalScrollBar()->sizeHint().height());
    setFixedSize(window::ScrollingWindowSize(content_->size(), room, scrollBars));
}

// The logo is drawn from its vector source for the screen's pixel density, at
// the size the layout gives Image1.
void Form1::drawLogo()
{
    const qreal ratio = devicePixelRatioF();
    QPixmap picture(Image1->size() * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    QSvgRenderer(QStringLiteral(":/artwork/logo.svg"))
        .render(&painter, QRectF(QPointF(0, 0), Image1->size()));
    painter.end();
    Image1->setPixmap(picture);
}

void Form1::colourHeading()
{
    QPalette headingPalette;
    headingPalette.setColor(QPalette::WindowText, window::HeadingColour(palette()));
    Label7->setPalette(headingPalette);
}

void Form1::showFocusedControl(QWidget *focused)
{
    if (focused && content_->isAncestorOf(focused))
        scrollArea_->ensureWidgetVisible(focused);
}
