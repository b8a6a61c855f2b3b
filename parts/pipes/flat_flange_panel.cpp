#include "parts/pipes/flat_flange_panel.h"

#include "ui_flat_flange_panel.h"

namespace pipes {

namespace {
constexpr double pi = 3.141592653589793;
constexpr int kGreen = 3;
} // namespace

FlatFlangePanel::FlatFlangePanel(shell::PanelContext& context, QWidget* parent)
    : PartPanel(context, parent), ui(std::make_unique<Ui::Panel57>())
{
    ui->setupUi(this);
    onClick(ui->BitBtn52, &FlatFlangePanel::BitBtn52Click);
}

FlatFlangePanel::~FlatFlangePanel() = default;

void FlatFlangePanel::BitBtn52Click()
{
    acad::WorkingFields& f = w();
    const double D1 = readFloat(ui->Edit91), b = readFloat(ui->Edit92), n = readFloat(ui->Edit93),
                 d = readFloat(ui->Edit94), dv = readFloat(ui->Edit95), h = readFloat(ui->Edit96),
                 D2 = readFloat(ui->Edit97), D = readFloat(ui->Edit98), z = readFloat(ui->Edit99),
                 s = readFloat(ui->Edit100), fh = readFloat(ui->Edit101);

    shell::limitCount(n, "Число отверстий n");

    // The flange's axis is the X axis, its front face in the plane x = 0.
    const acad::AcadPoint axisPoint(777, 0, 0), axisDirection(-777, 0, 0);
    f.SetProfile({{s, dv / 2},
                  {0, dv / 2 + s},
                  {0, D / 2 - z},
                  {z, D / 2},
                  {b - z, D / 2},
                  {b, D / 2 - z},
                  {b, D2 / 2 + h},
                  {b + h, D2 / 2},
                  {b + h, dv / 2 + s},
                  {b + h - s, dv / 2},
                  {s, dv / 2}});
    f.MakeProfileRegion();
    f.BodySolid = f.RevolveProfile(axisPoint, axisDirection);

    // The bolt holes, the first at the top of the bolt circle; at least one
    // is cut whatever n is.
    const double step = 2 * pi / n;
    double k = 0;
    do {
        k = k + 1;
        f.SetProfile({{0, 0}, {0, d / 2 + fh}, {fh, d / 2}, {b - fh, d / 2}, {b, d / 2 + fh}, {b, 0}, {0, 0}});
        f.MakeProfileRegion();
        f.ExtraSolid = f.RevolveProfile(axisPoint, axisDirection);
        f.AxisPoint = acad::AcadPoint(0, 0, 0);
        f.AxisDirection = acad::AcadPoint(0, D1 / 2, 0);
        f.ExtraSolid.Move(f.AxisPoint, f.AxisDirection);
        f.AxisPoint = axisPoint;
        f.AxisDirection = axisDirection;
        f.ExtraSolid.Rotate3D(f.AxisPoint, f.AxisDirection, (k - 1) * step);
        f.BodySolid.Boolean(acad::acSubtraction, f.ExtraSolid);
    } while (!(k >= n));
    f.BodySolid.put_color(kGreen);
}

} // namespace pipes
