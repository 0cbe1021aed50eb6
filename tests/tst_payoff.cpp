// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/exact.h"
#include "support/message_recorder.h"

#include "calc/payoff_computation.h"
#include "calc/payoff_schedule.h"
#include "runtime/qt/qt_text.h"

#include <QTest>

using calc::MonthLimitMessage;
using runtime::CalculationError;
using Cause = CalculationError::Cause;
using Schedule = double (*)(double, double, double, int);
Q_DECLARE_METATYPE(Schedule)
Q_DECLARE_METATYPE(runtime::NumberLocale)

namespace {

const runtime::NumberLocale english{".", ","};
const runtime::NumberLocale german{",", "."};
const QString limitMessage = runtime::ToQString(MonthLimitMessage);

struct Texts {
    QString interest;
    QString months;
};

Texts compute(const QString &payment, const QString &rate, const QString &balance,
              const QString &kind, const runtime::NumberLocale &locale = english)
{
    const calc::PayoffTexts texts =
        calc::ComputePayoff(payment.toStdString(), rate.toStdString(), balance.toStdString(),
                            kind.toStdString(), locale);
    return {QString::fromStdString(texts.interest), QString::fromStdString(texts.months)};
}

} // namespace

class TestPayoff : public QObject {
    Q_OBJECT

private slots:
    void schedules_data();
    void schedules();
    void scheduleErrors_data();
    void scheduleErrors();
    void computation_data();
    void computation();
    void rateNormalisation_data();
    void rateNormalisation();
    void monthLimitShowsMessageTwice();
    void computationErrors_data();
    void computationErrors();
};

void TestPayoff::schedules_data()
{
    QTest::addColumn<Schedule>("schedule");
    QTest::addColumn<double>("monthlyRate");
    QTest::addColumn<double>("balance");
    QTest::addColumn<double>("payment");
    QTest::addColumn<double>("months");
    QTest::addColumn<double>("total");
    QTest::addColumn<int>("messages"); // limit messages over both runs

    const Schedule fixed = &calc::FixedPayoff;
    const Schedule declining = &calc::DecliningPayoff;
    // clang-format off
    QTest::newRow("fixed 1 %, 1000 by 100")        << fixed     << 0.01  << 1000.0 << 100.0 << 11.0  << 58.98488001215102   << 0;
    QTest::newRow("declining 1 %, 1000 from 100")  << declining << 0.01  << 1000.0 << 100.0 << 31.0  << 103.28246327256035  << 0;
    QTest::newRow("fixed 1.5 %, 2000 by 50")       << fixed     << 0.015 << 2000.0 << 50.0  << 62.0  << 1077.245208786713   << 0;
    QTest::newRow("declining 1.5 %, 2000 from 40") << declining << 0.015 << 2000.0 << 40.0  << 289.0 << 4396.660099727961   << 0;
    QTest::newRow("declining pays the floor")      << declining << 0.0   << 100.0  << 10.0  << 7.0   << 0.0                 << 0;
    QTest::newRow("clears in exactly 600 months")  << fixed     << 0.0   << 600.0  << 1.0   << 600.0 << 0.0                 << 0;
    QTest::newRow("month 601 hits the limit")      << fixed     << 0.0   << 601.0  << 1.0   << 601.0 << 0.0                 << 2;
    QTest::newRow("payment only covers interest")  << fixed     << 0.01  << 1000.0 << 10.0  << 601.0 << 0.0                 << 2;
    QTest::newRow("limit drops interest so far")   << declining << 0.015 << 1e6    << 1.0   << 601.0 << 0.0                 << 2;
    QTest::newRow("fixed, zero balance")           << fixed     << 0.01  << 0.0    << 100.0 << 0.0   << 0.0                 << 0;
    QTest::newRow("fixed, negative balance")       << fixed     << 0.01  << -5.0   << 100.0 << 0.0   << 0.0                 << 0;
    QTest::newRow("declining, negative balance")   << declining << 0.01  << -5.0   << 100.0 << 0.0   << 0.0                 << 0;
    // clang-format on
}

