#pragma once
// Connects the drawing layer to its window: once installed, making the
// drawing program visible shows the window of its active document, and
// making it invisible hides it. Without a QApplication, or on a headless
// platform ("offscreen", "minimal"), nothing is shown and the layer works
// as before.
namespace acad::view {

void install();

} // namespace acad::view
