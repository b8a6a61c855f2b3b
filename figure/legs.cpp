#include "figure/primitives.h"
#include "figure/stretches.h"

#include <cmath>
#include <numbers>

namespace figure {

namespace {

using std::numbers::pi;

using acad::AcadPoint;
using acad::WorkingFields;
using Field = double WorkingFields::*;

// What sets the legs apart: the side's sign along X (right −1), its angles,
// the bank fields of its hip joint (then knee point) and knee vector, and
// whether its hip ball is coloured before it joins the hip block.
struct LegSide {
    double sign;
    Angle A8, B8, A9, B9;
    Field x, y, z;             // hip joint, then knee point
    Field vx, vy, vz;          // knee vector
    bool colouredHipBall;
};

const LegSide kRight{-1, Angle::A8P, Angle::B8P, Angle::A9P, Angle::B9P,
                     &WorkingFields::Dim05, &WorkingFields::Dim06, &WorkingFields::Dim09,
                     &WorkingFields::Dim24, &WorkingFields::Dim25, &WorkingFields::Dim26, false};
const LegSide kLeft{1, Angle::A8L, Angle::B8L, Angle::A9L, Angle::B9L,
                    &WorkingFields::Dim27, &WorkingFields::Dim28, &WorkingFields::Dim29,
                    &WorkingFields::Dim30, &WorkingFields::Dim31, &WorkingFields::Dim32, true};

void centre(WorkingFields& f, double x, double y, double z)
{
    f.Dim14 = x;
    f.Dim15 = y;
    f.Dim16 = z;
}

// Everything of the hip block between x = c and x = `far` goes: a prism
// H high about z = 0.
void cutHipBlock(Assembly& a, double c, double far)
{
    WorkingFields& f = a.f;
    const double H = a.H();
    f.SetProfile({{c, -H}, {far, -H}, {far, H}, {c, H}, {c, -H}});
    f.MakeProfileRegion();
    f.ToolSolid = f.ExtrudeProfile(H);
    a.move(f.ToolSolid, {0, 0, 0}, {0, 0, -H / 2});
    f.GroupSolid.Boolean(acad::acSubtraction, f.ToolSolid);
}

// The thigh with its hip block, posed on its hip joint.
void thigh(Assembly& a, const LegSide& side)
{
    WorkingFields& f = a.f;
    const double s = a.s(), H = a.H();

    f.Dim07 = 0.0001;
    centre(f, 0, 0, 0);
    Myach_Fig(f);

    makeFrustum(f, &Konus1, 120, 120, 80, 0, 0, -3, 0, 0);
    f.GroupSolid.Boolean(acad::acUnion, f.NewSolid);

    makeBall(f, 120, 0, 80, -3);
    if (side.colouredHipBall)
        Assembly::paint(f.NewSolid, a.colour(PoseColour::Overalls));
    f.GroupSolid.Boolean(acad::acUnion, f.NewSolid);

    // A slab 120 thick across X is left: 50 on the outer side, 70 inner.
    cutHipBlock(a, side.sign * 50 * s, side.sign * H);
    cutHipBlock(a, -side.sign * 70 * s, -side.sign * H);

    f.*side.z = 0;
    f.*side.y = 0;
    f.*side.x = 0;

    makeFrustum(f, &Konus2, 109, 90, 450, 0, 0, 0, 0, 0);
    f.NewSolid.Boolean(acad::acUnion, f.GroupSolid);

    f.*side.x = side.sign * 85 * s;
    const AcadPoint origin(0, 0, 0);
    a.turn(f.NewSolid, {77, 0, 0}, origin, a[side.B8]);
    a.turn(f.NewSolid, {0, 0, 77}, origin, a[side.A8]);
    a.move(f.NewSolid, origin, {f.*side.x, f.*side.y, f.*side.z});
    a.colourAndUnite(f.BodySolid, f.NewSolid, PoseColour::Overalls);
}

// The knee vector and point, and the shin from the knee.
void shin(Assembly& a, const LegSide& side)
{
    WorkingFields& f = a.f;
    const double s = a.s(), A8 = a[side.A8], B8 = a[side.B8];
    f.*side.vz = -std::sin(B8) * 450 * s;
    f.*side.vy = std::cos(A8 + pi) * std::cos(B8) * (-450 * s);
    f.*side.vx = std::sin(A8 + pi) * (-std::cos(B8) * 450 * s);
    f.*side.z = f.*side.z + f.*side.vz;
    f.*side.y = f.*side.y + f.*side.vy;
    f.*side.x = f.*side.x + f.*side.vx;

    makeFrustum(f, &Konus1, 90, 100, 470, f.*side.x / s, f.*side.y / s, f.*side.z / s, a[side.B9], a[side.A9]);
    a.colourAndUnite(f.BodySolid, f.NewSolid, PoseColour::Overalls);
}

} // namespace

void legs(Assembly& a)
{
    thigh(a, kRight);
    thigh(a, kLeft);
    shin(a, kRight);
    shin(a, kLeft);
}

} // namespace figure
