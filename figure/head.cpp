#include "figure/primitives.h"
#include "figure/stretches.h"

#include <array>
#include <cmath>
#include <vector>

namespace figure {

namespace {

using acad::AcadPoint;
using acad::Bulge;
using acad::WorkingFields;
using acad::XY;

// The bulge of a clockwise arc whose included angle is four times `quarter`
// (degrees).
double clockwise(double quarter)
{
    return -std::tan(radians(quarter));
}

// The head is built in its own frame: the origin at the foot of the neck,
// +Y up the neck, +Z where the face looks. Pairs are made right (−X) first;
// σ is −1 for the right member and +1 for the left one.
constexpr std::array<double, 2> kSides = {-1, 1};

// Half the neck, the cheeks and the skull, to be revolved about Y.
const std::vector<XY> kCore = {
    {-87.39, 177.97}, {-87.39, 128.39}, {-86.67, 124.42}, {-81.15, 107.58}, {-75.78, 95.6},
    {-75, 94.07},     {-68.73, 83.28},  {-55.46, 62.96},  {-52.95, 58.06},  {-55, 0},
    {0, 0},           {0, 177.97},      {-87.39, 177.97}};

// A ball; a paired one is given for the left side and mirrored for the right.
struct Ball {
    double radius, x, y, z;
    bool paired;
};

// The neck's foot, the cranium and the forehead.
const std::vector<Ball> kSkull = {
    {55, 0, 0, 0, false},         {88, 0, 182.2, 33.03, false}, {88, 0, 177.13, -4.46, false},
    {88, 0, 181.2, 6.64, false},  {80, 8, 179.79, 46, true},
};

// Two columns of cheek balls from the mouth up to the eyes.
const std::vector<Ball> kCheeks = {
    {49, 26, 91, 70, true},  {49, 23.5, 96, 70, true}, {49, 26, 101, 70, true},
    {49, 26, 104, 70, true}, {49, 26, 107, 70, true},  {49, 26.5, 117, 70, true},
};

const std::vector<Ball> kJawCorners = {{20.5, 51, 49, 76, true}};

// A frustum pair, given for the left side: radii at the base and the far
// end, length (negative: built down −Y), base point, tilt and turn of its
// pose (degrees) and a last turn about the vertical line through its base.
// The right member has x and both turns negated.
struct Frustum {
    double r1, r2, length;
    double x, y, z;
    double tilt, turn, swing;
};

// The mouth's sides, the temples and the cones beside the nose.
const std::vector<Frustum> kFaceFrusta = {
    {20, 48, 53, 36, 34, 96, 24.25, -9.75, 0},
    {48, 43.5, 53, 29.5, 112.5, 62.5, 25, 20, 0},
    {16, 0, 35, 26, 112, 104.5, -51, -40, 0},
};

// From the jaw's corners forward to the chin, then up the face's sides.
const std::vector<Frustum> kJaw = {
    {20.5, 14.75, -55, 51, 49, 76, 73, 0, -35},
    {37, 37, 100, 34, 61, 77, 25, 11, 0},
    {20, 20, 111.11, 50, 48, 77, 27.71, 10, 0},
};

// The ear's outline, front edge first; x runs backwards, y up.
struct Outline {
    std::vector<XY> vertices; // the last repeats the first
    std::vector<Bulge> bulges;
};

const Outline kEar = {
    {{0, 0}, {0, 47.8}, {7.97, 60.81}, {50.32, 42.55}, {50.32, 27.17}, {34.37, -6.24}, {19.43, -12.33},
     {2.92, -9.72}, {2.92, -3.56}, {0, 0}},
    {{2, clockwise(33.215)}, {6, clockwise(38.54)}},
};

// The ear's hollows in the outline's frame, and how deep each sinks into
// the outer face of the 10 thick plate.
struct Hollow {
    Outline outline;
    double depth;
};

const std::vector<Hollow> kEarHollows = {
    {{{{25.5, 25.58}, {25.5, 59.87}, {25.5, 25.58}}, {{0, -1}, {1, -1}}}, 4},
    {{{{18.73, 36.4}, {18.73, 58.37}, {18.73, 36.4}}, {{0, -1}, {1, -1}}}, 4},
    {{{{25.73, -2}, {36.99, 25.3}, {36.99, 42.72}, {42.64, 42.72}, {42.64, 25.3}, {32.59, -2}, {25.73, -2}}, {}}, 4},
    {{{{32.59, -2}, {17.64, -8.09}, {18.85, 4.43}, {17.22, 16.87}, {22.34, 16.87}, {23.86, 5.37}, {32.59, -2}},
      {{1, clockwise(27.1075)}}},
     4},
    {{{{27, 16.41}, {18.62, 12.55}, {10.66, 8.39}, {8.12, 13.47}, {9.09, 27.63}, {27, 16.41}},
      {{0, clockwise(16.3725)}, {2, clockwise(68.88)}}},
     8},
};

// Where the ear and its recess go: the plate's x backwards and leaning 10
// degrees outwards, its thickness outwards along X.
struct EarSide {
    double sigma;
    double recessX, earX;
};

const std::array<EarSide, 2> kEarSides = {{{-1, -93, -83}, {1, 73.19, 73.19}}};

// The outline at the figure's size made into the profile region.
void profile(Assembly& a, const Outline& o)
{
    WorkingFields& f = a.f;
    const double s = a.s();
    std::vector<XY> vertices;
    for (const XY& v : o.vertices)
        vertices.push_back({v.x * s, v.y * s});
    f.SetProfile(vertices);
    f.MakeProfileRegion(o.bulges);
}

void balls(Assembly& a, const std::vector<Ball>& table)
{
    WorkingFields& f = a.f;
    for (const Ball& b : table) {
        for (double sigma : kSides) {
            if (!b.paired && sigma > 0)
                break;
            makeBall(f, b.radius, b.paired ? sigma * b.x : b.x, b.y, b.z);
            f.GroupSolid.Boolean(acad::acUnion, f.NewSolid);
        }
    }
}

void frusta(Assembly& a, const std::vector<Frustum>& table)
{
    WorkingFields& f = a.f;
    const double s = a.s();
    for (const Frustum& p : table) {
        for (double sigma : kSides) {
            makeFrustum(f, &Konus1, p.r1, p.r2, p.length, sigma * p.x, p.y, p.z, radians(p.tilt),
                        radians(sigma * p.turn));
            if (p.swing != 0) {
                const double x = sigma * p.x * s, z = p.z * s;
                a.turn(f.NewSolid, {x, 0, z}, {x, 77, z}, radians(sigma * p.swing));
            }
            f.GroupSolid.Boolean(acad::acUnion, f.NewSolid);
        }
    }
}

// A wedge of 15 degrees swept from a chord and its arc about an axis
// leaning from X, set at the side of the head in front of the ear; all of
// it below y = 80 trimmed away.
void templeWedge(Assembly& a, double sigma)
{
    WorkingFields& f = a.f;
    const double s = a.s(), H = a.H();
    profile(a, {{{66.39 * sigma, 35.45}, {79.77 * sigma, 213.38}, {66.39 * sigma, 35.45}},
                {{1, -sigma * std::tan(radians(6.4625))}}});
    // The axis direction is a vector: the same lean at every height.
    f.NewSolid = f.RevolveProfile({-314.62 * sigma * s, 0, 0}, {-314.62 * sigma, 77, 0}, radians(-15 * sigma));
    a.turn(f.NewSolid, {0, 92.8 * s, 55.37 * s}, {77, 92.8 * s, 55.37 * s}, radians(-30));
    a.turn(f.NewSolid, {0, 0, 0}, {0, 77, 0}, radians(-12 * sigma));
    a.turn(f.NewSolid, {0, 0, 0}, {0, 0, 77}, radians(5 * sigma));
    a.move(f.NewSolid, {0, 0, 0}, {8.2 * sigma * s, 19 * s, 28.5 * s});

    profile(a, {{{-100, 0}, {-100, 80}, {100, 80}, {100, 0}, {-100, 0}}, {}});
    f.ToolSolid = f.ExtrudeProfile(H);
    a.move(f.ToolSolid, {0, 0, 0}, {0, 0, -H / 2});
    f.NewSolid.Boolean(acad::acSubtraction, f.ToolSolid);
    f.GroupSolid.Boolean(acad::acUnion, f.NewSolid);
}

// The ear's frame turned onto the side of the head and moved to x.
void placeEar(Assembly& a, acad::IAcad3DSolid& solid, const EarSide& side, double x)
{
    const double s = a.s();
    a.turn(solid, {0, 0, 0}, {0, 77, 0}, radians(90 - 10 * side.sigma));
    a.turn(solid, {0, 0, 0}, {0, 0, 77}, radians(-5 * side.sigma));
    a.move(solid, {0, 0, 0}, {x * s, 105 * s, 55 * s});
}

void earRecess(Assembly& a, const EarSide& side)
{
    WorkingFields& f = a.f;
    profile(a, kEar);
    f.NewSolid = f.ExtrudeProfile(20 * a.s());
    placeEar(a, f.NewSolid, side, side.recessX);
    f.GroupSolid.Boolean(acad::acSubtraction, f.NewSolid);
}

// The plate with its hollows sunk into its outer face (z = 0 on the right
// ear, z = 10 on the left), set into the inner half of its recess.
void ear(Assembly& a, const EarSide& side)
{
    WorkingFields& f = a.f;
    const double s = a.s();
    profile(a, kEar);
    f.NewSolid = f.ExtrudeProfile(10 * s);
    for (const Hollow& h : kEarHollows) {
        profile(a, h.outline);
        f.ToolSolid = f.ExtrudeProfile(10 * s);
        a.move(f.ToolSolid, {0, 0, 0}, {0, 0, side.sigma * (10 - h.depth) * s});
        f.NewSolid.Boolean(acad::acSubtraction, f.ToolSolid);
    }
    placeEar(a, f.NewSolid, side, side.earX);
    f.GroupSolid.Boolean(acad::acUnion, f.NewSolid);
}

} // namespace

void headFirst(Assembly& a)
{
    WorkingFields& f = a.f;
    profile(a, {kCore, {}});
    f.GroupSolid = f.RevolveProfile({0, 0, 0}, {0, 77, 0});
    balls(a, kSkull);
    frusta(a, kFaceFrusta);
    for (double sigma : kSides)
        templeWedge(a, sigma);
    balls(a, kCheeks);
    balls(a, kJawCorners);
    frusta(a, kJaw);
    for (const EarSide& side : kEarSides)
        earRecess(a, side);

    a.headSkin = a.colour(PoseColour::Skin);
    Assembly::paint(f.GroupSolid, a.headSkin);
    for (const EarSide& side : kEarSides)
        ear(a, side);
}

} // namespace figure
