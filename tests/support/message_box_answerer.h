// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPushButton>
#include <QString>
#include <QTest>
#include <QTimer>

#include <functional>

// Answers every message box that opens while it lives: records what the box
// showed, and whatever the snapshot function reports at that moment, then
// clicks the box's OK button as a user would.
class MessageBoxAnswerer : public QObject {
public:
    struct Box {
        QString title;
        QString text;
        int buttonCount = 0;
        bool hasOkButton = false;
        bool buttonHasIcon = false;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        bool modal = false;
        QWidget *parent = nullptr;
        QString snapshot;
    };

    explicit MessageBoxAnswerer(std::function<QString()> snapshot = {})
        : snapshot_(std::move(snapshot))
    {
        connect(&timer_, &QTimer::timeout, this, &MessageBoxAnswerer::answer);
        timer_.start(5);
    }

    QStringList texts() const
    {
        QStringList result;
        for (const Box &box : boxes)
            result.append(box.text);
        return result;
    }

    QList<Box> boxes;

private:
    void answer()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        Box seen;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.buttonCount = int(box->buttons().size());
        seen.hasOkButton = box->button(QMessageBox::Ok) != nullptr;
        seen.buttonHasIcon = seen.hasOkButton && !box->button(QMessageBox::Ok)->icon().isNull();
        seen.icon = box->icon();
        seen.modal = box->isModal();
        seen.parent = box->parentWidget();
        if (snapshot_)
            seen.snapshot = snapshot_();
        boxes.append(seen);
        QAbstractButton *button = box->buttons().value(0);
        if (button)
            QTest::mouseClick(button, Qt::LeftButton);
        else
            box->reject();
    }

    std::function<QString()> snapshot_;
    QTimer timer_;
};
