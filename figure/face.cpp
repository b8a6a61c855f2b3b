#include "figure/primitives.h"
#include "figure/stretches.h"

#include <array>
#include <cmath>
#include <utility>
#include <vector>

namespace figure {

namespace {

using acad::AcadPoint;
using acad::WorkingFields;

// A profile of the face in the head frame, reference sizes (x across, for
// the revolved ones the distance from the axis; y up), closed on its first
// vertex; each bulge by its signed quarter angle in degrees.
struct Arc {
    int vertex;
    double quarter;
};

struct FaceProfile {
    std::vector<acad::XY> vertices;
    std::vector<Arc> arcs;
};

// The brow's flat disc with a round rim, 26 thick, outer radius 47.
const FaceProfile kBrowDisc{{{-34, 127}, {-34, 153}, {0, 153}, {0, 127}, {-34, 127}}, {{0, -45}}};
// A rod from radius 8 at x = 0 to radius 9 at x = -27.
const FaceProfile kNoseWing{{{0, 0}, {0, 8}, {-27, 9}, {-27, 0}, {0, 0}}, {}};
// A slot, wide at y = 48 and narrow at y = 59, leaning towards the middle.
const FaceProfile kNostril{{{-0.96, 59}, {-4, 48}, {-14, 48}, {-6.96, 59}, {-0.96, 59}}, {{1, -45}, {3, -45}}};
// A blunt cone from radius 15 at y = 70 to 2.47 at y = 118.09.
const FaceProfile kUpperCheek{{{0, 118.09}, {2.47, 118.09}, {14, 97.9}, {15, 70}, {0, 70}, {0, 118.09}}, {}};
// An almond: the outer corner at x = -16.89, the inner one at 15.75, the
// lids' middles arcs bulging outwards.
const FaceProfile kEyeOpening{
    {{-16.89, 0.66}, {-0.97, 5.13}, {3.19, 3.97}, {15.75, -4.51}, {1.27, -5.06}, {-2.19, -4.69}, {-16.89, 0.66}},
    {{1, -12.37}, {4, -9.77}}};
// A sliver from its point at y = 107 down to its round foot at y = 75.98.
const FaceProfile kUpperLip{{{40.5, 107}, {44.72, 85.47}, {45.87, 81}, {47.5, 75.98}, {46.49, 75.98},
                             {46.73, 77.55}, {46.39, 79.73}, {44.27, 82.08}, {40.5, 107}},
                            {{2, -19.725}}};
// A waisted cylinder wall of radius 40, y 25 to 55.
const FaceProfile kMouth{{{40, 55}, {40, 25}, {0, 25}, {0, 55}, {40, 55}}, {{0, 10}}};
// A bulge on top, a groove and a wide foot, hollow above an inner cone.
const FaceProfile kChinShell{{{46.57, 68.1}, {46.99, 68.1}, {46.99, 66.54}, {38.35, 47.51}, {49.59, 37.84},
                              {49.59, 25}, {0.5, 25}, {36.98, 59.95}, {44.9, 62.1}, {46.57, 68.1}},
                             {}};
// A rim of radius 42 with a round edge, 10 thick.
const FaceProfile kEyebrowArc{{{-42, 135}, {-42, 145}, {0, 145}, {0, 135}, {-42, 135}}, {{0, -45}}};

// How a piece is made.
enum class Make {
    Ball,      // Myach: radius r1 about the centre
    Frustum,   // Konus1: r1 to r2 over the length from the centre along d(a, b)
    AboutY,    // the profile revolved about the Y axis by `angle`
    AboutX,    // the profile revolved about the X axis by `angle`
    ExtrudedH, // the profile extruded by the figure's height H
    SkinOnGroup, // no piece: the head group given the skin colour again
};

// A turn or a move of the piece once made; sizes of the reference figure,
// angles in degrees.
struct Motion {
    enum Kind {
        Move,     // from the origin to (p, q, r)
        TurnX,    // about the X axis
        TurnY,    // about the Y axis
        TurnXLine, // about the line along X through (0, p, q)
        TurnZLine, // about the line along Z through (p, q, 0)
    } kind;
    double p, q, r, angle;
};

Motion move(double x, double y, double z) { return {Motion::Move, x, y, z, 0}; }
Motion turnX(double angle) { return {Motion::TurnX, 0, 0, 0, angle}; }
Motion turnY(double angle) { return {Motion::TurnY, 0, 0, 0, angle}; }
Motion turnXLine(double y, double z, double angle) { return {Motion::TurnXLine, y, z, 0, angle}; }
Motion turnZLine(double x, double y, double angle) { return {Motion::TurnZLine, x, y, 0, angle}; }

// The colour of a piece before it joins the group: none of its own (it
// takes the skin with the whole group), or its pose colour with the edits
// converted before the piece is made, after it is placed, or not again
// (the last conversion of that colour stands).
enum class Paint { WithGroup, Fresh, AfterPlacing, Kept };

struct Point {
    double x, y, z;
};

struct FacePiece {
    Make make;
    double r1, r2, length; // ball or frustum
    Point centre;
    double a, b;           // frustum, degrees
    const FaceProfile* profile;
    bool mirrored;         // the profile with x and its bulges negated
    double angle;          // of the revolution, degrees
    std::vector<Motion> motions;
    bool cut;              // subtracted from the group, not united
    Paint paint;
    PoseColour colour;
};

FacePiece ball(double r, double x, double y, double z, Paint paint = Paint::WithGroup,
               PoseColour colour = PoseColour::Skin)
{
    return {Make::Ball, r, 0, 0, {x, y, z}, 0, 0, nullptr, false, 0, {}, false, paint, colour};
}
FacePiece frustum(double r1, double r2, double length, double x, double y, double z, double a, double b,
                  std::vector<Motion> motions = {}, Paint paint = Paint::WithGroup, PoseColour colour = PoseColour::Skin)
{
    return {Make::Frustum, r1, r2, length, {x, y, z}, a, b, nullptr, false, 0, std::move(motions), false, paint,
            colour};
}
FacePiece revolved(Make make, const FaceProfile& p, bool mirrored, double angle, std::vector<Motion> motions,
                   Paint paint = Paint::WithGroup, PoseColour colour = PoseColour::Skin)
{
    return {make, 0, 0, 0, {}, 0, 0, &p, mirrored, angle, std::move(motions), false, paint, colour};
}
FacePiece cutter(const FaceProfile& p, bool mirrored, std::vector<Motion> motions)
{
    return {Make::ExtrudedH, 0, 0, 0, {}, 0, 0, &p, mirrored, 0, std::move(motions), true, Paint::WithGroup,
            PoseColour::Skin};
}

constexpr bool R = false, L = true; // the profile as given, or mirrored
constexpr Make Y = Make::AboutY, X = Make::AboutX;

// The face, piece by piece; each pair the figure's right member first (the
// chin half-shells the left one first). The skin pieces take their colour
// with the whole group; the eyebrows, eyeballs and pupils their own.
const std::vector<FacePiece> kFace = {
    // The nose: cone, ridge, tip and root.
    frustum(24.5, 0, 60.69, 0, 104, 123.79, 0, 0),
    frustum(12, 7, 61.62, 0, 104, 146.9, 0, 0, {turnXLine(96.07, 146.9, -18.66)}),
    ball(12, 0, 106.34, 145.68),
    ball(11, 0, 135, 133),
    // The brow discs, brow balls, temples, mouth corners, nose wings.
    revolved(Y, kBrowDisc, R, 360, {move(-31.5, 32.77, 153), turnXLine(32.77, 153, -30.96)}),
    revolved(Y, kBrowDisc, L, 360, {move(31.5, 32.77, 153), turnXLine(32.77, 153, -30.96)}),
    ball(18.5, -10, 163, 114),
    ball(18.5, 10, 163, 114),
    ball(38, -45, 173, 70),
    ball(38, 45, 173, 70),
    ball(19.5, -31, 70, 100),
    ball(19.5, 31, 70, 100),
    ball(10, -16, 104, 126),
    ball(10, 16, 104, 126),
    revolved(X, kNoseWing, R, 360, {turnY(-53), move(0, 104, 150)}),
    revolved(X, kNoseWing, L, 360, {turnY(53), move(0, 104, 150)}),
    // The nostrils, as deep as the figure is tall, up into the nose.
    cutter(kNostril, R, {turnX(90), move(0, 105, 90)}),
    cutter(kNostril, L, {turnX(90), move(0, 105, 90)}),
    // The chin's ridge, its cone, the jowls, cheekbones and brow frusta.
    ball(15, -19.4, 32.1, 121),
    ball(15, 19.4, 32.1, 121),
    ball(15.5, -4.5, 32.1, 121),
    ball(15.5, 4.5, 32.1, 121),
    frustum(15.5, 15, 14.9, -4.5, 32.1, 121, -90, 0),
    frustum(15.5, 15, 14.9, 4.5, 32.1, 121, 90, 0),
    frustum(16.5, 50, 77, 0, 32.1, 121, 0, 60),
    ball(43, -29.5, 65, 73),
    ball(43, 29.5, 65, 73),
    frustum(5, 12, 50, 0, 139, 134, -123.6294, 34.9407),
    frustum(5, 12, 50, 0, 139, 134, 123.6294, 34.9407),
    frustum(18.5, 10.25, 38, -10, 163, 114, -82.4325, 7.6337),
    frustum(18.5, 10.25, 38, 10, 163, 114, 82.4325, 7.6337),
    revolved(Y, kUpperCheek, R, 360,
             {move(-30, 0, 109.62), turnZLine(-30, 118.09, -6), turnXLine(114.93, 112.04, 7.7)}),
    revolved(Y, kUpperCheek, R, 360,
             {move(30, 0, 109.62), turnZLine(30, 118.09, 6), turnXLine(114.93, 112.04, 7.7)}),
    // The eyelids, and the eye openings through them.
    ball(26, -42.06, 143.66, 88.26),
    ball(26, 42.06, 143.66, 88.26),
    cutter(kEyeOpening, R, {move(-42.06, 143.66, 0)}),
    cutter(kEyeOpening, L, {move(42.06, 143.66, 0)}),
    // The mouth: upper-lip shells, half cylinders and the chin's half shells.
    revolved(Y, kUpperLip, R, 360, {move(-2, -2.52, 90), turnXLine(114.93, 120.62, -8.27), move(-0.5, 0.5, -6.85)}),
    revolved(Y, kUpperLip, R, 360, {move(2, -2.52, 90), turnXLine(114.93, 120.62, -8.27), move(0.5, 0.5, -6.85)}),
    revolved(Y, kMouth, R, -180, {move(-3.5, 5.37, 92)}),
    revolved(Y, kMouth, R, -180, {move(3.5, 5.37, 92)}),
    revolved(Y, kChinShell, R, -180, {move(3.5, 5.37, 103.6), turnXLine(114.93, 120.62, 18)}),
    // The right one stands 0.1 lower.
    revolved(Y, kChinShell, R, -180, {move(-3.5, 5.27, 103.6), turnXLine(114.93, 120.62, 18)}),
    {Make::SkinOnGroup, 0, 0, 0, {}, 0, 0, nullptr, false, 0, {}, false, Paint::Kept, PoseColour::Skin},
    // The eyebrows: frustum and two heads, then the arcs to the temples.
    frustum(10, 3.25, 38, -10, 162.25, 123.5, -82.4325, 7.6337, {}, Paint::Fresh, PoseColour::Hair),
    ball(10.9, -10, 162.25, 122.5, Paint::Kept, PoseColour::Hair),
    ball(11.6, -12.5, 162.75, 121, Paint::Kept, PoseColour::Hair),
    frustum(10, 3.25, 38, 10, 162.25, 123.5, 82.4325, 7.6337, {}, Paint::Kept, PoseColour::Hair),
    ball(10.9, 10, 162.25, 122.5, Paint::Kept, PoseColour::Hair),
    ball(11.6, 12.5, 162.75, 121, Paint::Kept, PoseColour::Hair),
    // The left arc is the right one turned, not mirrored; the right one's
    // turn is made although it is naught.
    revolved(Y, kEyebrowArc, R, 70,
             {turnY(0), move(-31.5, 32.77, 153), turnXLine(32.77, 153, -30.96), move(1.2, -5.5, 2.2)},
             Paint::AfterPlacing, PoseColour::Hair),
    revolved(Y, kEyebrowArc, R, 70,
             {turnY(110), move(31.5, 32.77, 153), turnXLine(32.77, 153, -30.96), move(-1.2, -5.5, 2.2)},
             Paint::AfterPlacing, PoseColour::Hair),
    // The eyeballs inside the eyelids, and the pupils before them.
    ball(24, -42.06, 143.66, 88.5, Paint::Fresh, PoseColour::Eyeballs),
    ball(24, 42.06, 143.66, 88.5, Paint::Kept, PoseColour::Eyeballs),
    ball(10, -42.21, 143, 104, Paint::Fresh, PoseColour::Pupils),
    ball(10, 42.21, 143, 104, Paint::Kept, PoseColour::Pupils),
};

// Makes the piece in NewSolid and turns and moves it into place.
void makePiece(Assembly& a, const FacePiece& p)
{
    WorkingFields& f = a.f;
    const double s = a.s();
    switch (p.make) {
    case Make::Ball: makeBall(f, p.r1, p.centre.x, p.centre.y, p.centre.z); break;
    case Make::Frustum:
        makeFrustum(f, &Konus1, p.r1, p.r2, p.length, p.centre.x, p.centre.y, p.centre.z, radians(p.b),
                    radians(p.a));
        break;
    case Make::AboutY:
    case Make::AboutX:
    case Make::ExtrudedH: {
        const double m = p.mirrored ? -1 : 1;
        std::vector<acad::XY> outline;
        for (const acad::XY& v : p.profile->vertices)
            outline.push_back({m * v.x * s, v.y * s});
        f.SetProfile(outline);
        std::vector<acad::Bulge> bulges;
        for (const Arc& arc : p.profile->arcs)
            bulges.push_back({arc.vertex, m * (std::sin(radians(arc.quarter)) / std::cos(radians(arc.quarter)))});
        f.MakeProfileRegion(bulges);
        if (p.make == Make::ExtrudedH)
            f.NewSolid = f.ExtrudeProfile(a.H());
        else
            f.NewSolid = f.RevolveProfile({0, 0, 0}, p.make == Make::AboutY ? AcadPoint(0, 77, 0) : AcadPoint(77, 0, 0),
                                          radians(p.angle));
        break;
    }
    case Make::SkinOnGroup: break;
    }
    for (const Motion& m : p.motions) {
        const double angle = radians(m.angle);
        switch (m.kind) {
        case Motion::Move: a.move(f.NewSolid, {0, 0, 0}, {m.p * s, m.q * s, m.r * s}); break;
        case Motion::TurnX: a.turn(f.NewSolid, {0, 0, 0}, {77, 0, 0}, angle); break;
        case Motion::TurnY: a.turn(f.NewSolid, {0, 0, 0}, {0, 77, 0}, angle); break;
        case Motion::TurnXLine: a.turn(f.NewSolid, {0, m.p * s, m.q * s}, {77, m.p * s, m.q * s}, angle); break;
        case Motion::TurnZLine: a.turn(f.NewSolid, {m.p * s, m.q * s, 0}, {m.p * s, m.q * s, 77}, angle); break;
        }
    }
}

} // namespace

void headFace(Assembly& a)
{
    WorkingFields& f = a.f;
    // The colours last converted, kept for the pieces that follow.
    std::array<Rgb, 9> colours{};
    for (const FacePiece& p : kFace) {
        Rgb& colour = colours[static_cast<int>(p.colour)];
        if (p.make == Make::SkinOnGroup) {
            Assembly::paint(f.GroupSolid, a.headSkin);
            continue;
        }
        if (p.paint == Paint::Fresh)
            colour = a.colour(p.colour);
        makePiece(a, p);
        if (p.cut) {
            f.GroupSolid.Boolean(acad::acSubtraction, f.NewSolid);
            continue;
        }
        if (p.paint == Paint::AfterPlacing)
            colour = a.colour(p.colour);
        if (p.paint == Paint::WithGroup)
            f.GroupSolid.Boolean(acad::acUnion, f.NewSolid);
        else
            a.colourAndUnite(f.GroupSolid, f.NewSolid, colour);
    }
}

} // namespace figure
