#pragma once
// The sheet frame: the sheet edge, the frame with its 20 mm binding margin,
// the title-block grid of 185 x 55 mm in the lower-right corner, the upper-left
// box of 70 x 14 mm and the margin columns, 50 lines in the XY plane.
#include "acad/fields.h"
#include "sheets/sheet_coords.h"

#include <span>

namespace sheets {

struct FrameLine {
    SheetCoord x1, y1, x2, y2;
    int lineweight;
    int colour; // -1: none set
};

// The 50 lines in drawing order.
std::span<const FrameLine> frameLines();

// Draws the frame of a sheet of length L and height H.
void drawFrame(acad::WorkingFields& w, double L, double H);

} // namespace sheets
