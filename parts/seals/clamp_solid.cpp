#include "parts/seals/clamp_solid.h"

#include "parts/seals/revolution.h"

namespace seals {

namespace {

acad::IAcad3DSolid extrude(acad::WorkingFields& f, const Profile& profile, double height)
{
    f.SetProfile(profile.vertices);
    f.MakeProfileRegion(profile.bulges);
    return f.ExtrudeProfile(height);
}

// A side profile extruded by B lies across the strip's width: centred on
// z = 0 and turned a quarter about the X axis, its y becomes the height.
void standUp(acad::WorkingFields& f, acad::IAcad3DSolid& solid, double B)
{
    f.BasePoint = acad::AcadPoint(0, 0, 0);
    f.AxisDirection = acad::AcadPoint(0, 0, -B / 2);
    solid.Move(f.BasePoint, f.AxisDirection);
    f.AxisDirection = acad::AcadPoint(77, 0, 0);
    solid.Rotate3D(f.BasePoint, f.AxisDirection, kPi / 2);
}

// A flat piece of the feet, S thick, united with or cut from the clamp.
void flatPiece(acad::WorkingFields& f, const Profile& outline, double S, acad::AcBooleanType operation)
{
    f.NewSolid = extrude(f, outline, S);
    f.GroupSolid.Boolean(operation, f.NewSolid);
}

} // namespace

void drawBentStrip(acad::WorkingFields& f, const ClampSizes& s, const ClampBends& b)
{
    const double A = s.A, S = s.S, r = s.r, R = s.D / 2, B = s.B;
    const double c = std::cos(b.phi), sn = std::sin(b.phi);
    const double bend = bulgeOf((kPi / 2 - b.phi) / 4), wrap = bulgeOf((kPi - 2 * b.phi) / 4);
    // Clockwise: the left foot, over the wrap's outer face, the right foot,
    // and back under the wrap's inner face.
    const Profile strip{{{-A / 2, 0},
                         {-A / 2, S},
                         {-b.rho * c, S},
                         {-(R + S) * c, S + r - r * sn},
                         {(R + S) * c, S + r - r * sn},
                         {b.rho * c, S},
                         {A / 2, S},
                         {A / 2, 0},
                         {b.rho * c, 0},
                         {R * c, (S + r) * (1 - sn)},
                         {-R * c, (S + r) * (1 - sn)},
                         {-b.rho * c, 0},
                         {-A / 2, 0}},
                        {{2, bend}, {3, -wrap}, {4, bend}, {8, -bend}, {9, wrap}, {10, -bend}}};
    f.GroupSolid = extrude(f, strip, B);
    standUp(f, f.GroupSolid, B);

    flatPiece(f, {{{-A / 2, -B / 2}, {-A / 2, B / 2}, {-A / 2, -B / 2}}, {{0, -1}}}, S, acad::acUnion);
    flatPiece(f, {{{A / 2, -B / 2}, {A / 2, B / 2}, {A / 2, -B / 2}}, {{1, -1}}}, S, acad::acUnion);
}

void makeTabAndSquareEnd(acad::WorkingFields& f, const ClampSizes& s, double L1, double h)
{
    const double A = s.A, S = s.S, r = s.r, L = s.L, B = s.B;
    flatPiece(f, {{{-A / 2, -B}, {-A / 2, B}, {-L, B}, {-L, -B}, {-A / 2, -B}}, {}}, S, acad::acSubtraction);
    flatPiece(f, {{{A / 2, -B}, {A / 2, B}, {L, B}, {L, -B}, {A / 2, -B}}, {}}, S, acad::acSubtraction);
    flatPiece(f, {{{A / 2, -B / 2}, {A / 2, B / 2}, {L - L1, B / 2}, {L - L1, -B / 2}, {A / 2, -B / 2}}, {}}, S,
              acad::acUnion);

    // The left foot carried on to the tab's bend about (t1, -r), then the
    // leg down to depth h.
    const double t1 = S - L1 + r, quarter = bulgeOf(kPi / 8);
    const Profile tab{{{-A / 2, 0},
                       {-A / 2, S},
                       {t1, S},
                       {-L1, -r},
                       {-L1, -h},
                       {S - L1, -h},
                       {S - L1, -r},
                       {t1, 0},
                       {-A / 2, 0}},
                      {{2, quarter}, {6, -quarter}}};
    f.NewSolid = extrude(f, tab, B);
    standUp(f, f.NewSolid, B);
    f.GroupSolid.Boolean(acad::acUnion, f.NewSolid);
}

void drillHoles(acad::WorkingFields& f, const ClampSizes& s)
{
    for (const double x : {-s.A / 2, s.A / 2}) {
        f.AxisDirection = acad::AcadPoint(x, 0, 0);
        f.NewSolid = f.ModelSpace().AddCylinder(f.AxisDirection, s.d / 2, s.L);
        f.GroupSolid.Boolean(acad::acSubtraction, f.NewSolid);
    }
}

} // namespace seals
