#include "figure/stretches.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace figure {

namespace {

using std::numbers::pi;

using acad::AcadPoint;
using acad::WorkingFields;
using Field = double WorkingFields::*;

// How a piece's region becomes a solid.
enum class Make {
    AboutY,      // revolved a whole turn about the Y axis
    HalfAboutX,  // revolved half a turn about the X axis
    ExtrudedH,   // extruded by the figure's height H
    Extruded,    // extruded by `height` (reference sizes)
};

// Where a piece goes once made.
enum class Place {
    Stays,
    CentredOnZ,    // moved by (0, 0, −H/2)
    ToeCone,       // turned a quarter about the line along X at the sole's top
    ToeCap,        // moved to (0, −67.57, 137)
    Sole,          // turned a quarter about X, then moved down by 47
};

// A piece of a shoe in the shoe frame (origin at the ankle, Z towards the
// toe): its outline in reference sizes (closed on its first vertex), the
// vertices whose edges are clockwise half circles, how it is made and
// placed. The lower cut is sized by H instead and has no outline here.
struct ShoePiece {
    std::vector<acad::XY> outline;
    std::vector<int> halfCircles;
    Make make;
    double height;
    Place place;
};

constexpr double kSoleTop = -67.57;

const ShoePiece kAnkleCollar{{{-20.5, 0}, {-36.5, kSoleTop}, {0, kSoleTop}, {0, 0}}, {}, Make::AboutY, 0, Place::Stays};
const ShoePiece kInnerFlatCut{{{-20.5, 0}, {-20.5, kSoleTop}, {-77, kSoleTop}, {-77, 0}}, {}, Make::ExtrudedH, 0,
                              Place::CentredOnZ};
const ShoePiece kToeCone{{{-20.5, kSoleTop}, {-63, -204.57}, {0, -204.57}, {0, kSoleTop}}, {}, Make::AboutY, 0,
                         Place::ToeCone};
const ShoePiece kToeCap{{{-63, 0}, {63, 0}}, {0}, Make::HalfAboutX, 0, Place::ToeCap};
const ShoePiece kLowerCut{{}, {}, Make::ExtrudedH, 0, Place::CentredOnZ};
const ShoePiece kSole{{{-51, -33}, {-51, 25}, {-64, 137}, {64, 137}, {51, 25}, {51, -33}}, {2, 5}, Make::Extruded, 30,
                      Place::Sole};
const ShoePiece kInstep{{{-42, -48}, {42, -48}}, {0}, Make::Extruded, 137, Place::Stays};

// What a piece does to the shoe: starts it, is cut from it or joins it.
enum class Step { Start, Cut, Join };

struct ShoeStep {
    const ShoePiece* piece;
    Step step;
};

// The two shoes are not mirror images: only the left one has the ankle
// collar with its flat inner side and the toe cone.
const std::vector<ShoeStep> kRightShoe = {
    {&kToeCap, Step::Start}, {&kLowerCut, Step::Cut}, {&kSole, Step::Join}, {&kInstep, Step::Join}};
const std::vector<ShoeStep> kLeftShoe = {
    {&kAnkleCollar, Step::Start}, {&kInnerFlatCut, Step::Cut}, {&kToeCone, Step::Join}, {&kToeCap, Step::Join},
    {&kLowerCut, Step::Cut},      {&kSole, Step::Join},        {&kInstep, Step::Join}};

struct ShoeSide {
    const std::vector<ShoeStep>* steps;
    Angle A9, B9, A10, B10, C10;
    Field x, y, z;    // knee point, then ankle point
    Field vx, vy, vz; // shin vector
};

const ShoeSide kRight{&kRightShoe, Angle::A9P, Angle::B9P, Angle::A10P, Angle::B10P, Angle::C10P,
                      &WorkingFields::Dim05, &WorkingFields::Dim06, &WorkingFields::Dim09,
                      &WorkingFields::Dim24, &WorkingFields::Dim25, &WorkingFields::Dim26};
const ShoeSide kLeft{&kLeftShoe, Angle::A9L, Angle::B9L, Angle::A10L, Angle::B10L, Angle::C10L,
                     &WorkingFields::Dim27, &WorkingFields::Dim28, &WorkingFields::Dim29,
                     &WorkingFields::Dim30, &WorkingFields::Dim31, &WorkingFields::Dim32};

acad::IAcad3DSolid makePiece(Assembly& a, const ShoePiece& p)
{
    WorkingFields& f = a.f;
    const double s = a.s(), H = a.H();
    std::vector<acad::XY> outline;
    if (&p == &kLowerCut) {
        const double top = kSoleTop * s;
        outline = {{-H, top}, {H, top}, {H, top - H}, {-H, top - H}};
    } else {
        for (const acad::XY& v : p.outline)
            outline.push_back({v.x * s, v.y * s});
    }
    outline.push_back(outline.front());
    f.SetProfile(outline);
    std::vector<acad::Bulge> bulges;
    for (int k : p.halfCircles)
        bulges.push_back({k, -(std::sin(pi / 4) / std::cos(pi / 4))});
    f.MakeProfileRegion(bulges);

    const AcadPoint origin(0, 0, 0);
    acad::IAcad3DSolid solid;
    switch (p.make) {
    case Make::AboutY: solid = f.RevolveProfile(origin, {0, 77, 0}); break;
    case Make::HalfAboutX: solid = f.RevolveProfile(origin, {77, 0, 0}, pi); break;
    case Make::ExtrudedH: solid = f.ExtrudeProfile(H); break;
    case Make::Extruded: solid = f.ExtrudeProfile(p.height * s); break;
    }
    switch (p.place) {
    case Place::Stays: break;
    case Place::CentredOnZ: a.move(solid, origin, {0, 0, -H / 2}); break;
    case Place::ToeCone: a.turn(solid, {777, kSoleTop * s, 0}, {-777, kSoleTop * s, 0}, pi / 2); break;
    case Place::ToeCap: a.move(solid, origin, {0, kSoleTop * s, 137 * s}); break;
    case Place::Sole:
        a.turn(solid, origin, {777, 0, 0}, pi / 2);
        a.move(solid, origin, {0, -47 * s, 0});
        break;
    }
    return solid;
}

void shoe(Assembly& a, const ShoeSide& side)
{
    WorkingFields& f = a.f;
    for (const ShoeStep& step : *side.steps) {
        if (step.step == Step::Start) {
            f.NewSolid = makePiece(a, *step.piece);
            continue;
        }
        f.GroupSolid = makePiece(a, *step.piece);
        f.NewSolid.Boolean(step.step == Step::Cut ? acad::acSubtraction : acad::acUnion, f.GroupSolid);
    }

    // The foot's own three turns at the origin, then the ankle 422 down the shin.
    const AcadPoint origin(0, 0, 0);
    a.turn(f.NewSolid, origin, {0, 77, 0}, a[side.C10]);
    a.turn(f.NewSolid, origin, {77, 0, 0}, a[side.B10]);
    a.turn(f.NewSolid, origin, {0, 0, 77}, a[side.A10] + pi);
    const double s = a.s(), A9 = a[side.A9], B9 = a[side.B9];
    f.*side.vx = 422 * s * (-std::sin(A9 + pi) * std::cos(B9));
    f.*side.vy = 422 * s * (-std::cos(A9 + pi) * std::cos(B9));
    f.*side.vz = 422 * s * (-std::sin(B9));
    f.*side.z = f.*side.z + f.*side.vz;
    f.*side.y = f.*side.y + f.*side.vy;
    f.*side.x = f.*side.x + f.*side.vx;
    a.move(f.NewSolid, origin, {f.*side.x, f.*side.y, f.*side.z});
    a.colourAndUnite(f.BodySolid, f.NewSolid, PoseColour::Shoes);
}

} // namespace

void shoes(Assembly& a)
{
    shoe(a, kRight);
    shoe(a, kLeft);
}

} // namespace figure
