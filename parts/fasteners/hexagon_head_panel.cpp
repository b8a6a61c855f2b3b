#include "parts/fasteners/hexagon_head_panel.h"

#include "ui_hexagon_head_panel.h"

#include <cmath>

namespace fasteners {

namespace {
constexpr double pi = 3.141592653589793;
// The turn of each flat slab about the head axis; the first stays as made.
constexpr double kFlatTurns[6] = {0, pi / 3, 2 * pi / 3, pi, 4 * pi / 3, 5 * pi / 3};
} // namespace

HexagonHeadPanel::HexagonHeadPanel(shell::PanelContext& context, QWidget* parent)
    : PartPanel(context, parent), ui(std::make_unique<Ui::Panel46>())
{
    ui->setupUi(this);
    onClick(ui->BitBtn38, &HexagonHeadPanel::BitBtn38Click);
}

HexagonHeadPanel::~HexagonHeadPanel() = default;

void HexagonHeadPanel::BitBtn38Click()
{
    using acad::AcadPoint;
    acad::WorkingFields& f = w();
    const double e = readFloat(ui->Edit62);
    f.Dim03 = readFloat(ui->Edit63);
    const double D1 = readFloat(ui->Edit64);
    f.Dim13 = readFloat(ui->Edit65);
    const double m = readFloat(ui->Edit66);
    f.Dim15 = readFloat(ui->Edit241);
    f.Dim00 = readFloat(ui->Edit240);
    f.Dim06 = readFloat(ui->Edit242);
    f.Dim11 = readFloat(ui->Edit239);
    f.Dim07 = readFloat(ui->Edit330);

    // Without a shank diameter or length there is no shank.
    if (f.Dim00 == 0)
        f.Dim06 = 0;
    if (f.Dim06 == 0)
        f.Dim11 = 0;
    if (f.Dim06 == 0)
        f.Dim07 = 0;
    if (f.Dim06 == 0)
        f.Dim00 = 0;

    const double S = f.Dim03, alfa = f.Dim13, d = f.Dim15, D = f.Dim00, L = f.Dim06, R = f.Dim11, r = f.Dim07;
    const double a = alfa * pi / 180;
    const auto tanOf = [a](double length) { return std::sin(a) * length / std::cos(a); };
    const double h = tanOf(e / 2);                // height of a chamfer cone
    const double depth = tanOf(e / 2 - D1 / 2);   // depth of a chamfer at the corners
    acad::IAcadModelSpace ms = ModelSpace();

    f.BasePoint = AcadPoint(e / 2, e / 2, 0);
    acad::IAcad3DSolid head = ms.AddCylinder(f.BasePoint, e / 2, m);

    // Six slabs, each taking away what lies beyond S/2 on one side.
    for (int k = 0; k < 6; ++k) {
        f.SetProfile({{e / 2 - S / 2, 0}, {e / 2 - S / 2, e}, {-e, e}, {-e, 0}, {e / 2 - S / 2, 0}});
        f.MakeProfileRegion();
        f.BodySolid = f.ExtrudeProfile(10 * m);
        f.Axis2Point = AcadPoint(e / 2, e / 2, 0);
        f.Axis2Direction = AcadPoint(e / 2, e / 2, -5 * m);
        f.BodySolid.Move(f.Axis2Point, f.Axis2Direction);
        if (k >= 1)
            f.BodySolid.Rotate3D(f.Axis2Point, f.Axis2Direction, kFlatTurns[k]);
        head.Boolean(2, f.BodySolid);
    }

    // The top face's chamfer: a ring whose inner surface is the cone.
    acad::IAcad3DSolid cone = ms.AddCone(f.Axis2Point, e / 2, h);
    f.Axis2Direction = AcadPoint(e / 2, e / 2, tanOf(e / 4) + m / 2);
    cone.Move(f.Axis2Point, f.Axis2Direction);
    f.BodySolid = ms.AddCylinder(f.BasePoint, e / 2, m);
    f.Axis2Direction = AcadPoint(e / 2, e / 2, m);
    f.BodySolid.Move(f.Axis2Point, f.Axis2Direction);
    f.BodySolid.Boolean(2, cone);
    f.Axis2Direction = AcadPoint(e / 2, e / 2, -depth);
    f.BodySolid.Move(f.Axis2Point, f.Axis2Direction);
    head.Boolean(2, f.BodySolid);

    // The bottom face's chamfer, the same ring turned over.
    if (ui->RadioButton3->isChecked()) {
        cone = ms.AddCone(f.Axis2Point, e / 2, h);
        f.Axis2Point = AcadPoint(e / 2, e / 2, 0);
        f.Axis2Direction = AcadPoint(e / 2, e, 0);
        cone.Rotate3D(f.Axis2Point, f.Axis2Direction, pi);
        f.Axis2Direction = AcadPoint(e / 2, e / 2, -tanOf(e / 4) - m / 2);
        cone.Move(f.Axis2Point, f.Axis2Direction);
        f.BodySolid = ms.AddCylinder(f.BasePoint, e / 2, m);
        f.Axis2Direction = AcadPoint(e / 2, e / 2, -m);
        f.BodySolid.Move(f.Axis2Point, f.Axis2Direction);
        f.BodySolid.Boolean(2, cone);
        f.Axis2Direction = AcadPoint(e / 2, e / 2, depth);
        f.BodySolid.Move(f.Axis2Point, f.Axis2Direction);
        head.Boolean(2, f.BodySolid);
    }

    // Two cross holes in the mid-plane, square to two pairs of flats.
    if (d > 0) {
        for (int k = 0; k < 2; ++k) {
            f.SetProfile({{-S, d / 2}, {S, d / 2}, {S, 0}, {-S, 0}, {-S, d / 2}});
            f.MakeProfileRegion();
            f.BodySolid = f.RevolveProfile(AcadPoint(0, 0, 0), AcadPoint(77, 0, 0));
            f.AxisPoint = AcadPoint(0, 0, 0);
            if (k == 1) {
                f.AxisDirection = AcadPoint(0, 0, 77);
                f.BodySolid.Rotate3D(f.AxisPoint, f.AxisDirection, pi / 3);
            }
            f.AxisDirection = AcadPoint(e / 2, e / 2, 0);
            f.BodySolid.Move(f.AxisPoint, f.AxisDirection);
            head.Boolean(2, f.BodySolid);
        }
    }

    // The shank, revolved along +X and turned down under the head.
    if (D > 0) {
        const double quarter = std::sin(pi / 8) / std::cos(pi / 8);
        f.SetProfile({{m / 2, D / 2 + R},
                      {m / 2 + R, D / 2},
                      {m / 2 + L - r, D / 2},
                      {m / 2 + L, D / 2 + r},
                      {m / 2 + L, 0},
                      {m / 2, 0},
                      {m / 2, D / 2 + R}});
        f.MakeProfileRegion({{0, quarter}, {2, quarter}});
        f.BodySolid = f.RevolveProfile(AcadPoint(0, 0, 0), AcadPoint(77, 0, 0));
        f.AxisDirection = AcadPoint(0, 77, 0);
        f.BodySolid.Rotate3D(f.AxisPoint, f.AxisDirection, pi / 2);
        f.AxisPoint = AcadPoint(0, 0, 0);
        f.BodySolid.Move(f.AxisPoint, f.BasePoint);
        head.Boolean(0, f.BodySolid);
    }

    head.put_color(3);
}

} // namespace fasteners