void TestPayoff::schedules()
{
    QFETCH(Schedule, schedule);
    QFETCH(double, monthlyRate);
    QFETCH(double, balance);
    QFETCH(double, payment);
    QFETCH(double, months);
    QFETCH(double, total);
    QFETCH(int, messages);

    MessageRecorder recorder;
    double monthCount = -1.0;
    double totalInterest = -1.0;
    QVERIFY_THROWS_NO_EXCEPTION(monthCount = schedule(monthlyRate, balance, payment, 0));
    QVERIFY_THROWS_NO_EXCEPTION(totalInterest = schedule(monthlyRate, balance, payment, 1));
    QCOMPARE_EXACT(monthCount, months);
    QCOMPARE_EXACT(totalInterest, total);
    QCOMPARE(recorder.messages, QStringList(qsizetype(messages), limitMessage));
}

void TestPayoff::scheduleErrors_data()
{
    QTest::addColumn<Schedule>("schedule");
    QTest::addColumn<double>("monthlyRate");
    QTest::addColumn<double>("balance");
    QTest::addColumn<double>("payment");
    QTest::addColumn<Cause>("cause");

    QTest::newRow("declining, zero balance")
        << Schedule(&calc::DecliningPayoff) << 0.01 << 0.0 << 100.0 << Cause::DivisionByZero;
    QTest::newRow("interest overflows")
        << Schedule(&calc::FixedPayoff) << 1e300 << 1e300 << 1.0 << Cause::Overflow;
    QTest::newRow("balance overflows")
        << Schedule(&calc::FixedPayoff) << 1.0 << 1e308 << -1e308 << Cause::Overflow;
    QTest::newRow("running total overflows")
        << Schedule(&calc::FixedPayoff) << 1.0 << 1e308 << 1e308 << Cause::Overflow;
}

void TestPayoff::scheduleErrors()
{
    QFETCH(Schedule, schedule);
    QFETCH(double, monthlyRate);
    QFETCH(double, balance);
    QFETCH(double, payment);
    QFETCH(Cause, cause);

    for (const int selector : {0, 1})
        QCOMPARE(errorCause([&] { schedule(monthlyRate, balance, payment, selector); }), cause);
}

void TestPayoff::computation_data()
{
    QTest::addColumn<QString>("payment");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("balance");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<runtime::NumberLocale>("locale");
    QTest::addColumn<QString>("months");
    QTest::addColumn<QString>("interest");

    // clang-format off
    QTest::newRow("100 at 12 % on 1000, fixed")      << "100" << "12"   << "1000" << "Fixed"             << english << "11"  << "$5.36226181928646";
    QTest::newRow("100 at 12 % on 1000, declining")  << "100" << "12"   << "1000" << "Declining Minimum" << english << "31"  << "$3.33169236363098";
    QTest::newRow("50 at 18 % on 2000, fixed")       << "50"  << "18"   << "2000" << "Fixed"             << english << "62"  << "$17.3749227223663";
    QTest::newRow("40 at 18 % on 2000, declining")   << "40"  << "18"   << "2000" << "Declining Minimum" << english << "289" << "$15.2133567464635";
    QTest::newRow("rate as a fraction")              << "200" << "0.18" << "5000" << "Fixed"             << english << "32"  << "$41.0613749595854";
    QTest::newRow("rate as a percentage")            << "200" << "18"   << "5000" << "Fixed"             << english << "32"  << "$41.0613749595854";
    QTest::newRow("zero rate, 600 months")           << "1"   << "0.0"  << "600"  << "Fixed"             << english << "600" << "$0";
    QTest::newRow("any other kind is declining")     << "100" << "12"   << "1000" << "fixed"             << english << "31"  << "$3.33169236363098";
    QTest::newRow("decimal comma in and out")        << "100" << "12"   << "1.000" << "Fixed"            << german  << "11"  << "$5,36226181928646";
    QTest::newRow("negative average")                << "100" << "-12"  << "1000" << "Fixed"             << english << "1"   << "$-1000";
    // Fifteen digits of an interest just below the largest double round up
    // to a text beyond it, which reads back as an overflow.
    QTest::newRow("interest next to the largest double") << "1.7976931348623157e308" << "1.7976931348623157e308" << "1200" << "Fixed" << english << "1" << "$1.79769313486232e+308";
    // clang-format on
}

