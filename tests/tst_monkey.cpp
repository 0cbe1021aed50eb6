// SPDX-License-Identifier: GPL-3.0-or-later
// A monkey on the real window: thousands of random keystrokes, pastes,
// clicks and kind changes, and after every Compute the two result fields
// must be either both as they were or both what RunCompute gives for the
// texts in the fields, with the same messages shown.
//
// Replay a failure with the seed it prints:
//   QUENVALE_MONKEY_SEED=<seed> tests/tst_monkey
// QUENVALE_MONKEY_ACTIONS sets the number of actions for each notation.
#include "support/message_box_answerer.h"
#include "support/message_recorder.h"
#include "support/offscreen_warnings.h"

#include "runtime/message.h"
#include "runtime/qt/message_box.h"
#include "runtime/qt/qt_text.h"
#include "window/compute_command.h"
#include "window/form1.h"

#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <memory>
#include <optional>
#include <random>
#include <utility>

Q_DECLARE_METATYPE(runtime::NumberLocale)

namespace {

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void randomUseKeepsTheResultsConsistent_data();
    void randomUseKeepsTheResultsConsistent();

private:
    std::uint64_t seed_ = 20261211;
    int actions_ = 3000;
};

void TestMonkey::initTestCase()
{
    DropOffscreenSizeHintWarnings();
    bool ok = false;
    const qulonglong seed = qEnvironmentVariable("QUENVALE_MONKEY_SEED").toULongLong(&ok);
    if (ok)
        seed_ = seed;
    const int actions = qEnvironmentVariableIntValue("QUENVALE_MONKEY_ACTIONS", &ok);
    if (ok && actions > 0)
        actions_ = actions;
    qInfo("seed %llu, %d actions for each notation", static_cast<unsigned long long>(seed_),
          actions_);
}

void TestMonkey::randomUseKeepsTheResultsConsistent_data()
{
    QTest::addColumn<runtime::NumberLocale>("locale");
    QTest::newRow("English") << runtime::NumberLocale{".", ","};
    QTest::newRow("French, no-break space groups") << runtime::NumberLocale{",", "\u00A0"};
}

