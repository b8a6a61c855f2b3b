#include "figure/primitives.h"

#include "acad/fpu.h"
#include "figure/pose_record.h"

#include <cmath>
#include <numbers>

namespace figure {

namespace {

using std::numbers::pi;
constexpr double fullTurn = 2 * pi;

using acad::AcadPoint;
using acad::IAcad3DSolid;
using acad::WorkingFields;
using Slot = IAcad3DSolid WorkingFields::*;

const AcadPoint origin(0, 0, 0);
const AcadPoint alongX(77, 0, 0);
const AcadPoint alongY(0, 77, 0);
const AcadPoint alongZ(0, 0, 77);

// A length of the reference figure at the figure's height.
double scaled(const WorkingFields& f, double value)
{
    return (value * f.Dim01) / kReferenceHeight;
}

double degrees(double value)
{
    return value * pi / 180;
}

// Turns the solid about the axis from the first point to the second.
void turn(WorkingFields& f, IAcad3DSolid& solid, const AcadPoint& from, const AcadPoint& to, double angle)
{
    f.AxisPoint = from;
    f.AxisDirection = to;
    solid.Rotate3D(f.AxisPoint, f.AxisDirection, angle);
}

// Moves the solid from the origin to the point.
void moveTo(WorkingFields& f, IAcad3DSolid& solid, const AcadPoint& to)
{
    f.AxisPoint = origin;
    f.AxisDirection = to;
    solid.Move(f.AxisPoint, f.AxisDirection);
}

// The scaled centre or joint centre (Dim14, Dim15, Dim16).
AcadPoint scaledCentre(const WorkingFields& f)
{
    return {scaled(f, f.Dim14), scaled(f, f.Dim15), scaled(f, f.Dim16)};
}

void sphere(WorkingFields& f, Slot slot)
{
    const double R = scaled(f, f.Dim07);
    f.SetProfile({{-R, 0}, {R, 0}, {-R, 0}});
    f.MakeProfileRegion({{0, -std::sin(pi / 4) / std::cos(pi / 4)}});
    IAcad3DSolid& solid = f.*slot;
    solid = f.RevolveProfile(origin, alongX);
    moveTo(f, solid, scaledCentre(f));
}

// The two tilts in the order ModeFlag gives, the turn about Z and the move
// to the joint centre.
void poseFrustum(WorkingFields& f)
{
    IAcad3DSolid& solid = f.NewSolid;
    if (f.ModeFlag == 0) {
        turn(f, solid, origin, alongY, f.Dim21);
        turn(f, solid, alongX, origin, f.Dim22);
    } else if (f.ModeFlag == 1) {
        turn(f, solid, alongX, origin, f.Dim21);
        turn(f, solid, origin, alongY, f.Dim22);
    }
    turn(f, solid, alongZ, origin, f.Dim23);
    moveTo(f, solid, scaledCentre(f));
}

// The outline of a frustum on +Y: joint end at the origin, far end at L.
void frustumProfile(WorkingFields& f)
{
    const double R1 = scaled(f, f.Dim07), R2 = scaled(f, f.Dim08), L = scaled(f, f.Dim02);
    f.SetProfile({{0, 0}, {R1, 0}, {R2, L}, {0, L}, {0, 0}});
    f.MakeProfileRegion();
}

// A shoulder cap: the frustum swept through 181.8 degrees, turned at once
// about its axis so that it reaches 90.9 degrees to either side of -X or +X.
void shoulderCap(WorkingFields& f, double firstTurn)
{
    frustumProfile(f);
    f.AxisPoint = origin;
    f.AxisDirection = alongY;
    f.NewSolid = f.ModelSpace().AddRevolvedSolid(f.ProfileRegion, f.AxisPoint, f.AxisDirection, degrees(181.8));
    f.NewSolid.Rotate3D(f.AxisPoint, f.AxisDirection, firstTurn);
    f.DeleteProfile();
    poseFrustum(f);
}

// Which shoulder a capsule serves and how far it reaches.
struct Capsule {
    double WorkingFields::*theta1; // the turn in the XZ plane
    double WorkingFields::*theta2; // the turn in the XY plane
    bool left;
    double reach; // the share of the way from the anchor to the target
};

void capsule(WorkingFields& f, const Capsule& side)
{
    // 1. The anchor on the trunk.
    f.Dim00 = scaled(f, f.Dim00);
    f.Dim03 = scaled(f, f.Dim03);
    f.Dim04 = scaled(f, f.Dim04);
    const double a = f.Dim00, b = f.Dim03, c = f.Dim04;
    const double rho = std::sqrt(b * b + c * c);
    const double beta = std::atan(c / rho);
    acad::fpu::check();
    f.Dim10 = a;
    f.Dim11 = rho * std::cos(beta);
    f.Dim12 = rho * std::sin(beta);

    // 2. The target, carried round by the shoulder's two turns.
    if (f.Dim15 == 0)
        f.Dim15 = 1e-8;
    f.Dim14 = scaled(f, f.Dim14);
    f.Dim15 = scaled(f, f.Dim15);
    f.Dim16 = scaled(f, f.Dim16);
    double x = f.Dim14, y = f.Dim15, z = f.Dim16;
    const double d = std::sqrt(x * x + y * y + z * z);
    f.Dim08 = d;
    const double theta1 = f.*side.theta1, theta2 = f.*side.theta2;
    // In the XZ plane: z first, then x from the new z.
    if (x != 0) {
        const double r = std::sqrt(x * x + z * z);
        const double phi = std::atan(z / x);
        z = side.left ? -std::sin(phi - theta1) * r : std::sin(phi + theta1) * r;
        x = std::cos(std::atan(z / x) + theta1) * std::sqrt(x * x + z * z);
    } else {
        const double r = std::fabs(z);
        z = side.left ? -std::sin(pi / 2 - theta1) * r : std::sin(pi / 2 + theta1) * r;
        x = std::cos(pi / 2 + theta1) * std::fabs(z);
    }
    // In the XY plane, then x again so that the point keeps its distance.
    y = std::cos(std::atan(x / y) + theta2 + pi / 2) * std::sqrt(std::fabs(x * x + y * y));
    x = std::sqrt(std::fabs(d * d - z * z - y * y));
    if (!side.left)
        x = -x;
    f.Dim14 = x - f.Dim05;
    f.Dim15 = f.Dim06 - y;
    f.Dim16 = f.Dim09 - z;

    // 3. The capsule on +Y from the origin.
    const double dx = f.Dim14 - f.Dim10, dy = f.Dim15 - f.Dim11, dz = f.Dim16 - f.Dim12;
    const double length = std::sqrt(dx * dx + dy * dy + dz * dz) * side.reach;
    const double r = scaled(f, f.Dim07);
    f.SetProfile({{0, -r}, {r, 0}, {r, length}, {0, length + r}, {0, -r}});
    const double quarter = std::sin(pi / 8) / std::cos(pi / 8);
    f.MakeProfileRegion({{0, quarter}, {2, quarter}});
    f.NewSolid = f.RevolveProfile(origin, alongY);

    // 4. Its pose: towards the target, then to the anchor.
    const double tilt = std::atan(dz / dy);
    acad::fpu::check();
    turn(f, f.NewSolid, origin, alongX, tilt);
    double swing = 6.2831853072;
    if (dx != 0) {
        const double phi = std::atan(dy / dx);
        swing = phi > 0 ? phi + pi / 2 + pi : phi < 0 ? phi + pi / 2 : 0;
    }
    if (swing != 0)
        turn(f, f.NewSolid, origin, alongZ, swing);
    moveTo(f, f.NewSolid, AcadPoint(f.Dim10, f.Dim11, f.Dim12));
    f.Dim10 = 0;
    f.Dim11 = 0;
    f.Dim12 = 0;
}

} // namespace

void Myach(WorkingFields& f)
{
    sphere(f, &WorkingFields::NewSolid);
}

void Myach_Fig(WorkingFields& f)
{
    sphere(f, &WorkingFields::GroupSolid);
}

void Myach_Instr(WorkingFields& f)
{
    sphere(f, &WorkingFields::ToolSolid);
}

void Konus1(WorkingFields& f)
{
    frustumProfile(f);
    f.NewSolid = f.RevolveProfile(origin, alongY);
    poseFrustum(f);
}

void Konus2(WorkingFields& f)
{
    // The taper from the sizes as given: the angle whose sine is (R1 - R2) / L.
    const double dr = f.Dim07 - f.Dim08;
    const double alpha = std::atan(dr / std::sqrt(f.Dim02 * f.Dim02 - dr * dr));
    acad::fpu::check();
    const double R1 = scaled(f, f.Dim07), R2 = scaled(f, f.Dim08), L = scaled(f, f.Dim02);
    f.SetProfile({{0, -R1},
                  {R1 * std::cos(alpha), R1 * std::sin(alpha)},
                  {R2 * std::cos(alpha), L + R2 * std::sin(alpha)},
                  {0, L + R2},
                  {0, -R1}});
    const double first = pi / 8 + alpha / 4, second = pi / 8 - alpha / 4;
    f.MakeProfileRegion({{0, std::sin(first) / std::cos(first)}, {2, std::sin(second) / std::cos(second)}});
    f.NewSolid = f.RevolveProfile(origin, alongY);
    poseFrustum(f);
}

void Konus5(WorkingFields& f)
{
    shoulderCap(f, degrees(89.1));
}

void Konus6(WorkingFields& f)
{
    shoulderCap(f, degrees(-90.9));
}

void PP(WorkingFields& f)
{
    capsule(f, {&WorkingFields::Dim17, &WorkingFields::Dim18, false, 1.0});
}

void PPK(WorkingFields& f)
{
    capsule(f, {&WorkingFields::Dim17, &WorkingFields::Dim18, false, 0.55});
}

void LL(WorkingFields& f)
{
    capsule(f, {&WorkingFields::Dim20, &WorkingFields::Dim19, true, 1.0});
}

void LLK(WorkingFields& f)
{
    capsule(f, {&WorkingFields::Dim20, &WorkingFields::Dim19, true, 0.55});
}

void makeBall(acad::WorkingFields& f, double r, double x, double y, double z)
{
    f.Dim07 = r;
    f.Dim14 = x;
    f.Dim15 = y;
    f.Dim16 = z;
    Myach(f);
}

void makeFrustum(acad::WorkingFields& f, void (*primitive)(acad::WorkingFields&), double r1, double r2,
                 double length, double x, double y, double z, double b, double a)
{
    f.ModeFlag = 0;
    f.Dim07 = r1;
    f.Dim08 = r2;
    f.Dim02 = length;
    f.Dim14 = x;
    f.Dim15 = y;
    f.Dim16 = z;
    f.Dim21 = 0;
    f.Dim22 = b;
    f.Dim23 = a;
    primitive(f);
}

} // namespace figure
