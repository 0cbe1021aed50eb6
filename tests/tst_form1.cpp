// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/message_box_answerer.h"
#include "support/offscreen_warnings.h"

#include "calc/payoff_schedule.h"
#include "runtime/message.h"
#include "runtime/qt/message_box.h"
#include "runtime/qt/qt_text.h"
#include "window/compute_command.h"
#include "window/field_length_validator.h"
#include "window/form1.h"

#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTest>

#include <memory>
#include <optional>

namespace {

const runtime::NumberLocale english{".", ","};
const runtime::NumberLocale german{",", "."};

const QString paymentMessage = runtime::ToQString(window::MissingPaymentMessage);
const QString rateMessage = runtime::ToQString(window::MissingRateMessage);
const QString balanceMessage = runtime::ToQString(window::MissingBalanceMessage);
const QString limitMessage = runtime::ToQString(calc::MonthLimitMessage);

const QStringList textNames = {"Text1", "Text2", "Text3", "Text4", "Text5"};

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensWithFixedSelectedAndEmptyTexts();
    void captions_data();
    void captions();
    void controlKinds();
    void windowFrame();
    void headingFont();
    void tabFollowsTheFocusOrder();
    void enterAndEscapeDoNothing_data();
    void enterAndEscapeDoNothing();
    void compute_data();
    void compute();
    void messageBoxesComeBeforeTheResults();
    void messageBoxOutlivesItsWindow();
    void resetClearsTextsAndKeepsTheKind();
    void numbersUseTheGivenLocale();
    void numbersFollowTheSystemLocaleByDefault();
    void megabytePasteIsRefusedAndAFullFieldComputesSilently();
    void geometryKeepsTheDesignProportions_data();
    void geometryKeepsTheDesignProportions();
    void everyCaptionFits();

private:
    void open(const runtime::NumberLocale &locale);
    template <typename T = QWidget>
    T *control(const QString &name) const;
    QLineEdit *text(const QString &name) const { return control<QLineEdit>(name); }
    void fill(const QString &payment, const QString &rate, const QString &balance, int kind);
    void clickCompute();

    std::unique_ptr<Form1> form_;
    std::optional<runtime::MessagePresenter> previousPresenter_;
};

void TestForm1::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    DropOffscreenSizeHintWarnings();
}

void TestForm1::init()
{
    open(english);
}

void TestForm1::cleanup()
{
    if (previousPresenter_)
        runtime::InstallMessagePresenter(std::move(*previousPresenter_));
    previousPresenter_.reset();
    form_.reset();
}

// As the start service does: create, raise Load, route messages to boxes, show.
void TestForm1::open(const runtime::NumberLocale &locale)
{
    form_.reset();
    form_ = std::make_unique<Form1>(locale);
    runtime::MessagePresenter previous = runtime::InstallMessagePresenter(
        runtime::MessageBoxPresenter(form_.get(), QStringLiteral("Quenvale")));
    if (!previousPresenter_)
        previousPresenter_ = std::move(previous);
    form_->Load();
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

template <typename T>
T *TestForm1::control(const QString &name) const
{
    T *found = form_->findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

void TestForm1::fill(const QString &payment, const QString &rate, const QString &balance, int kind)
{
    text("Text1")->setText(payment);
    text("Text2")->setText(rate);
    text("Text3")->setText(balance);
    control<QComboBox>("Combo1")->setCurrentIndex(kind);
}

void TestForm1::clickCompute()
{
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
}

void TestForm1::opensWithFixedSelectedAndEmptyTexts()
{
    QCOMPARE(control<QComboBox>("Combo1")->currentText(), "Fixed");
    for (const QString &name : textNames)
        QVERIFY2(text(name)->text().isEmpty(), qPrintable(name));
    form_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    QTRY_COMPARE(QApplication::focusWidget(), control("Text1"));
}

void TestForm1::captions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");

    QTest::newRow("Label7") << "Label7"
                            << "Quenvale";
    QTest::newRow("Label8")
        << "Label8"
        << "The following is a calculator that can help you determine the approximate time it "
           "will take to pay off any given debt. It will also inform you of the average monthly "
           "interest you will be paying between now and when the debt is fully paid off. Please "
           "be advised that this calculator must not be taken as advise from us to determine "
           "what one should do in regards to paying off their debts. ";
    QTest::newRow("Label1") << "Label1"
                            << "What is your monthly payment ?";
    QTest::newRow("Label2") << "Label2"
                            << "What percentage interest are you paying ?";
    QTest::newRow("Label4") << "Label4"
                            << "What is your remaining principale balance ?";
    QTest::newRow("Label5") << "Label5"
                            << "Are you making \"Fixed\" or \"Declining Minimum\" payments ?";
    QTest::newRow("Label3") << "Label3"
                            << "Interest you pay every month :";
    QTest::newRow("Label6") << "Label6"
                            << "Number of months to erase this debt :";
    QTest::newRow("Command1") << "Command1"
                              << "Compute";
    QTest::newRow("Command2") << "Command2"
                              << "Reset";
    QTest::newRow("Frame1") << "Frame1"
                            << "Quenvale ";
}

void TestForm1::captions()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QWidget *widget = control(name);
    if (auto *label = qobject_cast<QLabel *>(widget))
        QCOMPARE(label->text(), caption);
    else if (auto *button = qobject_cast<QPushButton *>(widget))
        QCOMPARE(button->text(), caption);
    else
        QCOMPARE(qobject_cast<QGroupBox *>(widget)->title(), caption);
}

