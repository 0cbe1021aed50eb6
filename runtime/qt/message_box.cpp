// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/qt/message_box.h"

#include "runtime/qt/qt_text.h"

#include <QIcon>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

namespace runtime {

void ShowMessageBox(QWidget *parent, const QString &title, const QString &prompt)
{
    QMessageBox box(QMessageBox::NoIcon, title, prompt, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    // Some styles decorate standard buttons with icons; this box has none.
    box.button(QMessageBox::Ok)->setIcon(QIcon());
    box.exec();
}

MessagePresenter MessageBoxPresenter(QWidget *parent, const QString &title)
{
    return [parent = QPointer<QWidget>(parent), title](std::string_view prompt) {
        ShowMessageBox(parent, title, ToQString(prompt));
    };
}

} // namespace runtime
