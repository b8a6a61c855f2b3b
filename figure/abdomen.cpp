#include "figure/stretches.h"

#include <cmath>
#include <numbers>

namespace figure {

namespace {

using std::numbers::pi;

using acad::AcadPoint;
using acad::WorkingFields;

// The blocks widen outwards by 2.5 degrees as they rise.
constexpr double kBlockTaper = -0.04363323129985824;

// A block of the abdomen: a stadium whose straight sides run along X, `half`
// either side of x = 0, with half-disc ends of `radius` about x = ±half,
// extruded `height` along +Z with the taper and lifted by `lift` along Z.
struct Block {
    double half, radius, height, lift;
};

const Block kLowerBlock{85, 100, 400, 0};
const Block kUpperBlock{101, 84.2, 206, 120};

// A strap of the bib: the lean its foot gives it (added to −B6 for the turn
// about the axis from (77, 0, 0) to the origin) and the depth of its foot.
struct Strap {
    double lean; // radians
    double z;
};

constexpr double kStrapLean = 0.061086523819801536; // 3.5 degrees
const Strap kFrontStrap{kStrapLean, 100};
const Strap kBackStrap{-kStrapLean, -116};

// The hip balls, right first: their centres along X.
constexpr double kHipBalls[] = {-81, 81};

acad::IAcad3DSolid block(Assembly& a, const Block& b)
{
    WorkingFields& f = a.f;
    const double s = a.s(), x = b.half * s, y = b.radius * s;
    f.SetProfile({{-x, -y}, {-x, y}, {x, y}, {x, -y}, {-x, -y}});
    f.MakeProfileRegion({{0, -1}, {2, -1}});
    return f.ExtrudeProfile(b.height * s, kBlockTaper);
}

// A half disc above the X axis, `radius` either side of the origin.
void halfDisc(Assembly& a, double radius)
{
    WorkingFields& f = a.f;
    const double r = radius * a.s();
    f.SetProfile({{-r, 0}, {r, 0}, {-r, 0}});
    f.MakeProfileRegion({{0, -1}});
}

void strap(Assembly& a, const Strap& st)
{
    WorkingFields& f = a.f;
    const double s = a.s();
    // Narrower at its foot than at its top, whose edge is a flat arc of 25
    // degrees bulging upwards.
    f.SetProfile({{-10 * s, 0}, {-15 * s, 96 * s}, {15 * s, 96 * s}, {10 * s, 0}, {-10 * s, 0}});
    f.MakeProfileRegion({{1, -std::tan(6.25 * pi / 180)}});
    f.NewSolid = f.ExtrudeProfile(15 * s);
    const AcadPoint origin(0, 0, 0);
    a.turn(f.NewSolid, {77, 0, 0}, origin, -a[Angle::B6] + st.lean);
    a.turn(f.NewSolid, origin, {0, 0, 77}, a[Angle::A6]);
    a.move(f.NewSolid, origin, {0, 396 * s, st.z * s});
    a.colourAndUnite(f.BodySolid, f.NewSolid, PoseColour::Overalls);
}

} // namespace

void abdomenAndPelvis(Assembly& a)
{
    WorkingFields& f = a.f;
    const double s = a.s();
    const AcadPoint origin(0, 0, 0);

    // The two blocks, the upper one within the height of the lower, made one
    // in the upper block's solid and stood up along +Y.
    f.BodySolid = block(a, kLowerBlock);
    f.NewSolid = block(a, kUpperBlock);
    a.move(f.NewSolid, origin, {0, 0, kUpperBlock.lift * s});
    f.NewSolid.Boolean(acad::acUnion, f.BodySolid);
    a.turn(f.NewSolid, origin, {77, 0, 0}, -pi / 2);

    // The half cylinder across the hips, flat side down on y = 0, is the
    // body from here on; it keeps no colour of its own.
    halfDisc(a, 101);
    f.BodySolid = f.ExtrudeProfile(170 * s);
    a.move(f.BodySolid, origin, {0, 0, -85 * s});
    a.turn(f.BodySolid, origin, {0, 77, 0}, -pi / 2);

    a.colourAndUnite(f.BodySolid, f.NewSolid, PoseColour::Overalls);

    strap(a, kFrontStrap);
    strap(a, kBackStrap);

    for (double x : kHipBalls) {
        halfDisc(a, 109);
        f.NewSolid = f.RevolveProfile(origin, {77, 0, 0});
        a.move(f.NewSolid, origin, {x * s, 0, -9 * s});
        a.colourAndUnite(f.BodySolid, f.NewSolid, PoseColour::Overalls);
    }
}

} // namespace figure
