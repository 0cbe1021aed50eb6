// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/qt/start.h"
#include "window/form1.h"

int main(int argc, char *argv[])
{
    return runtime::Start<Form1>(argc, argv,
                                 {QStringLiteral("Quenvale"), QStringLiteral(QUENVALE_APP_ID),
                                  QStringLiteral(QUENVALE_VERSION)});
}