void TestMonkey::randomUseKeepsTheResultsConsistent()
{
    QFETCH(runtime::NumberLocale, locale);

    // As the start service opens the window.
    Form1 form(locale);
    const runtime::MessagePresenter previous = runtime::InstallMessagePresenter(
        runtime::MessageBoxPresenter(&form, QStringLiteral("Quenvale")));
    const auto restorePresenter = qScopeGuard([&] { runtime::InstallMessagePresenter(previous); });
    form.Load();
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));

    QLineEdit *const texts[] = {
        form.findChild<QLineEdit *>("Text1"), form.findChild<QLineEdit *>("Text2"),
        form.findChild<QLineEdit *>("Text3"), form.findChild<QLineEdit *>("Text4"),
        form.findChild<QLineEdit *>("Text5"),
    };
    auto *const combo = form.findChild<QComboBox *>("Combo1");
    auto *const compute = form.findChild<QPushButton *>("Command1");
    auto *const reset = form.findChild<QPushButton *>("Command2");
    QVERIFY(combo && compute && reset);
    QVERIFY(std::all_of(std::begin(texts), std::end(texts), [](QLineEdit *text) { return text; }));
    QLineEdit *const interestText = texts[3];
    QLineEdit *const monthsText = texts[4];

    // Every notation row starts again from the seed, so a row replays alone.
    std::mt19937_64 random(seed_);
    const auto below = [&random](std::uint64_t bound) { return int(random() % bound); };
    const QString decimal = runtime::ToQString(locale.decimalSeparator);
    const QString group = runtime::ToQString(locale.groupSeparator);
    const QString separators[] = {decimal, group, ".", ",", " ", "'", "\u00A0", "e", "E"};
    // Mostly numbers that compute, in the window's notation, and a few that
    // are refused or reach the month limit.
    // clang-format off
    const QString numbers[] = {"100", "12", "1000", "0" + decimal + "18", "250", "200", "5000",
                               "18", "10", "1" + group + "000", "2" + decimal + "5", "1e3", "0",
                               "-5", " 15", "75"};
    // clang-format on
    const QString letters = QStringLiteral("abcdefxyzABCXYZ$%\u00e9\u20ac");
    const QString longAlphabet = QStringLiteral("0123456789") + decimal + group + "e-";

    MessageBoxAnswerer answerer;
    QStringList recent; // the last actions, shown with a failure
    int computations = 0;
    int results = 0;
    QElapsedTimer clock;
    clock.start();

    const auto focused = [&]() -> QWidget * {
        QWidget *widget = QApplication::focusWidget();
        return widget ? widget : texts[0];
    };
    // Text reaches whatever has the focus, as a keyboard's would; a space
    // would press a focused button unseen, and open the list of the kind.
    const auto type = [&](QString text) {
        QWidget *target = focused();
        if (!qobject_cast<QLineEdit *>(target))
            text.remove(QLatin1Char(' '));
        // QTest types only ASCII by character; other characters go as the
        // text of a key a keyboard layout would have for them.
        for (const QChar c : std::as_const(text)) {
            if (c.unicode() < 0x80)
                QTest::keyClick(target, char(c.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, target, Qt::Key(c.unicode()), QString(c),
                                    Qt::NoModifier);
        }
        recent.append("type " + text.left(40));
    };
    const auto paste = [&](const QString &text) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(focused(), Qt::Key_V, Qt::ControlModifier);
        recent.append(QStringLiteral("paste %1 characters").arg(text.size()));
    };

    for (int action = 0; action < actions_; ++action) {
        // A desktop gives the window back its activation when a message box
        // closes; the offscreen platform leaves that to the program.
        if (QApplication::activeWindow() != &form) {
            form.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&form));
        }
        while (recent.size() > 12)
            recent.removeFirst();
        const auto where = [&] {
            return QStringLiteral("seed %1 (replay with QUENVALE_MONKEY_SEED), action %2; "
                                  "last actions:\n  %3")
                .arg(seed_)
                .arg(action)
                .arg(recent.join(QStringLiteral("\n  ")));
        };
        const int choice = below(40);
        if (choice < 6) {
            QString digits;
            for (int i = below(4); i >= 0; --i)
                digits += QChar(u'0' + below(10));
            type(digits);
        }
        else if (choice < 7) {
            type(below(2) ? "-" : "+");
        }
        else if (choice < 9) {
            type(separators[below(std::size(separators))]);
        }
        else if (choice < 10) {
            QString word;
            for (int i = below(3); i >= 0; --i)
                word += letters[below(std::uint64_t(letters.size()))];
            type(word);
        }
        else if (choice < 11) {
            QString text(1 + below(3000), QChar());
            for (QChar &c : text)
                c = longAlphabet[below(std::uint64_t(longAlphabet.size()))];
            if (below(2))
                paste(text);
            else
                type(text.left(200));
        }
        else if (choice < 21) {
            QTest::mouseClick(texts[below(3)], Qt::LeftButton);
            QTest::keySequence(focused(), QKeySequence::SelectAll);
            QTest::keyClick(focused(), Qt::Key_Backspace);
            recent.append("click a field, select all, erase");
            type(numbers[below(std::size(numbers))]);
        }
        else if (choice < 23) {
            QTest::keyClick(focused(), Qt::Key_Backspace);
            recent.append("backspace");
        }
        else if (choice < 25) {
            QTest::keyClick(focused(), Qt::Key_Tab);
            recent.append("tab to " + focused()->objectName());
        }
        else if (choice < 26) {
            QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ShiftModifier);
            recent.append("shift+tab to " + focused()->objectName());
        }
        else if (choice < 28) {
            QLineEdit *text = texts[below(5)];
            QTest::mouseClick(text, Qt::LeftButton);
            recent.append("click " + text->objectName());
        }
        else if (choice < 30) {
            const Qt::Key keys[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End};
            QTest::keyClick(combo, keys[below(4)]);
            recent.append("kind " + combo->currentText());
        }
        else if (choice < 31) {
            QTest::mouseClick(reset, Qt::LeftButton);
            recent.append("Reset");
        }
        else {
            const window::ComputeFields fields{
                texts[0]->text().toStdString(), texts[1]->text().toStdString(),
                texts[2]->text().toStdString(), combo->currentText().toStdString()};
            std::optional<calc::PayoffTexts> expected;
            QStringList expectedMessages;
            {
                MessageRecorder recorder;
                expected = window::RunCompute(fields, locale);
                expectedMessages = recorder.messages;
            }
            const QString interestBefore = interestText->text();
            const QString monthsBefore = monthsText->text();
            const qsizetype boxesBefore = answerer.boxes.size();

            QTest::mouseClick(compute, Qt::LeftButton);
            recent.append(QStringLiteral("Compute [%1] [%2] [%3] %4")
                              .arg(texts[0]->text().left(30), texts[1]->text().left(30),
                                   texts[2]->text().left(30), combo->currentText()));
            ++computations;

            QStringList shown;
            for (qsizetype i = boxesBefore; i < answerer.boxes.size(); ++i)
                shown.append(answerer.boxes[i].text);
            QVERIFY2(shown == expectedMessages, qPrintable(where()));
            if (expected) {
                ++results;
                QVERIFY2(interestText->text() == runtime::ToQString(expected->interest) &&
                             monthsText->text() == runtime::ToQString(expected->months),
                         qPrintable(where()));
            }
            else {
                QVERIFY2(interestText->text() == interestBefore &&
                             monthsText->text() == monthsBefore,
                         qPrintable(where()));
            }
        }
    }
    qInfo("%d actions in %lld ms: %d computations, %d with results, %lld message boxes", actions_,
          static_cast<long long>(clock.elapsed()), computations, results,
          static_cast<long long>(answerer.boxes.size()));
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
