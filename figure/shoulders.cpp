#include "figure/primitives.h"
#include "figure/shoulders.h"
#include "figure/stretches.h"

#include <cmath>
#include <numbers>
#include <cstddef>
#include <map>
#include <vector>

namespace figure {

namespace {

using std::numbers::pi;

using acad::AcadPoint;
using acad::WorkingFields;

// ---------------------------------------------------------------------------
// The skin tables' rules. Across sizes are given outwards from the body's
// centre line (the side's sign of x is put on when the rows are made).

// A column given at some rows (from 1), with equal steps between them.
struct Knot {
    int row;
    double value;
};
using Column = std::vector<Knot>;

enum Cell { X0, Z0, X1, Z1 };

// A value that breaks its band's rule.
struct Odd {
    int row;
    Cell cell;
    double value;
};

// A pair of the armpit fan: two rows of one x0, the first at +z unless its
// z0 says otherwise; a centre row stands alone.
struct FanRow {
    double x0, z0, x1, z1;
};
struct FanPair {
    bool single;
    FanRow first, second;
};

constexpr FanPair centre(double x0, double x1)
{
    return {true, {x0, 0, x1, 0}, {}};
}
constexpr FanPair pair(double x0, double z0, double x1, double z1)
{
    return {false, {x0, z0, x1, z1}, {x0, -z0, x1, -z1}};
}
constexpr FanPair pair(double x0, double z0a, double z0b, double x1a, double x1b, double z1a, double z1b)
{
    return {false, {x0, z0a, x1a, z1a}, {x0, z0b, x1b, z1b}};
}

struct BandRule {
    char name;
    bool shortReach;
    PoseColour colour;
    ColourRead read;
    // Rows given column by column...
    int rows = 0;
    std::vector<Column> columns; // x0, z0, x1, z1
    // ... or the rows of an earlier band with z0 and z1 negated...
    char mirrorOf = 0;
    // ... or the fan's pairs.
    std::vector<FanPair> fan;
    std::vector<Odd> odd;
};

constexpr PoseColour kOveralls = PoseColour::Overalls;
constexpr PoseColour kTurtleneck = PoseColour::Turtleneck;

// The side bands (A, and B its mirror) are alike on both shoulders.
const Column kSideX0 = {{1, 161.5}, {6, 151}, {12, 142}, {14, 139}, {16, 136},
                        {21, 130},  {31, 117}, {36, 109}, {41, 104}};
const Column kSideZ0 = {{1, 80.6},   {6, 88.5},  {10, 94.1}, {12, 96.3}, {20, 102.7}, {21, 103.3},
                        {22, 103.8}, {26, 105},  {30, 106.6}, {32, 107.6}, {36, 110},  {41, 110.5}};
const Column kSideX1 = {{1, 152.5},  {6, 146.25}, {9, 143.25}, {10, 142.5}, {11, 141.25},
                        {21, 131.25}, {26, 127.5}, {31, 121.25}, {41, 111.25}};
const Column kSideZ1 = {{1, 69}, {41, 69}};

// The upper bands (D, and E its mirror) reach over the chest to the centre
// line, where x1 stays just off 0.
const Column kUpperX0 = {{1, 121.9395}, {2, 120}, {5, 120}, {6, 117.5}, {50, 7.5}};
const Column kUpperZ1 = {{1, 65},   {5, 85},    {15, 95},   {20, 95},    {22, 94},  {25, 93.25}, {28, 94},
                         {30, 95},  {33, 97.25}, {34, 97.5}, {35, 98.75}, {40, 102.5}, {50, 102.5}};

const std::vector<BandRule> kRightRules = {
    {'A', false, kOveralls, ColourRead::Held, 41, {kSideX0, kSideZ0, kSideX1, kSideZ1}, 0, {}, {{13, X0, 137.5}}},
    {'B', false, kOveralls, ColourRead::Held, 0, {}, 'A', {}, {}},
    {'C', false, kTurtleneck, ColourRead::AtFirstCapsule, 0, {}, 0,
     {centre(194, 193),
      pair(193.5, 2.5, -2.5, 192.75, 192.4, 2.5, -2.5),
      pair(193, 5, -5, 192.3, 192.25, 5, -5),
      pair(192.5, 7, 191, 7),      pair(192, 10, 191.5, 10),    pair(192, 12.5, 191.5, 12.5),
      pair(191.5, 15, 191, 15),    pair(191.5, 17.5, 188.5, 17.5), pair(191.5, 20, 186, 20),
      pair(191, 22.5, 183.5, 22.5), pair(191, 25, 181, 25),      pair(191, 27.5, 178.5, 27.5),
      pair(190, 30, 176, 30),      pair(189, 32.5, 173.5, 32.5), pair(188.2, 35, 171, 35),
      pair(187.15, 37.5, 168.5, 37.5), pair(187.1, 40, 168, 40), pair(186, 42.5, 168, 42.5),
      pair(185, 45, 167.5, 45),    pair(184, 47.5, 167.5, 47.5), pair(183.75, 48, 167, 50),
      pair(183.25, 49, 164.5, 52.5), pair(182.5, 50, 162.5, 55), pair(181.5, 52.5, 160, 57.5),
      pair(180.25, 55, 158, 60),   pair(178.7, 57.5, 156, 62.5), pair(177, 60, 155, 65),
      pair(175.5, 62.2, -60.2, 154.5, 154.5, 65.5, -65.5),
      pair(174, 64.4, 154, 66),    pair(172.5, 66.59, 153.5, 66.5), pair(171, 68.8, 153, 67)},
     {}},
    {'D', true, kOveralls, ColourRead::AtFirstCapsule, 50,
     {kUpperX0,
      {{1, 103}, {4, 106}, {5, 107.5}, {6, 108.5}, {10, 111.5}, {11, 111.75}, {13, 112.75}, {14, 113.15},
       {15, 113.25}, {17, 113.75}, {18, 113.87}, {19, 113.93}, {50, 113.93}},
      {{1, 111.25}, {2, 112}, {3, 111.25}, {5, 111.25}, {6, 110}, {49, 2.5}, {50, 1e-8}},
      kUpperZ1},
     0, {}, {}},
    {'E', true, kOveralls, ColourRead::Held, 0, {}, 'D', {}, {{3, X1, 111.5}, {10, Z0, -111.25}}},
    {'F', false, kTurtleneck, ColourRead::BeforeFirstRow, 41,
     {{{1, 107.5}, {41, 7.5}}, {{1, -111}, {41, -111}}, {{1, 99.5}, {2, 97.5}, {40, 2.5}, {41, 0.001}},
      {{1, -65}, {41, -65}}},
     0, {}, {}},
    {'G', false, kTurtleneck, ColourRead::Held, 0, {}, 'F', {}, {{1, X1, 99.75}}},
};

const std::vector<BandRule> kLeftRules = {
    {'A', false, kOveralls, ColourRead::Held, 41, {kSideX0, kSideZ0, kSideX1, kSideZ1}, 0, {}, {{13, X0, 137.5}}},
    {'B', false, kOveralls, ColourRead::BeforeFirstRow, 0, {}, 'A', {}, {{28, X0, 120.85}}},
    {'C', false, kTurtleneck, ColourRead::AtFirstCapsule, 0, {}, 0,
     {pair(169.5, -71, 71, 152.5, 152.5, -67.5, 67.5),
      centre(194, 193),
      pair(193.5, 2.5, -2.5, 192.75, 192.35, 2.5, -2.5),
      pair(193, 5, -5, 193.25, 192.25, 5, -5),
      pair(192.5, 7, 191, 7),      pair(192, 10, 191.5, 10),    pair(192, 12.5, 191.5, 12.5),
      pair(191.5, 15, 191, 15),    pair(191.5, 17.5, 188.5, 17.5), pair(191.5, 20, 186, 20),
      pair(191, 22.5, 183.5, 22.5), pair(191, 25, 181, 25),      pair(191, 27.5, 178.5, 27.5),
      pair(190, 30, 176, 30),      pair(189, 32.5, 173.5, 32.5), pair(188.2, 35, 171, 35),
      pair(187.15, 37.5, 168.5, 37.5), pair(187.1, 40, 168, 40), pair(186, 42.5, 168, 42.5),
      pair(185, 45, 167.5, 45),    pair(184, 47.5, 167.5, 47.5), pair(183.75, 48, 167, 50),
      pair(183.25, 49, 164.5, 52.5), pair(182.5, 50, 162.5, 55), pair(181.5, 52.5, 160, 57.5),
      pair(180.25, 55, 158, 60),
      pair(178.7, 57.5, -57.75, 156, 156, 62.5, -62.5),
      pair(177, 60, 155, 65),
      pair(175.5, 62.2, -60.2, 154.5, 154.5, 65.5, -65.5),
      pair(174, 64.4, 154, 66),    pair(172.5, 66.59, 153.5, 66.5), pair(171, 68.8, 153, 67)},
     {}},
    {'D', true, kOveralls, ColourRead::AtFirstCapsule, 50,
     {kUpperX0,
      {{1, 103}, {4, 106}, {5, 107.5}, {6, 108.5}, {9, 110.75}, {13, 112.75}, {14, 113.15}, {15, 113.25},
       {17, 113.75}, {18, 113.87}, {19, 113.93}, {50, 113.93}},
      {{1, 111.25}, {2, 112}, {3, 111.5}, {4, 111.25}, {5, 111.25}, {6, 110}, {49, 2.5}, {50, 1e-8}},
      kUpperZ1},
     0, {}, {}},
    {'E', true, kOveralls, ColourRead::Held, 0, {}, 'D', {},
     {{3, Z0, -105.1}, {4, Z0, -106.25}, {3, Z1, -75.1}, {4, Z1, -80.2}}},
    {'F', false, kTurtleneck, ColourRead::AtFirstCapsule, 41,
     {{{1, 107.25}, {2, 105}, {41, 7.5}}, {{1, -111}, {41, -111}},
      {{1, 99}, {2, 97.5}, {40, 2.5}, {41, 0.01}}, {{1, -65}, {41, -65}}},
     0, {}, {}},
    {'G', false, kTurtleneck, ColourRead::Held, 0, {}, 'F', {}, {{1, X0, 107.7}, {1, X1, 98.5}}},
};

// The column's value at every row: equal steps between the given rows.
std::vector<double> expand(const Column& column, int rows)
{
    std::vector<double> values(rows);
    for (std::size_t k = 0; k + 1 < column.size(); ++k) {
        const Knot& a = column[k];
        const Knot& b = column[k + 1];
        for (int row = a.row; row <= b.row; ++row)
            values[row - 1] = a.value + (b.value - a.value) * (row - a.row) / (b.row - a.row);
    }
    return values;
}

double& cell(SkinRow& row, Cell c)
{
    switch (c) {
    case X0: return row.x0;
    case Z0: return row.z0;
    case X1: return row.x1;
    case Z1: break;
    }
    return row.z1;
}

constexpr double kAnchorHeight = 396; // the top of the trunk block

SkinRow rowOf(const FanRow& r)
{
    return {r.x0, kAnchorHeight, r.z0, r.x1, 0, r.z1};
}

std::vector<SkinBand> makeBands(const std::vector<BandRule>& rules, double sign)
{
    std::vector<SkinBand> bands;
    for (const BandRule& rule : rules) {
        SkinBand band{rule.name, rule.shortReach, rule.colour, rule.read, {}};
        if (rule.rows > 0) {
            std::vector<double> cols[4];
            for (int c = 0; c < 4; ++c)
                cols[c] = expand(rule.columns[c], rule.rows);
            for (int i = 0; i < rule.rows; ++i)
                band.rows.push_back({cols[X0][i], kAnchorHeight, cols[Z0][i], cols[X1][i], 0, cols[Z1][i]});
        } else if (rule.mirrorOf) {
            for (const SkinBand& earlier : bands)
                if (earlier.name == rule.mirrorOf)
                    band.rows = earlier.rows;
            for (SkinRow& r : band.rows) {
                r.z0 = -r.z0;
                r.z1 = -r.z1;
            }
        } else {
            for (const FanPair& p : rule.fan) {
                band.rows.push_back(rowOf(p.first));
                if (!p.single)
                    band.rows.push_back(rowOf(p.second));
            }
        }
        for (const Odd& o : rule.odd)
            cell(band.rows[o.row - 1], o.cell) = o.value;
        bands.push_back(std::move(band));
    }
    // The across sizes were given outwards; the right side lies at -x.
    for (SkinBand& band : bands)
        for (SkinRow& r : band.rows) {
            r.x0 *= sign;
            r.x1 *= sign;
        }
    return bands;
}

// ---------------------------------------------------------------------------
// The shoulder.

struct ShoulderSide {
    Shoulder which;
    Angle A2, B2;
    void (*cap)(WorkingFields&);
    void (*capsule)(WorkingFields&);
    void (*shortCapsule)(WorkingFields&);
    // The joint's rod reads the turtleneck colour again (the ball's values
    // serve otherwise).
    bool rodReadsColour;
};

const ShoulderSide kRight{Shoulder::Right, Angle::A2P, Angle::B2P, &Konus6, &PP, &PPK, true};
const ShoulderSide kLeft{Shoulder::Left, Angle::A2L, Angle::B2L, &Konus5, &LL, &LLK, false};

const ShoulderSide& sideOf(Shoulder which)
{
    return which == Shoulder::Right ? kRight : kLeft;
}

} // namespace

ShoulderColours shoulderJoint(Assembly& a, Shoulder which)
{
    const ShoulderSide& side = sideOf(which);
    WorkingFields& f = a.f;
    const double s = a.s(), A2 = a[side.A2], B2 = a[side.B2];
    const AcadPoint origin(0, 0, 0);
    std::map<PoseColour, Rgb> held;

    // The joint: a ball at the girdle centre inside the near end of a rod
    // along the girdle.
    const double R = 70 * s;
    f.SetProfile({{-R, 0}, {R, 0}, {-R, 0}});
    f.MakeProfileRegion({{0, -std::sin(pi / 4) / std::cos(pi / 4)}});
    f.GroupSolid = f.RevolveProfile(origin, {77, 0, 0});
    held[kTurtleneck] = a.colour(kTurtleneck);
    Assembly::paint(f.GroupSolid, held[kTurtleneck]);

    makeFrustum(f, &Konus2, 70, 70, 190.64, 0, 0, 0, 0, 0);
    if (side.rodReadsColour)
        held[kTurtleneck] = a.colour(kTurtleneck);
    Assembly::paint(f.NewSolid, held[kTurtleneck]);
    f.NewSolid.Boolean(acad::acUnion, f.GroupSolid);

    a.turn(f.NewSolid, {77, 0, 0}, origin, B2);
    a.turn(f.NewSolid, {0, 0, 77}, origin, A2);
    a.move(f.NewSolid, origin, {-f.Dim05, f.Dim06, f.Dim09});
    f.BodySolid.Boolean(acad::acUnion, f.NewSolid);

    // The cap over the rod, from 100 to 165 along it.
    const double x = std::sin(A2) * std::cos(B2) * 100 * s - f.Dim05;
    const double y = std::cos(A2) * std::cos(B2) * 100 * s + f.Dim06;
    const double z = f.Dim09 - std::sin(B2) * 100 * s;
    makeFrustum(f, side.cap, 73, 73, 65, x / s, y / s, z / s, B2, A2);
    held[kOveralls] = a.colour(kOveralls);
    a.colourAndUnite(f.BodySolid, f.NewSolid, held[kOveralls]);
    return {held[kOveralls], held[kTurtleneck]};
}

void shoulderSkin(Assembly& a, Shoulder which, ShoulderColours colours)
{
    const ShoulderSide& side = sideOf(which);
    WorkingFields& f = a.f;
    std::map<PoseColour, Rgb> held{{kOveralls, colours.overalls}, {kTurtleneck, colours.turtleneck}};
    f.Dim07 = 7.5;
    for (const SkinBand& band : skinBands(which)) {
        if (band.read == ColourRead::BeforeFirstRow)
            held[band.colour] = a.colour(band.colour);
        bool first = true;
        for (const SkinRow& r : band.rows) {
            f.Dim00 = r.x0;
            f.Dim03 = r.y0;
            f.Dim04 = r.z0;
            f.Dim14 = r.x1;
            f.Dim15 = r.y1;
            f.Dim16 = r.z1;
            (band.shortReach ? side.shortCapsule : side.capsule)(f);
            if (first && band.read == ColourRead::AtFirstCapsule)
                held[band.colour] = a.colour(band.colour);
            first = false;
            a.colourAndUnite(f.BodySolid, f.NewSolid, held.at(band.colour));
        }
    }
}

const std::vector<SkinBand>& skinBands(Shoulder side)
{
    static const std::vector<SkinBand> right = makeBands(kRightRules, -1);
    static const std::vector<SkinBand> left = makeBands(kLeftRules, 1);
    return side == Shoulder::Right ? right : left;
}

// The skin's neighbouring capsules lie nearly side by side, which the kernel
// intersects only by its slow general method: the union of a shoulder's skin
// takes minutes. Until it can be made fast enough to wait for, the shoulders
// are drawn with their joints and caps and without the skin.
void rightShoulder(Assembly& a)
{
    shoulderJoint(a, Shoulder::Right);
}

void leftShoulder(Assembly& a)
{
    shoulderJoint(a, Shoulder::Left);
}

} // namespace figure
