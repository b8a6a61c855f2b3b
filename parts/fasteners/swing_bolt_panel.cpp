#include "parts/fasteners/swing_bolt_panel.h"

#include "ui_swing_bolt_panel.h"

#include <cmath>

namespace fasteners {

namespace {
constexpr double pi = 3.141592653589793;
// The chamfer of the eye's hole, millimetres.
constexpr double kHoleChamfer = 0.6;
} // namespace

SwingBoltPanel::SwingBoltPanel(shell::PanelContext& context, QWidget* parent)
    : PartPanel(context, parent), ui(std::make_unique<Ui::Panel76>())
{
    ui->setupUi(this);
    onClick(ui->BitBtn42, &SwingBoltPanel::BitBtn42Click);
}

SwingBoltPanel::~SwingBoltPanel() = default;

void SwingBoltPanel::BitBtn42Click()
{
    using acad::AcadPoint;
    acad::WorkingFields& f = w();
    f.Dim00 = readFloat(ui->Edit233);
    f.Dim09 = readFloat(ui->Edit234);
    f.Dim08 = readFloat(ui->Edit236);
    f.Dim12 = readFloat(ui->Edit237);
    // d2 is read with the others; the eye's hole takes the shank's d1.
    f.Dim15 = readFloat(ui->Edit238);
    f.Dim06 = readFloat(ui->Edit235);
    const double D = f.Dim00, b = f.Dim09, r = f.Dim08, d1 = f.Dim12, L = f.Dim06;

    f.AxisPoint = AcadPoint(0, 0, 0);
    f.GroupSolid = ModelSpace().AddSphere(f.AxisPoint, D / 2);

    // The shank with the fillet r that touches the sphere from outside; its
    // centre stands at the angle phi from the axis. d1 >= D is a fault here.
    const double phi =
        std::atan((d1 / 2 + r) / std::sqrt((D / 2 + r) * (D / 2 + r) - (d1 / 2 + r) * (d1 / 2 + r)));
    const double xF = D / 2 * std::cos(phi);
    f.SetProfile({{xF, D / 2 * std::sin(phi)},
                  {(D / 2 + r) * std::cos(phi), d1 / 2},
                  {L, d1 / 2},
                  {L, 0},
                  {xF, 0},
                  {xF, D / 2 * std::sin(phi)}});
    const double quarterOfFillet = (pi / 2 - phi) / 4;
    f.MakeProfileRegion({{0, std::sin(quarterOfFillet) / std::cos(quarterOfFillet)}});
    f.NewSolid = f.RevolveProfile(AcadPoint(0, 0, 0), AcadPoint(77, 0, 0));
    f.GroupSolid.Boolean(0, f.NewSolid);

    // The eye cutter: a cylinder D by D with a groove b down to d1, its
    // bottom corners bevelled; turned onto Z it leaves the slice and the hole.
    const double c = kHoleChamfer;
    f.SetProfile({{-D / 2, 0},
                  {-D / 2, D / 2},
                  {-b / 2, D / 2},
                  {-b / 2, d1 / 2 + c},
                  {-b / 2 + c, d1 / 2},
                  {b / 2 - c, d1 / 2},
                  {b / 2, d1 / 2 + c},
                  {b / 2, D / 2},
                  {D / 2, D / 2},
                  {D / 2, 0},
                  {-D / 2, 0}});
    f.MakeProfileRegion();
    f.NewSolid = f.RevolveProfile(AcadPoint(0, 0, 0), AcadPoint(77, 0, 0));
    f.AxisDirection = AcadPoint(0, 77, 0);
    f.NewSolid.Rotate3D(f.AxisPoint, f.AxisDirection, pi / 2);
    f.GroupSolid.Boolean(2, f.NewSolid);
    f.GroupSolid.put_color(5);
}

} // namespace fasteners
