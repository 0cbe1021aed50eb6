// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLatin1String>
#include <QString>
#include <QtGlobal>

// The offscreen platform warns that it cannot pass size hints on for every
// message box; the warning says nothing about the program, so it is dropped
// and every other message goes on to the test's own handler.  Call it once,
// from initTestCase.
inline void DropOffscreenSizeHintWarnings()
{
    static QtMessageHandler testMessageHandler = nullptr;
    testMessageHandler = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
            if (!message.contains(QLatin1String("does not support propagateSizeHints")))
                testMessageHandler(type, context, message);
        });
}
