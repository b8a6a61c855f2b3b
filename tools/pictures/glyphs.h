#pragma once
// The glyphs: the toolbar's buttons, and the window's and panels' buttons
// and small pictures (arrows, icon, table glyphs, "3D" and "2D", the side
// strips' pictures).
#include "tools/pictures/pictures.h"

namespace pictures {

std::vector<PictureFile> toolbarGlyphs();
std::vector<PictureFile> windowGlyphs();
std::vector<PictureFile> figureGlyphs();
// The small pictures of the ball and hose connection panels.
std::vector<PictureFile> hoseGlyphs();

} // namespace pictures