void TestPayoff::computation()
{
    QFETCH(QString, payment);
    QFETCH(QString, rate);
    QFETCH(QString, balance);
    QFETCH(QString, kind);
    QFETCH(runtime::NumberLocale, locale);
    QFETCH(QString, months);
    QFETCH(QString, interest);

    MessageRecorder recorder;
    Texts texts;
    QVERIFY_THROWS_NO_EXCEPTION(texts = compute(payment, rate, balance, kind, locale));
    QCOMPARE(texts.months, months);
    QCOMPARE(texts.interest, interest);
    QVERIFY(recorder.messages.isEmpty());
}

// A rate of 1 or more is a percentage, anything below 1 a fraction.
void TestPayoff::rateNormalisation_data()
{
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("sameAs");

    QTest::newRow("1 is 1 %") << "1"
                              << "0.01";
    QTest::newRow("just below 1 is a fraction") << "0.999"
                                                << "99.9";
    QTest::newRow("0.5 is 50 %") << "0.5"
                                 << "50";
    QTest::newRow("18 is 18 %") << "18"
                                << "0.18";
}

void TestPayoff::rateNormalisation()
{
    QFETCH(QString, rate);
    QFETCH(QString, sameAs);
    for (const QString kind : {"Fixed", "Declining Minimum"}) {
        Texts texts;
        Texts expected;
        QVERIFY_THROWS_NO_EXCEPTION(texts = compute("100", rate, "1000", kind));
        QVERIFY_THROWS_NO_EXCEPTION(expected = compute("100", sameAs, "1000", kind));
        QCOMPARE(texts.months, expected.months);
        QCOMPARE(texts.interest, expected.interest);
    }
}

void TestPayoff::monthLimitShowsMessageTwice()
{
    MessageRecorder recorder;
    Texts texts;
    QVERIFY_THROWS_NO_EXCEPTION(texts = compute("10", "12", "1000", "Fixed"));
    QCOMPARE(recorder.messages, (QStringList{limitMessage, limitMessage}));
    QCOMPARE(texts.months, "601");
    QCOMPARE(texts.interest, "$0");
}

void TestPayoff::computationErrors_data()
{
    QTest::addColumn<QString>("payment");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("balance");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<Cause>("cause");

    // clang-format off
    QTest::newRow("payment not a number")     << "abc" << "12" << "1000" << "Fixed"             << Cause::NotANumber;
    QTest::newRow("rate not a number")        << "100" << ""   << "1000" << "Fixed"             << Cause::NotANumber;
    QTest::newRow("balance not a number")     << "100" << "12" << " "    << "Fixed"             << Cause::NotANumber;
    QTest::newRow("declining, zero balance")  << "100" << "12" << "0.0"  << "Declining Minimum" << Cause::DivisionByZero;
    QTest::newRow("fixed, negative balance")  << "100" << "12" << "-5"   << "Fixed"             << Cause::DivisionByZero;
    QTest::newRow("declining, negative balance") << "100" << "12" << "-5" << "Declining Minimum" << Cause::DivisionByZero;
    QTest::newRow("fixed, zero balance")      << "100" << "12" << "0"    << "Fixed"             << Cause::DivisionByZero;
    QTest::newRow("overflow")                 << "1"   << "1e306" << "1e306" << "Fixed"         << Cause::Overflow;
    // clang-format on
}

void TestPayoff::computationErrors()
{
    QFETCH(QString, payment);
    QFETCH(QString, rate);
    QFETCH(QString, balance);
    QFETCH(QString, kind);
    QFETCH(Cause, cause);

    MessageRecorder recorder;
    QCOMPARE(errorCause([&] { compute(payment, rate, balance, kind); }), cause);
    QVERIFY(recorder.messages.isEmpty());
}

QTEST_APPLESS_MAIN(TestPayoff)
#include "tst_payoff.moc"