void TestForm1::controlKinds()
{
    auto *combo = control<QComboBox>("Combo1");
    QVERIFY(!combo->isEditable());
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->itemText(0), "Fixed");
    QCOMPARE(combo->itemText(1), "Declining Minimum");
    QCOMPARE(combo->parentWidget(), control("Frame1"));

    for (const QString &name : textNames) {
        QLineEdit *edit = text(name);
        QVERIFY2(!edit->isReadOnly(), qPrintable(name));
        QCOMPARE(edit->parentWidget(), control("Frame1"));
    }
    // On the window's client area, which scrolls on a screen too small for it.
    for (const char *name : {"Image1", "Label7", "Frame1"})
        QVERIFY2(form_->isAncestorOf(control(name)), name);
    QCOMPARE(control("Image1")->parentWidget(), control("Frame1")->parentWidget());
    QCOMPARE(control("Label7")->parentWidget(), control("Frame1")->parentWidget());
    // The logo fills its box: 134 x 60 at the design's scale.
    auto *image = control<QLabel>("Image1");
    QCOMPARE(image->pixmap().deviceIndependentSize(), QSizeF(image->size()));
}

void TestForm1::windowFrame()
{
    QCOMPARE(form_->windowTitle(), "Quenvale");
    QVERIFY(form_->isWindow());
    QVERIFY(!form_->inherits("QDialog"));
    const Qt::WindowFlags flags = form_->windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QCOMPARE(form_->minimumSize(), form_->maximumSize());
    QCOMPARE(form_->size(), form_->minimumSize());
    QVERIFY(form_->windowIcon().availableSizes().contains(QSize(32, 32)));
}

void TestForm1::headingFont()
{
    auto *heading = control<QLabel>("Label7");
    const QFontInfo used(heading->font());
    QVERIFY(used.bold());
    QCOMPARE(used.pointSize(), 18);
    QVERIFY(!used.family().isEmpty());
    QCOMPARE(heading->font().family(), "MS Sans Serif");
    QCOMPARE(heading->font().styleHint(), QFont::SansSerif);
    QCOMPARE(heading->palette().color(QPalette::WindowText), QColor(Qt::black));
    // Every other control keeps the default font.
    QCOMPARE(control("Label1")->font(), QApplication::font());
}

void TestForm1::tabFollowsTheFocusOrder()
{
    form_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    QTRY_COMPARE(QApplication::focusWidget(), control("Text1"));

    const QStringList order = {"Text2",    "Text3", "Combo1", "Command1",
                               "Command2", "Text4", "Text5",  "Text1"};
    for (const QString &name : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), name);
    }
}

void TestForm1::enterAndEscapeDoNothing_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    for (const char *focus : {"Text1", "Text3", "Command1", "Command2"}) {
        QTest::addRow("Enter in %s", focus) << focus << int(Qt::Key_Enter);
        QTest::addRow("Return in %s", focus) << focus << int(Qt::Key_Return);
        QTest::addRow("Escape in %s", focus) << focus << int(Qt::Key_Escape);
    }
}

void TestForm1::enterAndEscapeDoNothing()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    fill("100", "12", "1000", 0);
    text("Text4")->setText("kept");
    MessageBoxAnswerer answerer;

    form_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    control(focus)->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), control(focus));
    QTest::keyClick(control(focus), Qt::Key(key));
    QTest::qWait(20);

    QVERIFY(form_->isVisible());
    QCOMPARE(text("Text1")->text(), "100");
    QCOMPARE(text("Text4")->text(), "kept");
    QCOMPARE(text("Text5")->text(), "");
    QVERIFY(answerer.boxes.isEmpty());
}

