#include "figure/stretches.h"

#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace figure {

namespace {

using std::numbers::pi;

// One prism of the trunk core: its outline in the plane z = 0 (closed on
// its first vertex), the bulge of its top and bottom edges (0: straight),
// its depth along Z about z = 0 and its fixed colour index; sizes of the
// reference figure.
struct TrunkPrism {
    std::vector<acad::XY> outline;
    int arcs;
    double depth;
    int colour;
};

// The block, then the badge on its front and back faces: frame, field,
// gable, rings and the rings' insets, each layer standing 0.5 prouder.
const std::array<TrunkPrism, 12> kTrunkPrisms = {{
    {{{-82, 222}, {-82, 396.23}, {82, 396.23}, {82, 222}}, 0, 232, 2},
    {{{-79, 225}, {-79, 362}, {79, 362}, {79, 225}}, 0, 233, 106},
    {{{-76, 228}, {-76, 359}, {76, 359}, {76, 228}}, 0, 234, 50},
    {{{-71, 233}, {-71, 255}, {71, 255}, {71, 233}}, 0, 235, 106},
    {{{-46, 255}, {-46, 274}, {46, 274}, {46, 255}}, 0, 235, 106},
    {{{-49, 274}, {0, 299}, {49, 274}}, 0, 235, 106},
    {{{-63, 307.0857}, {-63, 332.3139}, {-29, 332.3139}, {-29, 307.0857}}, -1, 235, 106},
    {{{63, 307.0857}, {63, 332.3139}, {29, 332.3139}, {29, 307.0857}}, 1, 235, 106},
    {{{-17, 324.0857}, {-17, 332.3139}, {17, 332.3139}, {17, 324.0857}}, -1, 235, 106},
    {{{-56, 307.0857}, {-56, 332.3139}, {-36, 332.3139}, {-36, 307.0857}}, -1, 236, 50},
    {{{56, 307.0857}, {56, 332.3139}, {36, 332.3139}, {36, 307.0857}}, 1, 236, 50},
    {{{-10, 324.0857}, {-10, 332.3139}, {10, 332.3139}, {10, 324.0857}}, -1, 236, 50},
}};

} // namespace

void trunkCore(Assembly& a)
{
    acad::WorkingFields& f = a.f;
    const double s = a.s();
    for (const TrunkPrism& p : kTrunkPrisms) {
        std::vector<acad::XY> outline;
        for (const acad::XY& v : p.outline)
            outline.push_back({v.x * s, v.y * s});
        outline.push_back(outline.front());
        f.SetProfile(outline);
        const double half = std::sin(pi / 4) / std::cos(pi / 4);
        if (p.arcs != 0)
            f.MakeProfileRegion({{1, p.arcs * half}, {3, p.arcs * half}});
        else
            f.MakeProfileRegion();
        f.GroupSolid = f.ExtrudeProfile(-p.depth * s);
        a.move(f.GroupSolid, {0, 0, 0}, {0, 0, p.depth * s / 2});
        f.GroupSolid.put_color(p.colour);
        f.BodySolid.Boolean(acad::acUnion, f.GroupSolid);
    }

    a.storeGirdleCentre();
}

} // namespace figure
