#pragma once
// The standard error box: the message of a failure under the application's
// title, with "." appended after a letter or digit.
#include <QString>

#include <functional>

class QWidget;

namespace shell {

// The application title, also the caption of every message box.
QString applicationTitle();

// Shows the error box for a failure's message.
void showErrorBox(const QString& message);

// Tests take the boxes' texts instead of showing them; an empty function
// shows them again.
void setErrorBoxCapture(std::function<void(const QString& text)> capture);

// Runs a procedure of a button or menu item; a failure shows the error box.
// Returns false when the procedure failed.
bool runProcedure(const std::function<void()>& procedure);

} // namespace shell
