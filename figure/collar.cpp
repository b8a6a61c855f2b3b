#include "figure/stretches.h"

#include <array>
#include <optional>
#include <vector>

namespace figure {

namespace {

// A ring of the head group turned a whole turn about the Y axis: its half
// profile (x from the axis, y up; closed on its first vertex) and bulges in
// reference sizes, where it is moved, its colour, and whether that colour is
// read from its edits when this piece is coloured (the lips read theirs once,
// at the first ring).
struct CollarPiece {
    std::vector<acad::XY> outline;
    std::vector<acad::Bulge> bulges;
    acad::AcadPoint place;
    PoseColour colour;
    bool readsColour;
};

// Two clockwise half circles: the whole circle of radius r about (38, 0).
CollarPiece lipRing(double r, const acad::AcadPoint& place, bool readsColour)
{
    return {{{38, r}, {38, -r}, {38, r}}, {{0, -1}, {1, -1}}, place, PoseColour::Lips, readsColour};
}

// The turtleneck's collar: a tube of inner radius 64 about the neck, 3 thick
// up to 65 and 5 thick above, with a bead (a counter-clockwise half circle
// of radius 2.5) on its top edge, its foot 65 below the head's origin; then
// the upper lip as two thin rings 2.5 either side of the middle and the
// lower lip as one thicker ring, lower and a little further back.
const std::array<CollarPiece, 4> kCollarAndLips = {{
    {{{64, 0}, {67, 0}, {67, 65}, {69, 65}, {69, 95}, {64, 95}, {64, 0}},
     {{4, 1}},
     {0, -65, 0},
     PoseColour::Turtleneck,
     true},
    lipRing(5, {-2.5, 75, 92.6}, true),
    lipRing(5, {2.5, 75, 92.6}, false),
    lipRing(7, {0, 68, 91}, false),
}};

} // namespace

void collarAndLips(Assembly& a)
{
    acad::WorkingFields& f = a.f;
    const double s = a.s();
    const acad::AcadPoint origin(0, 0, 0);
    std::optional<Rgb> colour;
    for (const CollarPiece& p : kCollarAndLips) {
        std::vector<acad::XY> outline;
        for (const acad::XY& v : p.outline)
            outline.push_back({v.x * s, v.y * s});
        f.SetProfile(outline);
        f.MakeProfileRegion(p.bulges);
        f.NewSolid = f.RevolveProfile(origin, {0, 77, 0});
        a.move(f.NewSolid, origin, {p.place[0] * s, p.place[1] * s, p.place[2] * s});
        if (p.readsColour)
            colour = a.colour(p.colour);
        a.colourAndUnite(f.GroupSolid, f.NewSolid, *colour);
    }
}

} // namespace figure