void TestForm1::compute_data()
{
    QTest::addColumn<QString>("payment");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("balance");
    QTest::addColumn<int>("kind"); // 0 Fixed, 1 Declining Minimum
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("interest"); // Text4 afterwards; "old" when unchanged
    QTest::addColumn<QString>("months");   // Text5 afterwards

    const QStringList none;
    // clang-format off
    QTest::newRow("all empty: only the payment message") << ""    << ""     << ""     << 0 << QStringList{paymentMessage} << "old" << "old";
    QTest::newRow("payment 0")                      << "0"   << "12"   << "1000" << 0 << QStringList{paymentMessage} << "old" << "old";
    QTest::newRow("rate empty, balance 0: rate message only") << "100" << "" << "0" << 0 << QStringList{rateMessage} << "old" << "old";
    QTest::newRow("rate 0")                         << "100" << "0"    << "1000" << 0 << QStringList{rateMessage}    << "old" << "old";
    QTest::newRow("balance empty")                  << "100" << "12"   << ""     << 0 << QStringList{balanceMessage} << "old" << "old";
    QTest::newRow("balance 0")                      << "100" << "12"   << "0"    << 1 << QStringList{balanceMessage} << "old" << "old";
    QTest::newRow("rate 0.0 passes, no interest")   << "1"   << "0.0"  << "600"  << 0 << none << "$0" << "600";
    QTest::newRow("abc balance: nothing at all")    << "100" << "12"   << "abc"  << 0 << none << "old" << "old";
    QTest::newRow("blank then 0 passes the check")  << " 0"  << "12"   << "1000" << 0 << QStringList{limitMessage, limitMessage} << "$0" << "601";
    QTest::newRow("fixed")                          << "100" << "12"   << "1000" << 0 << none << "$5.36226181928646" << "11";
    QTest::newRow("declining minimum")              << "100" << "12"   << "1000" << 1 << none << "$3.33169236363098" << "31";
    QTest::newRow("rate as a fraction")             << "200" << "0.18" << "5000" << 0 << none << "$41.0613749595854" << "32";
    QTest::newRow("declining, balance 0.0: silent") << "100" << "12"   << "0.0"  << 1 << none << "old" << "old";
    QTest::newRow("fixed, balance -5: silent")      << "100" << "12"   << "-5"   << 0 << none << "old" << "old";
    QTest::newRow("month limit: message twice")     << "10"  << "12"   << "1000" << 0 << QStringList{limitMessage, limitMessage} << "$0" << "601";
    // clang-format on
}

void TestForm1::compute()
{
    QFETCH(QString, payment);
    QFETCH(QString, rate);
    QFETCH(QString, balance);
    QFETCH(int, kind);
    QFETCH(QStringList, messages);
    QFETCH(QString, interest);
    QFETCH(QString, months);

    fill(payment, rate, balance, kind);
    text("Text4")->setText("old");
    text("Text5")->setText("old");
    // Text4 is written first: when it changes, Text5 is still as it was.
    QStringList text5WhenText4Changed;
    const QObject watch;
    connect(text("Text4"), &QLineEdit::textChanged, &watch,
            [&] { text5WhenText4Changed.append(text("Text5")->text()); });
    MessageBoxAnswerer answerer;
    clickCompute();

    QCOMPARE(answerer.texts(), messages);
    QCOMPARE(text("Text4")->text(), interest);
    QCOMPARE(text("Text5")->text(), months);
    if (interest != "old")
        QCOMPARE(text5WhenText4Changed, QStringList{"old"});
    // The inputs are never touched.
    QCOMPARE(text("Text1")->text(), payment);
    QCOMPARE(text("Text2")->text(), rate);
    QCOMPARE(text("Text3")->text(), balance);
    QCOMPARE(control<QComboBox>("Combo1")->currentIndex(), kind);
}

void TestForm1::messageBoxesComeBeforeTheResults()
{
    fill("10", "12", "1000", 0);
    text("Text4")->setText("old");
    text("Text5")->setText("old");
    MessageBoxAnswerer answerer(
        [this] { return text("Text4")->text() + QLatin1Char('|') + text("Text5")->text(); });
    clickCompute();

    QCOMPARE(answerer.boxes.size(), 2);
    for (const MessageBoxAnswerer::Box &box : answerer.boxes) {
        QCOMPARE(box.title, "Quenvale");
        QCOMPARE(box.text, limitMessage);
        QCOMPARE(box.buttonCount, 1);
        QVERIFY(box.hasOkButton);
        QCOMPARE(box.icon, QMessageBox::NoIcon);
        QVERIFY(!box.buttonHasIcon);
        QVERIFY(box.modal);
        QCOMPARE(box.parent, form_.get());
        QCOMPARE(box.snapshot, "old|old");
    }
    QCOMPARE(text("Text4")->text(), "$0");
    QCOMPARE(text("Text5")->text(), "601");
}

