#include "figure/primitives.h"
#include "figure/stretches.h"

#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace figure {

namespace {

using std::numbers::pi;

using acad::AcadPoint;
using acad::WorkingFields;

// One phalanx: rounded ends (Konus2) or flat (Konus1), radii at the joint
// and the far end, length, the step to the next joint of its finger (0 for
// the fingertip) and its two angles on each hand; reference sizes.
struct Phalanx {
    bool rounded;
    double r1, r2, length, step;
    Angle rightA, rightB, leftA, leftB;
};

// The fingers from the thumb (A, two phalanges) to the little finger (E),
// each from the palm outwards.
const std::array<std::vector<Phalanx>, 5> kFingers = {{
    {{true, 12.5, 12.5, 35, 35, Angle::AA1P, Angle::BA1P, Angle::AA1L, Angle::BA1L},
     {true, 12.5, 12.5, 21.75, 0, Angle::AA2P, Angle::BA2P, Angle::AA2L, Angle::BA2L}},
    {{true, 10, 10, 40, 40, Angle::AB1P, Angle::BB1P, Angle::AB1L, Angle::BB1L},
     {false, 10, 8.25, 27, 27, Angle::AB2P, Angle::BB2P, Angle::AB2L, Angle::BB2L},
     {true, 8.25, 8.25, 22, 0, Angle::AB3P, Angle::BB3P, Angle::AB3L, Angle::BB3L}},
    {{true, 10, 10, 47.5, 47, Angle::AC1P, Angle::BC1P, Angle::AC1L, Angle::BC1L},
     {false, 10, 8.25, 33, 33, Angle::AC2P, Angle::BC2P, Angle::AC2L, Angle::BC2L},
     {true, 8.25, 8.25, 25, 0, Angle::AC3P, Angle::BC3P, Angle::AC3L, Angle::BC3L}},
    {{true, 10, 10, 47.5, 47.5, Angle::AD1P, Angle::BD1P, Angle::AD1L, Angle::BD1L},
     {false, 10, 8.25, 30, 30, Angle::AD2P, Angle::BD2P, Angle::AD2L, Angle::BD2L},
     {true, 8.25, 8.25, 25, 0, Angle::AD3P, Angle::BD3P, Angle::AD3L, Angle::BD3L}},
    {{true, 10, 8.5, 35, 35, Angle::AE1P, Angle::BE1P, Angle::AE1L, Angle::BE1L},
     {false, 8.5, 7.5, 20, 20, Angle::AE2P, Angle::BE2P, Angle::AE2L, Angle::BE2L},
     {true, 7.5, 7.5, 22, 0, Angle::AE3P, Angle::BE3P, Angle::AE3L, Angle::BE3L}},
}};

// The first joint of each finger on the right hand (z = 0).
const std::array<acad::XY, 5> kFingerBases = {{
    {-63.59, 29.26}, {-97.68, 21.39}, {-100, 0}, {-97.68, -21.39}, {-90.84, -41.82}}};

// The hand's side: the left hand is the right one with x negated and its
// angle offsets turned the other way.
struct HandSide {
    bool left;
    Angle A5, B5, C5;
    double mirror() const { return left ? -1 : 1; }
    double offset() const { return left ? pi / 2 : -pi / 2; }
};

const HandSide kRight{false, Angle::A5P, Angle::B5P, Angle::C5P};
const HandSide kLeft{true, Angle::A5L, Angle::B5L, Angle::C5L};

// The palm: a half disc of radius 100 about the wrist on the fingers' side,
// 25 thick, trimmed by three prisms as deep as the figure is tall.
void palm(Assembly& a, const HandSide& side)
{
    WorkingFields& f = a.f;
    const double s = a.s(), H = a.H(), m = side.mirror();
    const double y0 = side.left ? 100 * s : -100 * s;
    f.SetProfile({{0, y0}, {0, -y0}, {0, y0}});
    f.MakeProfileRegion({{0, -1}});
    f.GroupSolid = f.ExtrudeProfile(25 * s);
    a.move(f.GroupSolid, {0, 0, 0}, {0, 0, -12.5 * s});

    const std::vector<std::vector<acad::XY>> cuts = {
        {{29.9 * s, 0}, {-123.12 * s, 71.04 * s}, {-123.12 * s, H}, {29.9 * s, H}},
        {{146.67 * s, 0}, {-113.57 * s, -57.04 * s}, {-113.57 * s, -H}, {146.67 * s, -H}},
        {{-29.23 * s, 93.51 * s}, {-65.54 * s, 24.4 * s}, {-159.43 * s, 45.15 * s}},
    };
    for (const auto& cut : cuts) {
        std::vector<acad::XY> outline;
        for (const acad::XY& v : cut)
            outline.push_back({m * v.x, v.y});
        outline.push_back(outline.front());
        f.SetProfile(outline);
        f.MakeProfileRegion();
        f.NewSolid = f.ExtrudeProfile(H);
        a.move(f.NewSolid, {0, 0, 0}, {0, 0, -H / 2});
        f.GroupSolid.Boolean(acad::acSubtraction, f.NewSolid);
    }
}

// Every phalanx from its joint, each by its own angles; the joints follow
// the chain. The skin colour is read before the last phalanx.
void fingers(Assembly& a, const HandSide& side)
{
    WorkingFields& f = a.f;
    const double s = a.s();
    Rgb skin{};
    for (std::size_t k = 0; k < kFingers.size(); ++k) {
        f.Dim05 = side.mirror() * kFingerBases[k].x * s;
        f.Dim06 = kFingerBases[k].y * s;
        f.Dim09 = 0;
        for (const Phalanx& p : kFingers[k]) {
            if (k + 1 == kFingers.size() && &p == &kFingers[k].back())
                skin = a.colour(PoseColour::Skin);
            makeFrustum(f, p.rounded ? &Konus2 : &Konus1, p.r1, p.r2, p.length, f.Dim05 / s, f.Dim06 / s,
                        f.Dim09 / s, a[side.left ? p.leftB : p.rightB],
                        a[side.left ? p.leftA : p.rightA] + side.offset());
            f.GroupSolid.Boolean(acad::acUnion, f.NewSolid);
            if (p.step == 0)
                continue;
            const AcadPoint d = segmentDirection(f.Dim23, f.Dim22);
            f.Dim24 = p.step * s * d[0];
            f.Dim25 = p.step * s * d[1];
            f.Dim26 = p.step * s * d[2];
            f.Dim05 += f.Dim24;
            f.Dim06 += f.Dim25;
            f.Dim09 += f.Dim26;
        }
    }
    Assembly::paint(f.GroupSolid, skin);
}

// The sleeve cuff over the root of the palm and the wrist ball.
void cuffAndWrist(Assembly& a, const HandSide& side)
{
    WorkingFields& f = a.f;
    const Rgb sleeve = a.colour(PoseColour::Turtleneck);
    makeFrustum(f, &Konus1, 53, 53, 49, 0, 0, 0, 0, side.offset());
    Assembly::paint(f.NewSolid, sleeve);
    f.GroupSolid.Boolean(acad::acUnion, f.NewSolid);

    makeBall(f, 49, 0, 0, 0);
    Assembly::paint(f.NewSolid, a.colour(PoseColour::Turtleneck));
    f.GroupSolid.Boolean(acad::acUnion, f.NewSolid);
}

void hand(Assembly& a, const HandSide& side)
{
    WorkingFields& f = a.f;
    palm(a, side);
    fingers(a, side);
    cuffAndWrist(a, side);

    const AcadPoint origin(0, 0, 0);
    a.turn(f.GroupSolid, origin, {77, 0, 0}, a[side.C5]);
    a.turn(f.GroupSolid, origin, {0, 77, 0}, a[side.B5]);
    // Back from the −90 degrees the prepared A5 carries.
    a.turn(f.GroupSolid, origin, {0, 0, 77}, side.left ? a[side.A5] - pi / 2 + pi : a[side.A5] + pi / 2);
    AcadPoint wrist(f.Dim33, f.Dim34, f.Dim35);
    if (side.left) {
        // The left wrist, from the elbow kept before the right hand.
        const AcadPoint d = segmentDirection(a[Angle::A4L], a[Angle::B4L]);
        const double l = 232.58 * a.s();
        f.Dim26 = l * d[2];
        f.Dim24 = l * d[0];
        f.Dim25 = l * d[1];
        f.Dim05 = f.Dim10 + f.Dim24;
        f.Dim06 = f.Dim11 + f.Dim25;
        f.Dim09 = f.Dim12 + f.Dim26;
        wrist = AcadPoint(f.Dim05, f.Dim06, f.Dim09);
    }
    a.move(f.GroupSolid, origin, wrist);
    f.BodySolid.Boolean(acad::acUnion, f.GroupSolid);
}

} // namespace

void hands(Assembly& a)
{
    WorkingFields& f = a.f;
    f.Dim10 = f.Dim27;
    f.Dim11 = f.Dim28;
    f.Dim12 = f.Dim29;
    hand(a, kRight);
    hand(a, kLeft);
}

} // namespace figure
