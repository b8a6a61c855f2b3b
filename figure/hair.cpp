#include "figure/primitives.h"
#include "figure/stretches.h"

#include <numbers>
#include <vector>

namespace figure {

namespace {

using std::numbers::pi;

using acad::WorkingFields;
using Primitive = void (*)(WorkingFields&);

// A ball (Myach: radius r1) or a frustum (Konus1 flat ended, Konus2 round
// ended: r1 at the centre, r2 at the far end, `length` along
// d(a, b) = (sin a·cos b, cos a·cos b, −sin b)); reference sizes, radians.
struct Piece {
    Primitive make;
    double r1, r2, length;
    double x, y, z;
    double b, a;
};

Piece ball(double r, double x, double y, double z)
{
    return {&Myach, r, 0, 0, x, y, z, 0, 0};
}

// The hair: the crown, the back hair in three columns of round slabs, the
// fringe parted off the middle, the sideburns and the temple tufts.
const std::vector<Piece> kHair = {
    ball(90, -3, 196, 35),
    ball(90, -3, 196, 30),
    ball(90, -3, 196, 20),
    ball(90, -3, 196, 10),
    ball(90, -3, 196, -10),
    ball(93, 0, 176, -10),
    ball(93, 0, 156, -10),
    {&Konus2, 60, 60, 20, -30, 125, -40, 0, 0},
    {&Konus2, 60, 60, 20, -30, 125, -30, 0, 0},
    {&Konus2, 60, 60, 20, -30, 125, -20, 0, 0},
    {&Konus2, 63, 63, 20, -30, 135, -20, 0, 0},
    {&Konus2, 63, 63, 20, -30, 150, -20, 0, 0},
    {&Konus2, 60, 60, 20, 30, 125, -40, 0, 0},
    {&Konus2, 60, 60, 20, 30, 125, -30, 0, 0},
    {&Konus2, 60, 60, 20, 30, 125, -20, 0, 0},
    {&Konus2, 63, 63, 20, 30, 135, -20, 0, 0},
    {&Konus2, 63, 63, 20, 30, 150, -20, 0, 0},
    {&Konus2, 70, 70, 20, 0, 125, -40, 0, 0},
    {&Konus2, 70, 70, 20, 0, 125, -30, 0, 0},
    {&Konus2, 70, 70, 20, 0, 125, -20, 0, 0},
    {&Konus2, 63, 63, 20, 0, 135, -20, 0, 0},
    {&Konus2, 63, 63, 20, 0, 150, -20, 0, 0},
    ball(63, -18, 195, 62),
    ball(63, -12, 195, 64),
    ball(63, -30, 195, 57),
    ball(63, 32, 193, 53),
    ball(63, 32, 193, 33),
    ball(63, 32, 193, 15),
    {&Konus1, 15, 20, 50, -70, 120, 60, 0, 0},
    ball(33, -57, 165, 63),
    ball(33, -52, 170, 71),
    {&Konus1, 15, 20, 50, 70, 120, 60, 0, 0},
    ball(33, 57, 165, 63),
    ball(33, 52, 170, 71),
};

// The helmet's shell about its own origin: the dome (a capsule down −Z),
// the front peak plate, the middle and side ridges along X, the brim plates.
const std::vector<Piece> kHelmetShell = {
    {&Konus2, 110, 110, 50, 0, 0, 0, pi / 2, 0},
    {&Konus1, 110, 110, 5, 0, 0, 60, 0, 0},
    {&Konus1, 122, 122, 30, -15, 0, -12, 0, pi / 2},
    {&Konus1, 120, 120, 20, -40, -5, -25, 0, pi / 2},
    {&Konus1, 120, 120, 20, 20, -5, -25, 0, pi / 2},
    {&Konus1, 120, 120, 5, 0, 0, 0, 0, 0},
    {&Konus1, 120, 120, 5, 0, 0, -50, 0, 0},
    {&Konus1, 125, 125, 5, 0, 0, -25, 0, 0},
};

// The hollow: the dome's capsule 5 narrower.
const Piece kHelmetHollow{&Konus2, 105, 105, 50, 0, 0, 0, pi / 2, 0};

// Makes the piece in NewSolid.
void make(WorkingFields& f, const Piece& p)
{
    if (p.make == &Myach)
        makeBall(f, p.r1, p.x, p.y, p.z);
    else
        makeFrustum(f, p.make, p.r1, p.r2, p.length, p.x, p.y, p.z, p.b, p.a);
}

void hair(Assembly& a)
{
    WorkingFields& f = a.f;
    const Rgb colour = a.colour(PoseColour::Hair);
    for (const Piece& p : kHair) {
        make(f, p);
        a.colourAndUnite(f.GroupSolid, f.NewSolid, colour);
    }
}

// Built apart in ToolSolid from a small seed ball, hollowed, cut open below
// its plane y = 0, coloured as a whole and set on the head.
void helmet(Assembly& a)
{
    WorkingFields& f = a.f;
    const double s = a.s(), H = a.H();
    const Rgb colour = a.colour(PoseColour::Helmet);
    f.Dim07 = 1;
    f.Dim14 = f.Dim15 = f.Dim16 = 0;
    Myach_Instr(f);
    for (const Piece& p : kHelmetShell) {
        make(f, p);
        f.ToolSolid.Boolean(acad::acUnion, f.NewSolid);
    }
    make(f, kHelmetHollow);
    f.ToolSolid.Boolean(acad::acSubtraction, f.NewSolid);

    f.SetProfile({{-H, 0}, {-H, -H}, {H, -H}, {H, 0}, {-H, 0}});
    f.MakeProfileRegion();
    f.NewSolid = f.ExtrudeProfile(H);
    a.move(f.NewSolid, {0, 0, 0}, {0, 0, -H / 2});
    f.ToolSolid.Boolean(acad::acSubtraction, f.NewSolid);

    Assembly::paint(f.ToolSolid, colour);
    a.move(f.ToolSolid, {0, 0, 0}, {0, 190 * s, 37 * s});
    f.GroupSolid.Boolean(acad::acUnion, f.ToolSolid);
}

} // namespace

void hairAndHelmet(Assembly& a)
{
    if (a.withHair())
        hair(a);
    if (a.withHelmet())
        helmet(a);
}

} // namespace figure
