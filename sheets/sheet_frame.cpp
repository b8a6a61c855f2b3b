#include "sheets/sheet_frame.h"

#include <array>

namespace sheets {

namespace {

// Each line from (x1, y1) to (x2, y2), its lineweight and colour.
constexpr std::array<FrameLine, 50> kLines{{
    // The sheet edge.
    {at(0), at(0), at(0), H(0), 0, 5},
    {at(0), H(0), L(0), H(0), 0, 5},
    {L(0), H(0), L(0), at(0), 0, 5},
    {L(0), at(0), at(0), at(0), 0, 5},
    // The frame.
    {at(20), at(5), at(20), H(-5), 50, -1},
    {at(20), H(-5), L(-5), H(-5), 50, -1},
    {L(-5), H(-5), L(-5), at(5), 50, -1},
    {L(-5), at(5), at(20), at(5), 50, -1},
    // The title-block grid.
    {L(-5), at(60), L(-190), at(60), 50, -1},
    {L(-190), at(60), L(-190), at(5), 50, -1},
    {L(-125), at(60), L(-125), at(5), 50, -1},
    {L(-135), at(60), L(-135), at(5), 50, -1},
    {L(-150), at(60), L(-150), at(5), 50, -1},
    {L(-173), at(60), L(-173), at(5), 50, -1},
    {L(-183), at(60), L(-183), at(35), 50, -1},
    {L(-55), at(45), L(-55), at(5), 50, -1},
    {L(-5), at(45), L(-125), at(45), 50, -1},
    {L(-5), at(20), L(-125), at(20), 50, -1},
    {L(-5), at(40), L(-55), at(40), 50, -1},
    {L(-5), at(25), L(-55), at(25), 50, -1},
    {L(-125), at(40), L(-190), at(40), 50, -1},
    {L(-125), at(35), L(-190), at(35), 50, -1},
    {L(-125), at(45), L(-190), at(45), 25, -1},
    {L(-125), at(50), L(-190), at(50), 25, -1},
    {L(-125), at(55), L(-190), at(55), 25, -1},
    {L(-125), at(30), L(-190), at(30), 25, -1},
    {L(-125), at(25), L(-190), at(25), 25, -1},
    {L(-125), at(20), L(-190), at(20), 25, -1},
    {L(-125), at(15), L(-190), at(15), 25, -1},
    {L(-125), at(10), L(-190), at(10), 25, -1},
    {L(-23), at(45), L(-23), at(25), 50, -1},
    {L(-40), at(45), L(-40), at(25), 50, -1},
    {L(-35), at(25), L(-35), at(20), 50, -1},
    // The upper-left box.
    {at(20), H(-14), at(90), H(-14), 50, -1},
    {at(90), H(-14), at(90), H(-5), 50, -1},
    // The margin columns.
    {at(8), at(5), at(8), at(150), 50, -1},
    {at(13), at(5), at(13), at(150), 50, -1},
    {at(8), at(150), at(20), at(150), 50, -1},
    {at(8), at(292), at(20), at(292), 50, -1},
    {at(8), at(232), at(20), at(232), 50, -1},
    {at(8), at(172), at(20), at(172), 50, -1},
    {at(8), at(5), at(20), at(5), 50, -1},
    {at(8), at(172), at(8), at(292), 50, -1},
    {at(13), at(172), at(13), at(292), 50, -1},
    {at(8), at(30), at(20), at(30), 50, -1},
    {at(8), at(65), at(20), at(65), 50, -1},
    {at(8), at(90), at(20), at(90), 50, -1},
    {at(8), at(115), at(20), at(115), 50, -1},
    // The thin lines of the title block's right part.
    {L(-50), at(40), L(-50), at(25), 25, -1},
    {L(-45), at(40), L(-45), at(25), 25, -1},
}};

} // namespace

std::span<const FrameLine> frameLines()
{
    return kLines;
}

void drawFrame(acad::WorkingFields& w, double L, double H)
{
    for (const FrameLine& line : kLines)
        w.Line2D(line.x1.at(L), line.y1.at(H), line.x2.at(L), line.y2.at(H), line.lineweight, line.colour);
}

} // namespace sheets
