// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/message.h"

#include <QString>

class QWidget;

namespace runtime {

// Shows prompt in a modal message box over parent: the given title, one OK
// button, no icon.  Returns when the user dismisses it.
void ShowMessageBox(QWidget *parent, const QString &title, const QString &prompt);

// A presenter for InstallMessagePresenter that shows every prompt with
// ShowMessageBox.  parent may be destroyed first; the boxes then have none.
MessagePresenter MessageBoxPresenter(QWidget *parent, const QString &title);

} // namespace runtime
