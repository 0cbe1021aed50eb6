// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/message.h"
#include "runtime/qt/qt_text.h"

#include <QString>
#include <QStringList>

#include <string_view>
#include <utility>

// Records every ShowMessage prompt, in order, for as long as it lives.
class MessageRecorder {
public:
    MessageRecorder()
        : previous_(runtime::InstallMessagePresenter(
              [this](std::string_view prompt) { messages.append(runtime::ToQString(prompt)); }))
    {
    }
    ~MessageRecorder() { runtime::InstallMessagePresenter(std::move(previous_)); }

    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;

    QStringList messages;

private:
    runtime::MessagePresenter previous_;
};
