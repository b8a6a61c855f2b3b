#include "parts/pipes/ribbed_body.h"

#include "parts/pipes/rib.h"

#include "acad/numbers.h"
#include "app/shell/part_panel.h"

#include <cmath>

namespace pipes {

namespace {
constexpr double pi = 3.141592653589793;
constexpr int kColour = 52;

double tangent(double angle)
{
    return std::sin(angle) / std::cos(angle);
}
} // namespace

RibbedBodyProfile capProfile(const acad::WorkingFields& f)
{
    const double D = f.Dim00, L = f.Dim06, L1 = f.Dim02, R1 = f.Dim07, R2 = f.Dim08, R3 = f.Dim09;
    const double theta = f.Dim13, c = D / 2 + f.Dim05;
    return {{{D / 2, 0},
             {c, 0},
             {c + R3 * std::sin(theta), R3 + R3 * std::cos(theta)},
             {c, R3 + (R3 + R2) * std::cos(theta)},
             {c, L1 - R1},
             {D / 2 - R1, L},
             {0, L},
             {0, L1},
             {D / 2 - R1, L1},
             {D / 2, L1 - R1},
             {D / 2, 0}},
            {{1, tangent((pi - theta) / 4)},
             {2, -tangent((pi / 2 - theta) / 4)},
             {4, tangent(pi / 8)},
             {8, -tangent(pi / 8)}}};
}

RibbedBodyProfile couplingProfile(const acad::WorkingFields& f)
{
    const double D = f.Dim00, L = f.Dim06, R2 = f.Dim08, R3 = f.Dim09;
    const double theta = f.Dim13, c = D / 2 + f.Dim05;
    return {{{D / 2, 0},
             {c, 0},
             {c + R3 * std::sin(theta), R3 + R3 * std::cos(theta)},
             {c, R3 + (R3 + R2) * std::cos(theta)},
             {c, L - (R3 + (R3 + R2) * std::cos(theta))},
             {c + R3 * std::sin(theta), L - (R3 + R3 * std::cos(theta))},
             {c, L},
             {D / 2, L},
             {D / 2, 0}},
            {{1, tangent((pi - theta) / 4)},
             {2, -tangent((pi / 2 - theta) / 4)},
             {4, -tangent((pi / 2 - theta) / 4)},
             {5, tangent((pi - theta) / 4)}}};
}

void drawRibbedBody(acad::WorkingFields& f, const RibbedBodyTwin& twin)
{
    for (const auto& [edit, slot] : twin.bodyInputs)
        f.Dim(slot) = acad::StrToFloat(edit->text());
    const double R2 = f.Dim08, R3 = f.Dim09;
    // The bead angle: where the bead's arc meets the arc into the wall.
    f.Dim13 = std::atan(R2 / std::sqrt(R3 * R3 - R2 * R2));

    // The body about the Y axis, then turned so that its axis is Z.
    const RibbedBodyProfile body = twin.profile(f);
    f.SetProfile(body.vertices);
    f.MakeProfileRegion(body.bulges);
    f.BasePoint = acad::AcadPoint(0, 0, 0);
    f.AxisDirection = acad::AcadPoint(0, 77, 0);
    f.NewSolid = f.ModelSpace().AddRevolvedSolid(f.ProfileRegion, f.BasePoint, f.AxisDirection, 2 * pi);
    f.DeleteProfile();
    f.AxisDirection = acad::AcadPoint(77, 0, 0);
    f.NewSolid.Rotate3D(f.BasePoint, f.AxisDirection, pi / 2);

    // The rib's sizes, where the rib reads them.
    const std::array<int, 9> ribSlots = {1, 12, 7, 8, 9, 13, 11, 16, 3};
    for (std::size_t k = 0; k < ribSlots.size(); ++k) {
        f.Dim(ribSlots[k]) = acad::StrToFloat(twin.ribInputs[k]->text());
        if (ribSlots[k] == 13)
            f.Dim13 = f.Dim13 * pi / 180;
    }

    // Each rib built anew at angle 0, turned into its place about the axis
    // and united with the body.
    shell::limitCount(f.Dim03, "Число ребер N");
    f.AxisPoint = acad::AcadPoint(0, 0, 77);
    f.Dim22 = 2 * pi / f.Dim03;
    int i = 0;
    do {
        ++i;
        Ship(f);
        f.ToolSolid.Rotate3D(f.BasePoint, f.AxisPoint, i * f.Dim22);
        f.NewSolid.Boolean(acad::acUnion, f.ToolSolid);
    } while (static_cast<double>(i) < f.Dim03);
    f.NewSolid.put_color(kColour);
}

} // namespace pipes
