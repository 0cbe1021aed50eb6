// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/qt/message_box.h"

#include <QApplication>
#include <QString>

namespace runtime {

struct ProjectDescription {
    // The application title: message boxes carry it.
    QString title;
};

// Creates the startup window, raises its Load event, shows the window and
// runs the event loop; closing the window ends it.  Messages from then on
// appear as message boxes over the window.  Returns the exit code.
template <typename StartupForm>
int Start(int &argc, char **argv, const ProjectDescription &project)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(project.title);

    StartupForm form;
    const MessagePresenter previous =
        InstallMessagePresenter(MessageBoxPresenter(&form, project.title));
    form.Load();
    form.show();
    const int exitCode = QApplication::exec();
    InstallMessagePresenter(previous);
    return exitCode;
}

} // namespace runtime
