// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/exact.h"
#include "support/message_recorder.h"

#include "runtime/checked_arithmetic.h"

#include <QTest>

#include <cfloat>
#include <cmath>

using runtime::CalculationError;
using Cause = CalculationError::Cause;
using Operation = double (*)(double, double);
Q_DECLARE_METATYPE(Operation)

class TestArithmetic : public QObject {
    Q_OBJECT

private slots:
    void results_data();
    void results();
    void errors_data();
    void errors();
    void expressionsAreNotContracted();
    void messagesReachTheInstalledPresenterInOrder();
};

void TestArithmetic::results_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("expected");

    QTest::newRow("sum rounds to nearest") << &runtime::Add << 0.1 << 0.2 << 0.30000000000000004;
    QTest::newRow("difference") << &runtime::Sub << 1000.0 << 41.0 << 959.0;
    QTest::newRow("underflow is not an error") << &runtime::Mul << 1e-300 << 1e-300 << 0.0;
    QTest::newRow("quotient rounds to nearest") << &runtime::Div << 0.18 << 12.0 << 0.015;
    QTest::newRow("largest finite sum") << &runtime::Add << DBL_MAX << 0.0 << DBL_MAX;
    QTest::newRow("zero divided by a number") << &runtime::Div << 0.0 << 601.0 << 0.0;
}

void TestArithmetic::results()
{
    QFETCH(Operation, operation);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, expected);
    QCOMPARE_EXACT(operation(a, b), expected);
}

void TestArithmetic::errors_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<Cause>("cause");

    QTest::newRow("sum overflows") << &runtime::Add << DBL_MAX << DBL_MAX << Cause::Overflow;
    QTest::newRow("difference overflows")
        << &runtime::Sub << -DBL_MAX << DBL_MAX << Cause::Overflow;
    QTest::newRow("product overflows") << &runtime::Mul << 1e200 << -1e200 << Cause::Overflow;
    QTest::newRow("quotient overflows") << &runtime::Div << 1e300 << 1e-300 << Cause::Overflow;
    QTest::newRow("division by zero") << &runtime::Div << 1.0 << 0.0 << Cause::DivisionByZero;
    QTest::newRow("division by minus zero")
        << &runtime::Div << 1.0 << -0.0 << Cause::DivisionByZero;
    QTest::newRow("zero divided by zero") << &runtime::Div << 0.0 << 0.0 << Cause::DivisionByZero;
}

void TestArithmetic::errors()
{
    QFETCH(Operation, operation);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(Cause, cause);
    QCOMPARE(errorCause([&] { operation(a, b); }), cause);
}

// With contraction, a * b + c becomes one fused multiply-add on processors
// that have it, and this sum comes out as 2^-54 instead of 0.
void TestArithmetic::expressionsAreNotContracted()
{
    volatile double a = 1.0 + std::ldexp(1.0, -27);
    volatile double c = -(1.0 + std::ldexp(1.0, -26));
    const double x = a;
    const double z = c;
    QCOMPARE_EXACT(x * x + z, 0.0);
}

void TestArithmetic::messagesReachTheInstalledPresenterInOrder()
{
    MessageRecorder outer;
    runtime::ShowMessage("first");
    {
        MessageRecorder inner;
        runtime::ShowMessage("second");
        QCOMPARE(inner.messages, QStringList{"second"});
    }
    runtime::ShowMessage("third");
    QCOMPARE(outer.messages, (QStringList{"first", "third"}));
}

QTEST_APPLESS_MAIN(TestArithmetic)
#include "tst_arithmetic.moc"
