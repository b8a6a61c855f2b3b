#include "parts/pipes/bend_panel.h"

#include "ui_bend_panel.h"

#include <cmath>

namespace pipes {

namespace {
constexpr double pi = 3.141592653589793;
constexpr int kGreen = 3;

// A full circle of the diameter in the XY plane centred at (0, y): two
// clockwise half circles.
void circleProfile(acad::WorkingFields& f, double diameter, double y)
{
    f.SetProfile({{-diameter / 2, y}, {diameter / 2, y}, {-diameter / 2, y}});
    const double halfCircle = -std::sin(pi / 4) / std::cos(pi / 4);
    f.MakeProfileRegion({{0, halfCircle}, {1, halfCircle}});
}
} // namespace

BendPanel::BendPanel(shell::PanelContext& context, QWidget* parent)
    : PartPanel(context, parent), ui(std::make_unique<Ui::Panel41>())
{
    ui->setupUi(this);
    onClick(ui->BitBtn31, &BendPanel::BitBtn31Click);
    onClick(ui->BitBtn32, &BendPanel::BitBtn32Click);
}

BendPanel::~BendPanel() = default;

void BendPanel::BitBtn31Click()
{
    acad::WorkingFields& f = w();
    f.Dim00 = readFloat(ui->Edit50);
    f.Dim03 = readFloat(ui->Edit51);
    f.Dim07 = readFloat(ui->Edit52);
    f.Dim13 = readFloat(ui->Edit53);
    f.Dim13 = f.Dim13 * pi / 180;
    const double D = f.Dim00, s = f.Dim03, R = f.Dim07, alpha = f.Dim13;

    // The wall: the outer and the inner tube swept about the bend axis, the
    // line x = D/2 + R along +Y.
    circleProfile(f, D, D / 2);
    f.BodySolid = f.RevolveProfile(acad::AcadPoint(D / 2 + R, 0, 0), acad::AcadPoint(0, D / 2 + R, 0), alpha);
    circleProfile(f, D - 2 * s, D / 2);
    f.ExtraSolid = f.RevolveProfile(acad::AcadPoint(D / 2 + R, 0, 0), acad::AcadPoint(0, D / 2 + R, 0), alpha);
    f.BodySolid.Boolean(acad::acSubtraction, f.ExtraSolid);
    f.BodySolid.put_color(kGreen);

    // The centre line into the plane z = 0, the first end at the origin.
    f.AxisPoint = acad::AcadPoint(0, 0, 0);
    f.AxisDirection = acad::AcadPoint(77, 0, 0);
    f.BodySolid.Rotate3D(f.AxisPoint, f.AxisDirection, pi / 2);
    f.AxisDirection = acad::AcadPoint(0, 0, 77);
    f.BodySolid.Rotate3D(f.AxisPoint, f.AxisDirection, -alpha);
    f.AxisDirection = acad::AcadPoint(0, 0, -D / 2);
    f.BodySolid.Move(f.AxisPoint, f.AxisDirection);
    f.KeepBody(this, {D, s, R, alpha});
}

void BendPanel::BitBtn32Click()
{
    acad::WorkingFields& f = w();
    f.SectionBody(this, 0.0);
    // The sizes this bend was drawn from: other panels may have used the
    // bank since.
    const std::vector<double> sizes = f.KeptSizes();
    const double D = sizes[0], s = sizes[1], R = sizes[2], alpha = sizes[3];
    const double rho = R + D / 2, bore = D / 2 - s;
    f.Line2D(-bore * std::cos(alpha), bore * std::sin(alpha), bore * std::cos(alpha), -bore * std::sin(alpha), 50);
    f.Line2D(rho * std::cos(alpha) - R - (D - s), -rho * std::sin(alpha), rho * std::cos(alpha) - R - s,
             -rho * std::sin(alpha), 50);
}

} // namespace pipes
