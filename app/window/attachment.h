#pragma once
// Attaching the window's connection to the drawing at start.
#include "acad/interfaces.h"

namespace app {

// Binds the connection to the active document of the running drawing
// program; when that fails in any way, connects in running-or-new mode and
// makes the program's window visible. A failure of that fallback is raised,
// with whatever binding it made kept.
void attachToDrawing(acad::TAcadDocument& connection);

} // namespace app
