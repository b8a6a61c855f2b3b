#include "parts/transmissions/coupling_elements.h"

#include "acad/fpu.h"

#include <cmath>

namespace transmissions {

using acad::AcadPoint;

namespace {
constexpr double pi = 3.141592653589793;
constexpr double crossThickness = 10.4998;
} // namespace

void ZvMuft(acad::WorkingFields& w)
{
    w.Dim04 -= 0.0002;
    w.Dim15 -= 0.0002;
    w.Dim08 -= 0.0001;
    w.Dim01 -= 0.0002;
    const double D = w.Dim00, H = w.Dim01, b = w.Dim04, r = w.Dim08, Dh = w.Dim15;

    w.AxisPoint = AcadPoint(0, 0, 0);
    w.NewSolid = w.ModelSpace().AddCylinder(w.AxisPoint, Dh / 2, H);

    // The fillet of a lobe's side is tangent to the hub: its centre lies c
    // from the axis, w off the lobe's centre line and yf along it.
    const double c = Dh / 2 + r;
    const double wf = b / 2 + r;
    const double yf = std::sqrt(c * c - wf * wf);
    const double theta = std::atan(wf / yf);
    acad::fpu::check();
    w.Dim13 = theta;

    const double bulge = std::tan((pi / 2 - theta) / 4);
    const double hx = Dh / 2 * std::sin(theta), hy = Dh / 2 * std::cos(theta);
    for (int k = 0; k < 6; ++k) {
        w.SetProfile({{b / 2, D}, {b / 2, yf}, {hx, hy}, {-hx, hy}, {-b / 2, yf}, {-b / 2, D}, {b / 2, D}});
        w.MakeProfileRegion({{1, bulge}, {3, bulge}});
        w.ToolSolid = w.ExtrudeProfile(H);
        w.AxisDirection = AcadPoint(0, 0, -H / 2);
        w.ToolSolid.Move(w.AxisPoint, w.AxisDirection);
        if (k >= 1)
            w.ToolSolid.Rotate3D(w.AxisPoint, w.AxisDirection, k * pi / 3);
        w.NewSolid.Boolean(acad::acUnion, w.ToolSolid);
    }

    w.ToolSolid = w.ModelSpace().AddCylinder(w.AxisPoint, D / 2, H);
    w.NewSolid.Boolean(acad::acIntersection, w.ToolSolid);
}

void KrestMuft(acad::WorkingFields& w)
{
    const double D = w.Dim00, b = w.Dim04, r = w.Dim08;

    w.AxisPoint = AcadPoint(0, 0, 0);
    w.NewSolid = w.ModelSpace().AddCylinder(w.AxisPoint, D / 2, crossThickness);
    w.AxisDirection = AcadPoint(0, 0, -5.25);
    w.NewSolid.Move(w.AxisPoint, w.AxisDirection);

    for (int k = 0; k < 4; ++k) {
        w.SetProfile({{b / 2, D}, {b / 2, b / 2 + r}, {b / 2 + r, b / 2}, {D, b / 2}, {D, D}, {b / 2, D}});
        w.MakeProfileRegion({{1, std::tan(pi / 8)}});
        w.ToolSolid = w.ExtrudeProfile(21);
        w.AxisDirection = AcadPoint(0, 0, -10.5);
        w.ToolSolid.Move(w.AxisPoint, w.AxisDirection);
        if (k >= 1)
            w.ToolSolid.Rotate3D(w.AxisPoint, w.AxisDirection, k * pi / 2);
        w.NewSolid.Boolean(acad::acSubtraction, w.ToolSolid);
    }
}

// Each width b is 0.5 more than the assembly gives the same torque, where the
// star is drawn squeezed.
const std::array<FreeElement, 9> freeElements = {{
    {"2,5", ElementForm::Cross, 30, 0, 8.5, 0, 1.25},
    {"6,3", ElementForm::Cross, 42, 0, 10.5, 0, 1.6},
    {"16", ElementForm::Star, 50, 26, 10.5, 15, 1.6},
    {"25", ElementForm::Star, 60, 30, 12.5, 15, 1.6},
    {"31,5", ElementForm::Star, 67, 30, 12.5, 15, 1.6},
    {"63", ElementForm::Star, 80, 36, 14.5, 22, 2},
    {"125", ElementForm::Star, 100, 45, 16.5, 22, 2},
    {"250", ElementForm::Star, 130, 56, 18.5, 25, 3},
    {"400", ElementForm::Star, 160, 67, 20.5, 30, 3},
}};

void drawFreeElement(acad::WorkingFields& w, const FreeElement& row)
{
    w.Dim00 = row.D;
    w.Dim04 = row.b;
    w.Dim08 = row.r;
    if (row.form == ElementForm::Star) {
        w.Dim15 = row.Dh;
        w.Dim01 = row.H;
        ZvMuft(w);
    } else {
        KrestMuft(w);
    }
    w.NewSolid.put_color(154);
}

} // namespace transmissions
