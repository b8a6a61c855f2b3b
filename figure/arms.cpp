#include "figure/primitives.h"
#include "figure/stretches.h"

namespace figure {

namespace {

using acad::AcadPoint;
using acad::WorkingFields;
using Field = double WorkingFields::*;

// One arm: its girdle, upper-arm and forearm angles, and the bank fields
// that hold its shoulder point, then its elbow point.
struct ArmSide {
    Angle A2, B2, A3, B3, A4, B4;
    Field x, y, z;
};

const ArmSide kRight{Angle::A2P, Angle::B2P, Angle::A3P, Angle::B3P, Angle::A4P, Angle::B4P,
                     &WorkingFields::Dim05, &WorkingFields::Dim06, &WorkingFields::Dim09};
const ArmSide kLeft{Angle::A2L, Angle::B2L, Angle::A3L, Angle::B3L, Angle::A4L, Angle::B4L,
                    &WorkingFields::Dim27, &WorkingFields::Dim28, &WorkingFields::Dim29};

// The point `length` (reference size) from p along the segment of (a, b).
AcadPoint along(const Assembly& a, const AcadPoint& p, double length, double angleA, double angleB)
{
    const AcadPoint d = segmentDirection(angleA, angleB);
    const double l = a.scaled(length);
    return {p[0] + l * d[0], p[1] + l * d[1], p[2] + l * d[2]};
}

AcadPoint joint(const WorkingFields& f, const ArmSide& side)
{
    return {f.*side.x, f.*side.y, f.*side.z};
}

void store(WorkingFields& f, const ArmSide& side, const AcadPoint& p)
{
    f.*side.x = p[0];
    f.*side.y = p[1];
    f.*side.z = p[2];
}

// A frustum from the joint along the segment of (A, B); coloured and united.
void segment(Assembly& a, const AcadPoint& from, double r1, double r2, double length, Angle A, Angle B,
             const Rgb& colour)
{
    WorkingFields& f = a.f;
    const double s = a.s();
    makeFrustum(f, &Konus1, r1, r2, length, from[0] / s, from[1] / s, from[2] / s, a[B], a[A]);
    a.colourAndUnite(f.BodySolid, f.NewSolid, colour);
}

// The elbow: the point at the upper arm's end, and its ball.
void elbow(Assembly& a, const ArmSide& side, const Rgb& colour)
{
    WorkingFields& f = a.f;
    const AcadPoint e = along(a, joint(f, side), 250.94, a[side.A3], a[side.B3]);
    store(f, side, e);
    const double s = a.s();
    makeBall(f, 64, e[0] / s, e[1] / s, e[2] / s);
    a.colourAndUnite(f.BodySolid, f.NewSolid, colour);
}

} // namespace

void arms(Assembly& a)
{
    WorkingFields& f = a.f;
    // The girdle centre as the trunk left it, its x reversed.
    const AcadPoint G(-f.Dim05, f.Dim06, f.Dim09);
    store(f, kLeft, along(a, G, 190.64, a[kLeft.A2], a[kLeft.B2]));
    store(f, kRight, along(a, G, 190.64, a[kRight.A2], a[kRight.B2]));

    const Rgb colour = a.colour(PoseColour::Turtleneck);
    for (const ArmSide* side : {&kRight, &kLeft})
        segment(a, joint(f, *side), 70, 64, 250.94, side->A3, side->B3, colour);
    elbow(a, kRight, colour);
    elbow(a, kLeft, colour);

    segment(a, joint(f, kRight), 64, 49, 232.58, kRight.A4, kRight.B4, colour);
    const AcadPoint wrist = along(a, joint(f, kRight), 232.58, a[kRight.A4], a[kRight.B4]);
    f.Dim33 = wrist[0];
    f.Dim34 = wrist[1];
    f.Dim35 = wrist[2];
    segment(a, joint(f, kLeft), 64, 49, 232.58, kLeft.A4, kLeft.B4, colour);
}

} // namespace figure
