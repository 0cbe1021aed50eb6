// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Messages to the user.  The calculation calls ShowMessage; the program
// decides how a message is shown by installing a presenter (a message box in
// the window, a recorder in tests).  Everything runs on one thread.

#include <functional>
#include <string_view>

namespace runtime {

// Receives the prompt and returns once the user has dismissed it.
using MessagePresenter = std::function<void(std::string_view prompt)>;

// Installs presenter for every later ShowMessage and returns the one it
// replaces.  With none installed, prompts go to standard error.
MessagePresenter InstallMessagePresenter(MessagePresenter presenter);

void ShowMessage(std::string_view prompt);

} // namespace runtime
