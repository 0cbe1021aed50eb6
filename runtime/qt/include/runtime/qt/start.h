// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/qt/graphical_session.h"
#include "runtime/qt/message_box.h"

#include <QApplication>
#include <QString>

#include <cstdio>

namespace runtime {

struct ProjectDescription {
    // The application title: message boxes carry it.
    QString title;
    // Reverse-DNS name of the desktop entry, the icon and the metainfo; a
    // Wayland compositor gets it as the window's app_id.
    QString applicationId;
    // The build's version (the CMake project version), such as "1.0.0".
    QString version;
};

// Creates the startup window, raises its Load event, shows the window and
// runs the event loop; closing the window ends it.  Messages from then on
// appear as message boxes over the window.  Returns the exit code: 1, after a
// line on stderr, when there is no graphical session to show the window in.
template <typename StartupForm>
int Start(int &argc, char **argv, const ProjectDescription &project)
{
    // Without a display Qt would abort with a message about reinstalling.
    if (!HasGraphicalSession(argc, argv)) {
        std::fprintf(stderr,
                     "%s needs a graphical session, but none of DISPLAY, WAYLAND_DISPLAY and "
                     "QT_QPA_PLATFORM is set.\n",
                     project.title.toLocal8Bit().constData());
        return 1;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(project.title);
    QApplication::setApplicationVersion(project.version);
    QGuiApplication::setDesktopFileName(project.applicationId);

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
