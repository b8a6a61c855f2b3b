#pragma once
// The pictures of the part panels: each family's part pictures (":/metal/
// pipe.png") and the button glyphs that every panel shares (":/glyphs/
// button_3d.png"). They are compiled into a static library, so whoever
// shows them registers them first.
namespace resources {

void registerPanelPictures();

} // namespace resources
