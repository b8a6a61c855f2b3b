#pragma once
// A hexagon cut on a body of revolution about the X axis: six boxes, each
// turned about the axis by a further sixth of a turn, subtracted from the
// body. The first box, placed at its centre, decides where the flats face;
// the others follow it round the axis.
#include "acad/fields.h"

namespace pipes {

struct HexagonBox {
    double length, width, height; // along X, Y, Z before its turn
    acad::AcadPoint centre;
    int firstTurn; // in sixths of a turn: the first box's turn, the others after it
};

// Each box is made in `box`, turned about the axis from AxisPoint (0, 0, 0)
// to AxisDirection (77, 0, 0) and subtracted from `body`.
void cutHexagon(acad::WorkingFields& f, acad::IAcad3DSolid& body, acad::IAcad3DSolid& box, const HexagonBox& shape);

} // namespace pipes
