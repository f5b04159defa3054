#pragma once

#include <functional>
#include <string>

namespace fw {

// Shows a text in a message box. The GUI runtime installs a real, modal box; without one the
// text goes to standard error, so nothing waits for a user who cannot answer.
void MsgBox(const std::string& message);

using MessageBoxPresenter = std::function<void(const std::string& message)>;

// Replaces how MsgBox shows its text (tests record it); gives back the presenter it replaces.
// An empty presenter restores the default.
MessageBoxPresenter SetMessageBoxPresenter(MessageBoxPresenter presenter);

}  // namespace fw
