#pragma once
// Connects the drawing layer to its window: once installed, making the
// drawing program visible shows the window of its active document, and
// making it invisible hides it; a drawing the visible program opens shows
// in a window of its own. Without a QApplication, or on a headless platform
// ("offscreen", "minimal"), nothing is shown and the layer works as before,
// unless `headlessToo` asks for the windows there as well (tests drive them
// so).
namespace acad::view {

void install(bool headlessToo = false);

} // namespace acad::view
