#include "parts/design/spline_bore_panel.h"


#include "parts/design/slot_panel.h"
#include "parts/design/spline_table.h"

#include "ui_spline_bore_panel.h"

#include <cmath>

namespace design {

namespace {
constexpr double pi = 3.141592653589793;

// The bulge of an arc turning clockwise through four times the angle.
double clockwise(double quarterAngle)
{
    return -std::sin(quarterAngle) / std::cos(quarterAngle);
}
} // namespace

ToothSpace toothSpace(double D, double d, double b, double r, double f)
{
    // The chamfers' outer ends on the circle d, the fillet centres on the
    // circle D/2 - r, and the angle at which the fillets touch the circle D.
    const double Yd = std::sqrt((d / 2) * (d / 2) - (b / 2 + f) * (b / 2 + f));
    const double Yc = std::sqrt((D / 2 - r) * (D / 2 - r) - (b / 2 - r) * (b / 2 - r));
    const double phi = std::atan((b / 2 - r) / Yc);
    const double R = D / 2;
    return {{{-b / 2 - f, Yd},
             {-b / 2, Yd + f},
             {-b / 2, Yc},
             {-R * std::sin(phi), R * std::cos(phi)},
             {R * std::sin(phi), R * std::cos(phi)},
             {b / 2, Yc},
             {b / 2, Yd + f},
             {b / 2 + f, Yd},
             {-b / 2 - f, Yd}},
            {{2, clockwise((pi / 2 - phi) / 4)}, {3, clockwise(phi / 2)}, {4, clockwise((pi / 2 - phi) / 4)}},
            phi};
}

SplineBorePanel::SplineBorePanel(shell::PanelContext& context, QWidget* parent)
    : PartPanel(context, parent), ui(std::make_unique<Ui::Panel133>())
{
    ui->setupUi(this);
    onClick(ui->BitBtn7, &SplineBorePanel::BitBtn7Click);
    onClick(ui->BitBtn3, &SplineBorePanel::BitBtn3Click);
}

SplineBorePanel::~SplineBorePanel() = default;

SplineEdits SplineBorePanel::splineEdits() const
{
    return {ui->Edit548, ui->Edit545, ui->Edit544, ui->Edit546, ui->Edit550, ui->Edit547};
}

void SplineBorePanel::BitBtn7Click()
{
    acad::WorkingFields& f = w();
    f.Dim09 = readFloat(ui->Edit546);
    f.Dim08 = readFloat(ui->Edit547);
    f.Dim16 = readFloat(ui->Edit548);
    f.Dim06 = readFloat(ui->Edit549);
    f.Dim15 = readFloat(ui->Edit545);
    f.Dim00 = readFloat(ui->Edit544);
    f.Dim03 = readFloat(ui->Edit550);
    shell::limitCount(f.Dim16, "Число шлицев z");
    f.Dim05 = 0;

    f.BasePoint = acad::AcadPoint(0, 0, f.Dim06 / 2);
    f.NewSolid = f.ModelSpace().AddCylinder(f.BasePoint, f.Dim15 / 2, f.Dim06);
    // A loop that tests at its end: at least one space, and the last may
    // stand past the full turn when z is not whole.
    do {
        f.Dim05 = f.Dim05 + 1;
        const ToothSpace space = toothSpace(f.Dim00, f.Dim15, f.Dim09, f.Dim08, f.Dim03);
        f.Dim23 = space.phi;
        f.SetProfile(space.vertices);
        f.MakeProfileRegion(space.bulges);
        f.GroupSolid = f.ExtrudeProfile(f.Dim06);
        f.Dim13 = 2 * pi / f.Dim16;
        // About the bore's axis directed towards -Z: clockwise seen from +Z.
        f.AxisDirection = acad::AcadPoint(0, 0, 0);
        f.GroupSolid.Rotate3D(f.BasePoint, f.AxisDirection, f.Dim05 * f.Dim13);
        f.NewSolid.Boolean(acad::acUnion, f.GroupSolid);
    } while (f.Dim05 < f.Dim16);
    f.NewSolid.put_color(kCuttingColour);
}

void SplineBorePanel::BitBtn3Click()
{
    context().TableSidePanelLayout(table_);
    table_->fill();
}

} // namespace design
