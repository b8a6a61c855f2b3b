#include "figure/stretches.h"

namespace figure {

// The head group, built about the head frame's origin, is turned on the
// neck pivot 69.87 below that origin by A1 about Z, B1 about X and C1 about
// Y (fixed axes, in that order), carried with the pivot onto the girdle
// centre and joined to the body. A6 and B6 move the head without turning it.
void headPose(Assembly& a)
{
    acad::WorkingFields& f = a.f;
    const acad::AcadPoint origin(0, 0, 0);
    a.move(f.GroupSolid, origin, {0, a.scaled(69.87), 0});
    a.turn(f.GroupSolid, origin, {0, 0, 77}, a[Angle::A1]);
    a.turn(f.GroupSolid, origin, {77, 0, 0}, a[Angle::B1]);
    a.turn(f.GroupSolid, origin, {0, 77, 0}, a[Angle::C1]);
    // The three fields have served other ends since the trunk set them.
    a.storeGirdleCentre();
    a.move(f.GroupSolid, origin, {-f.Dim05, f.Dim06, f.Dim09});
    f.BodySolid.Boolean(acad::acUnion, f.GroupSolid);
}

} // namespace figure