// A message shown after the window is gone has a box of its own, with no
// parent, rather than one over a destroyed window.
void TestForm1::messageBoxOutlivesItsWindow()
{
    form_.reset();
    MessageBoxAnswerer answerer;
    runtime::ShowMessage(window::MissingRateMessage);

    QCOMPARE(answerer.boxes.size(), 1);
    QCOMPARE(answerer.boxes[0].text, rateMessage);
    QCOMPARE(answerer.boxes[0].title, "Quenvale");
    QCOMPARE(answerer.boxes[0].parent, nullptr);
}

void TestForm1::resetClearsTextsAndKeepsTheKind()
{
    fill("100", "12", "1000", 1);
    clickCompute();
    QCOMPARE(text("Text5")->text(), "31");

    QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);
    for (const QString &name : textNames)
        QVERIFY2(text(name)->text().isEmpty(), qPrintable(name));
    QCOMPARE(control<QComboBox>("Combo1")->currentText(), "Declining Minimum");
}

void TestForm1::numbersUseTheGivenLocale()
{
    open(german);
    fill("100", "12", "1.000", 0);
    clickCompute();
    QCOMPARE(text("Text4")->text(), "$5,36226181928646");
    QCOMPARE(text("Text5")->text(), "11");
}

// The test set runs this once more under a German system locale, naming in
// EXPECTED_DECIMAL_POINT the separator that locale must bring.
void TestForm1::numbersFollowTheSystemLocaleByDefault()
{
    const QLocale system = QLocale::system();
    const QString expectedPoint = qEnvironmentVariable("EXPECTED_DECIMAL_POINT", ".");
    QCOMPARE(system.decimalPoint(), expectedPoint);

    Form1 form;
    form.Load();
    form.findChild<QLineEdit *>("Text1")->setText("100");
    form.findChild<QLineEdit *>("Text2")->setText("12");
    form.findChild<QLineEdit *>("Text3")->setText(system.toString(1000));
    QTest::mouseClick(form.findChild<QPushButton *>("Command1"), Qt::LeftButton);
    QCOMPARE(form.findChild<QLineEdit *>("Text4")->text(), "$5" + expectedPoint + "36226181928646");
    QCOMPARE(form.findChild<QLineEdit *>("Text5")->text(), "11");
}

// A megabyte is far over the bound on a field: the paste is refused whole.
// A field filled up to the bound is still computed on, silently.
void TestForm1::megabytePasteIsRefusedAndAFullFieldComputesSilently()
{
    const QString megabyte(1 << 20, QLatin1Char('9'));
    text("Text1")->setFocus();
    text("Text1")->setText("100");
    text("Text1")->insert(megabyte);
    QCOMPARE(text("Text1")->text(), "100");

    text("Text1")->clear();
    text("Text1")->insert(megabyte.left(window::MaxFieldLength));
    QCOMPARE(text("Text1")->text().size(), window::MaxFieldLength);
    text("Text2")->setText("12");
    text("Text3")->setText("1000");
    MessageBoxAnswerer answerer;
    clickCompute(); // the payment overflows a double
    QVERIFY(answerer.boxes.isEmpty());
    QCOMPARE(text("Text4")->text(), "");
    QCOMPARE(text("Text5")->text(), "");
}

