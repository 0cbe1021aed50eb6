// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/qt/graphical_session.h"

#include <QList>
#include <QTest>

#include <vector>

namespace {

const char *const sessionVariables[] = {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};

} // namespace

class TestGraphicalSession : public QObject {
    Q_OBJECT

private slots:
    void init();
    void decidedFromEnvironmentAndArguments_data();
    void decidedFromEnvironmentAndArguments();
};

// Every row starts from a process with none of the variables set.
void TestGraphicalSession::init()
{
    for (const char *variable : sessionVariables)
        qunsetenv(variable);
}

void TestGraphicalSession::decidedFromEnvironmentAndArguments_data()
{
    QTest::addColumn<QByteArrayList>("environment"); // NAME=value entries
    QTest::addColumn<QByteArrayList>("arguments");   // after the program name
    QTest::addColumn<bool>("expected");

    QTest::newRow("nothing") << QByteArrayList{} << QByteArrayList{} << false;
    QTest::newRow("X display") << QByteArrayList{"DISPLAY=:0"} << QByteArrayList{} << true;
    QTest::newRow("Wayland display")
        << QByteArrayList{"WAYLAND_DISPLAY=wayland-0"} << QByteArrayList{} << true;
    QTest::newRow("explicit platform offscreen")
        << QByteArrayList{"QT_QPA_PLATFORM=offscreen"} << QByteArrayList{} << true;
    QTest::newRow("explicit platform xcb without DISPLAY")
        << QByteArrayList{"QT_QPA_PLATFORM=xcb"} << QByteArrayList{} << true;
    QTest::newRow("empty variables are unset")
        << QByteArrayList{"DISPLAY=", "WAYLAND_DISPLAY=", "QT_QPA_PLATFORM="} << QByteArrayList{}
        << false;
    QTest::newRow("-platform argument")
        << QByteArrayList{} << QByteArrayList{"-platform", "offscreen"} << true;
    QTest::newRow("--platform argument")
        << QByteArrayList{} << QByteArrayList{"--platform", "vnc"} << true;
    QTest::newRow("-platform without a value")
        << QByteArrayList{} << QByteArrayList{"-platform"} << false;
    QTest::newRow("other arguments")
        << QByteArrayList{} << QByteArrayList{"-style", "fusion", "platform"} << false;
}

void TestGraphicalSession::decidedFromEnvironmentAndArguments()
{
    QFETCH(QByteArrayList, environment);
    QFETCH(QByteArrayList, arguments);
    QFETCH(bool, expected);

    for (const QByteArray &entry : environment) {
        const qsizetype equals = entry.indexOf('=');
        qputenv(entry.left(equals).constData(), entry.mid(equals + 1));
    }
    std::vector<const char *> argv{"quenvale"};
    for (const QByteArray &argument : arguments)
        argv.push_back(argument.constData());
    argv.push_back(nullptr);

    QCOMPARE(runtime::HasGraphicalSession(static_cast<int>(argv.size()) - 1, argv.data()),
             expected);
}

QTEST_GUILESS_MAIN(TestGraphicalSession)
#include "tst_graphical_session.moc"
