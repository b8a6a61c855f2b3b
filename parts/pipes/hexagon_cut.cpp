#include "parts/pipes/hexagon_cut.h"

namespace pipes {

namespace {
constexpr double pi = 3.141592653589793;
}

void cutHexagon(acad::WorkingFields& f, acad::IAcad3DSolid& body, acad::IAcad3DSolid& box, const HexagonBox& shape)
{
    f.BasePoint = shape.centre;
    f.AxisPoint = acad::AcadPoint(0, 0, 0);
    f.AxisDirection = acad::AcadPoint(77, 0, 0);
    for (int i = 0; i < 6; ++i) {
        const int k = (shape.firstTurn + i) % 6;
        box = f.ModelSpace().AddBox(f.BasePoint, shape.length, shape.width, shape.height);
        if (k != 0)
            box.Rotate3D(f.AxisPoint, f.AxisDirection, k * pi / 3);
        body.Boolean(acad::acSubtraction, box);
    }
}

} // namespace pipes
