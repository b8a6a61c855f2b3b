#include "parts/pipes/rib.h"

#include <cmath>

namespace pipes {

namespace {
constexpr double pi = 3.141592653589793;

double tangent(double angle)
{
    return std::sin(angle) / std::cos(angle);
}
} // namespace

void Ship(acad::WorkingFields& f)
{
    const double D = f.Dim00, wall = f.Dim05, h = f.Dim01, D1 = f.Dim12, R6 = f.Dim09, R5 = f.Dim08;
    const double alfa = f.Dim13, L3 = f.Dim11, L2 = f.Dim16, R4 = f.Dim07;

    // Half-angle of the root chord at the axis.
    const double rho = D / 2 + wall;
    f.Dim23 = std::atan((h / 2) / std::sqrt(rho * rho - (h / 2) * (h / 2)));
    const double phi = f.Dim23;

    // The rib's section: root fillets, flanks, tip roundings and the tip face.
    const double x0 = rho * std::cos(phi), y0 = rho * std::sin(phi);
    const double x1 = (rho + R6) * std::cos(phi) - R6 * std::sin(alfa);
    const double y1 = (rho + R6) * std::sin(phi) - R6 * std::cos(alfa);
    f.Dim02 = 2 * (y1 - (D1 / 2 - x1) * std::sin(alfa) / std::cos(alfa));
    const double W = f.Dim02;
    const double x2 = D1 / 2 - R5 + R5 * std::sin(alfa);
    const double y2 = W / 2 + R5 * (1 - std::sin(alfa)) * std::sin(alfa) / std::cos(alfa) + R5 * (1 - std::cos(alfa));
    const double y3 = y2 - R5 * std::cos(alfa);
    f.SetProfile({{x0, y0}, {x1, y1}, {x2, y2}, {D1 / 2, y3}, {D1 / 2, -y3}, {x2, -y2}, {x1, -y1}, {x0, -y0}, {x0, y0}});
    const double root = tangent((pi / 2 - alfa - phi) / 4), tip = -tangent((pi / 2 - alfa) / 4);
    f.MakeProfileRegion({{0, root}, {2, tip}, {4, tip}, {6, root}});
    f.ToolSolid = f.ExtrudeProfile(L3);

    // Without a radius of the end roundings the corners stay sharp: a cut
    // of four coincident vertices has no area to make a region of.
    if (R4 == 0) {
        f.BasePoint = acad::AcadPoint(0, 0, 0);
        f.AxisDirection = acad::AcadPoint(0, 0, L2);
        f.ToolSolid.Move(f.BasePoint, f.AxisDirection);
        return;
    }

    // The upper end cut, turned to stand across the rib's upper outer corner.
    f.SetProfile({{D1 / 2, L2 + L3 - R4}, {D1 / 2 - R4, L2 + L3}, {D1 / 2, L2 + L3}, {D1 / 2, L2 + L3 - R4}});
    f.MakeProfileRegion({{0, tangent(pi / 8)}});
    f.GroupSolid = f.ExtrudeProfile(L3);
    f.BasePoint = acad::AcadPoint(0, 0, 0);
    f.AxisDirection = acad::AcadPoint(77, 0, 0);
    f.GroupSolid.Rotate3D(f.BasePoint, f.AxisDirection, pi / 2);
    f.AxisDirection = acad::AcadPoint(0, L3 / 2, 0);
    f.GroupSolid.Move(f.BasePoint, f.AxisDirection);

    // The rib up to its place, its upper corner rounded.
    f.BasePoint = acad::AcadPoint(0, 0, 0);
    f.AxisDirection = acad::AcadPoint(0, 0, L2);
    f.ToolSolid.Move(f.BasePoint, f.AxisDirection);
    f.ToolSolid.Boolean(acad::acSubtraction, f.GroupSolid);

    // The lower end cut, drawn mirrored below the X axis.
    f.SetProfile({{D1 / 2, -(L2 - R4)}, {D1 / 2 - R4, -L2}, {D1 / 2, -L2}, {D1 / 2, -(L2 - R4)}});
    f.MakeProfileRegion({{0, -tangent(pi / 8)}});
    f.GroupSolid = f.ExtrudeProfile(L3);
    f.BasePoint = acad::AcadPoint(0, 0, 0);
    f.AxisDirection = acad::AcadPoint(77, 0, 0);
    f.GroupSolid.Rotate3D(f.BasePoint, f.AxisDirection, pi / 2);
    f.AxisDirection = acad::AcadPoint(0, L3 / 2, 2 * L2);
    f.GroupSolid.Move(f.BasePoint, f.AxisDirection);
    f.ToolSolid.Boolean(acad::acSubtraction, f.GroupSolid);
}

} // namespace pipes
