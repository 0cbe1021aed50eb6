// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/message.h"

#include <iostream>
#include <utility>

namespace runtime {
namespace {

MessagePresenter &installedPresenter()
{
    static MessagePresenter presenter;
    return presenter;
}

} // namespace

MessagePresenter InstallMessagePresenter(MessagePresenter presenter)
{
    return std::exchange(installedPresenter(), std::move(presenter));
}

void ShowMessage(std::string_view prompt)
{
    if (const MessagePresenter &presenter = installedPresenter())
        presenter(prompt);
    else
        std::cerr << prompt << '\n';
}

} // namespace runtime