void TestForm1::geometryKeepsTheDesignProportions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");

    // clang-format off
    QTest::newRow("Image1")   << "Image1"   << QRect(2280, 120, 2010, 900);
    QTest::newRow("Label7")   << "Label7"   << QRect(1920, 1200, 2775, 495);
    QTest::newRow("Frame1")   << "Frame1"   << QRect(120, 1920, 6255, 5295);
    QTest::newRow("Label8")   << "Label8"   << QRect(240, 360, 5775, 1095);
    QTest::newRow("Label1")   << "Label1"   << QRect(240, 1800, 2970, 315);
    QTest::newRow("Text1")    << "Text1"    << QRect(3720, 1800, 2295, 285);
    QTest::newRow("Label2")   << "Label2"   << QRect(240, 2280, 3255, 195);
    QTest::newRow("Text2")    << "Text2"    << QRect(3720, 2280, 2295, 285);
    QTest::newRow("Label4")   << "Label4"   << QRect(240, 2760, 3255, 195);
    QTest::newRow("Text3")    << "Text3"    << QRect(3720, 2760, 2295, 285);
    QTest::newRow("Label5")   << "Label5"   << QRect(240, 3240, 3135, 435);
    QTest::newRow("Combo1")   << "Combo1"   << QRect(3720, 3240, 2295, 315);
    QTest::newRow("Command1") << "Command1" << QRect(3720, 3720, 855, 375);
    QTest::newRow("Command2") << "Command2" << QRect(5160, 3720, 855, 375);
    QTest::newRow("Label3")   << "Label3"   << QRect(240, 4320, 3015, 195);
    QTest::newRow("Text4")    << "Text4"    << QRect(3720, 4320, 2295, 285);
    QTest::newRow("Label6")   << "Label6"   << QRect(240, 4800, 2895, 315);
    QTest::newRow("Text5")    << "Text5"    << QRect(3720, 4800, 2295, 285);
    // clang-format on
}

// One scale for the whole window: the client area is 6495 x 7335 twips.
void TestForm1::geometryKeepsTheDesignProportions()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);

    const double scale = form_->width() / 6495.0;
    QVERIFY(scale >= 1.0 / 15.0);
    QVERIFY(qAbs(form_->height() - 7335 * scale) <= 1.0);

    const QRect pixels = control(name)->geometry();
    const auto near = [scale](int actual, int design) {
        return qAbs(actual - design * scale) <= 1.0;
    };
    QVERIFY2(near(pixels.x(), twips.x()) && near(pixels.y(), twips.y()) &&
                 near(pixels.width(), twips.width()) && near(pixels.height(), twips.height()),
             qPrintable(QStringLiteral("%1 is at %2,%3 %4x%5 for scale %6")
                            .arg(name)
                            .arg(pixels.x())
                            .arg(pixels.y())
                            .arg(pixels.width())
                            .arg(pixels.height())
                            .arg(scale)));
}

// Measured with the font each control draws with, against the room the
// style leaves for text inside the control.
void TestForm1::everyCaptionFits()
{
    for (QLabel *label : form_->findChildren<QLabel *>()) {
        if (label->objectName() == "Image1") {
            QVERIFY(label->width() >= label->pixmap().width());
            QVERIFY(label->height() >= label->pixmap().height());
            continue;
        }
        const QFontMetrics metrics(label->font());
        const int flags = label->wordWrap() ? int(Qt::TextWordWrap) : 0;
        const QRect needed =
            metrics.boundingRect(QRect(0, 0, label->width(), 100000), flags, label->text());
        QVERIFY2(needed.width() <= label->width() && needed.height() <= label->height(),
                 qPrintable(QStringLiteral("%1 needs %2x%3, has %4x%5")
                                .arg(label->objectName())
                                .arg(needed.width())
                                .arg(needed.height())
                                .arg(label->width())
                                .arg(label->height())));
    }

    for (QPushButton *button : form_->findChildren<QPushButton *>()) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect room =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QSize needed = button->fontMetrics().size(0, button->text());
        QVERIFY2(needed.width() <= room.width() && needed.height() <= room.height(),
                 qPrintable(button->objectName()));
    }

    for (QLineEdit *edit : form_->findChildren<QLineEdit *>()) {
        edit->setText("$41.0613749595854");
        const QRect room =
            edit->style()->subElementRect(QStyle::SE_LineEditContents, nullptr, edit);
        QVERIFY2(edit->fontMetrics().height() <= room.height() ||
                     edit->fontMetrics().height() <= edit->height() - 4,
                 qPrintable(edit->objectName()));
        QVERIFY2(edit->fontMetrics().horizontalAdvance(edit->text()) <= edit->width(),
                 qPrintable(edit->objectName()));
    }

    auto *combo = control<QComboBox>("Combo1");
    QStyleOptionComboBox comboOption;
    comboOption.initFrom(combo);
    const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &comboOption,
                                                       QStyle::SC_ComboBoxEditField, combo);
    for (int i = 0; i < combo->count(); ++i)
        QVERIFY(combo->fontMetrics().horizontalAdvance(combo->itemText(i)) <= field.width());
    QVERIFY(combo->fontMetrics().height() <= field.height());

    auto *frame = control<QGroupBox>("Frame1");
    const QSize title = frame->fontMetrics().size(0, frame->title());
    QVERIFY(title.width() <= frame->width());
    QVERIFY(title.height() <= control("Label8")->y());
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
