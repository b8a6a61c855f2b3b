#pragma once
// Running one procedure of a button or menu item to its end.
#include <QString>

#include <functional>

namespace acad {

// Runs the procedure with the floating-point flags cleared and returns the
// message of the failure that ended it, or an empty string when it ran
// through. Every failure becomes a message, including the kernel's own.
// `failed` tells the two apart (an empty message is possible).
QString runProcedure(const std::function<void()>& procedure, bool* failed = nullptr);

} // namespace acad
