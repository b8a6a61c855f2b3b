#include "parts/fasteners/conical_bolt_panel.h"

#include "ui_conical_bolt_panel.h"

#include <cmath>

namespace fasteners {

namespace {
constexpr double pi = 3.141592653589793;
}

ConicalBoltPanel::ConicalBoltPanel(shell::PanelContext& context, QWidget* parent)
    : PartPanel(context, parent), ui(std::make_unique<Ui::Panel75>())
{
    ui->setupUi(this);
    onClick(ui->BitBtn41, &ConicalBoltPanel::BitBtn41Click);
}

ConicalBoltPanel::~ConicalBoltPanel() = default;

void ConicalBoltPanel::BitBtn41Click()
{
    using acad::AcadPoint;
    acad::WorkingFields& f = w();
    f.Dim00 = readFloat(ui->Edit227);
    f.Dim06 = readFloat(ui->Edit228);
    f.Dim03 = readFloat(ui->Edit229);
    f.Dim16 = readFloat(ui->Edit230);
    f.Dim05 = readFloat(ui->Edit231);
    f.Dim15 = readFloat(ui->Edit232);
    const double D = f.Dim00, L = f.Dim06, c = f.Dim03, n = f.Dim16, t = f.Dim05, d = f.Dim15;

    // The body: the step from d up to D, the taper, the chamfer c.
    const double xD = L - (D / 2 - d / 2);
    const double RT = D / 2 + (xD - c) / 20;
    f.SetProfile({{L, 0}, {L, d / 2}, {xD, D / 2}, {c, RT}, {0, RT - c}, {0, 0}, {L, 0}});
    f.MakeProfileRegion();
    f.NewSolid = f.RevolveProfile(AcadPoint(0, 0, 0), AcadPoint(77, 0, 0));

    // The slot across the end face, reaching L to either side along Z.
    f.SetProfile({{-t, n / 2}, {t, n / 2}, {t, -n / 2}, {-t, -n / 2}, {-t, n / 2}});
    f.MakeProfileRegion();
    f.GroupSolid = f.ExtrudeProfile(2 * L);
    f.AxisPoint = AcadPoint(0, 0, 0);
    f.AxisDirection = AcadPoint(0, 0, -L);
    f.GroupSolid.Move(f.AxisPoint, f.AxisDirection);
    f.NewSolid.Boolean(2, f.GroupSolid);

    // The stud's sizes take the places of D, c, n and t in the bank.
    f.Dim00 = readFloat(ui->Edit455);
    f.Dim03 = readFloat(ui->Edit456);
    f.Dim16 = readFloat(ui->Edit453);
    f.Dim05 = readFloat(ui->Edit454);
    const double d1 = f.Dim00, r = f.Dim03, L1 = f.Dim16, L2 = f.Dim05;

    // The stud: d, a 45° step down to d1 with the fillet r at its foot.
    const double xS = L + L1 - L2;
    const double k = r * (std::sin(pi / 8) / std::cos(pi / 8));
    f.SetProfile({{L, 0},
                  {L, d / 2},
                  {xS - (d / 2 - d1 / 2), d / 2},
                  {xS - k * std::cos(pi / 4), d1 / 2 + k * std::sin(pi / 4)},
                  {xS + k, d1 / 2},
                  {L + L1, d1 / 2},
                  {L + L1, 0},
                  {L, 0}});
    f.MakeProfileRegion({{3, std::sin(pi / 16) / std::cos(pi / 16)}});
    f.GroupSolid = f.RevolveProfile(AcadPoint(0, 0, 0), AcadPoint(77, 0, 0));
    f.NewSolid.Boolean(0, f.GroupSolid);
    f.NewSolid.put_color(5);
}

} // namespace fasteners
