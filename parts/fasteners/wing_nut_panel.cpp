#include "parts/fasteners/wing_nut_panel.h"

#include "ui_wing_nut_panel.h"

#include <cmath>
#include <vector>

namespace fasteners {

namespace {

constexpr double pi = 3.141592653589793;
constexpr double degree = pi / 180;

double tangent(double angle)
{
    return std::sin(angle) / std::cos(angle);
}

// The front outline of the nut from the bottom of the hub round the left
// wing, over the hub's top and round the right wing, and its bulges: the
// wing tips turn 197.82° over the top, the blends of radius rho between the
// wings and the hub's top 106.1°.
struct Outline {
    std::vector<acad::XY> vertices;
    std::vector<acad::Bulge> bulges;
};

Outline frontOutline(double L, double H, double R, double D1, double D, double h, double rho)
{
    const double tipX = L / 2 - R, tipY = H - R;
    const double a = 49.16 * degree, b = 58.66 * degree, c = 80.99 * degree, lean = 18.02 * degree;
    const double tip = tangent(49.455 * degree), blend = tangent(26.525 * degree);
    return {{{-D / 2, 0},
             {-tipX - R * std::cos(a), tipY - R * std::sin(a)},
             {-tipX + R * std::sin(b), tipY + R * std::cos(b)},
             {-D1 / 2 - rho * std::sin(c) * std::sin(lean), h + rho * std::sin(c) * std::cos(lean)},
             {-D1 / 2 + rho * std::sin(c), h},
             {D1 / 2 - rho * std::sin(c), h},
             {D1 / 2 + rho * std::sin(c) * std::sin(lean), h + rho * std::sin(c) * std::cos(lean)},
             {tipX - R * std::sin(b), tipY + R * std::cos(b)},
             {tipX + R * std::cos(a), tipY - R * std::sin(a)},
             {D / 2, 0},
             {-D / 2, 0}},
            {{1, -tip}, {3, blend}, {5, blend}, {7, -tip}}};
}

} // namespace

WingNutPanel::WingNutPanel(shell::PanelContext& context, QWidget* parent)
    : PartPanel(context, parent), ui(std::make_unique<Ui::Panel85>())
{
    ui->setupUi(this);
    onClick(ui->BitBtn81, &WingNutPanel::BitBtn81Click);
}

WingNutPanel::~WingNutPanel() = default;

void WingNutPanel::BitBtn81Click()
{
    using acad::AcadPoint;
    acad::WorkingFields& f = w();
    f.Dim06 = readFloat(ui->Edit313);
    f.Dim02 = readFloat(ui->Edit320);
    f.Dim07 = readFloat(ui->Edit321);
    f.Dim15 = readFloat(ui->Edit315);
    f.Dim05 = readFloat(ui->Edit322);
    f.Dim09 = readFloat(ui->Edit317);
    f.Dim10 = readFloat(ui->Edit323);
    f.Dim12 = readFloat(ui->Edit318);
    f.Dim00 = readFloat(ui->Edit324);
    f.Dim01 = readFloat(ui->Edit319);
    const double L = f.Dim06, H = f.Dim02, R = f.Dim07, d = f.Dim15, P = f.Dim05, b = f.Dim09, b1 = f.Dim10,
                 D1 = f.Dim12, D = f.Dim00, h = f.Dim01;
    // The hub's flank against the axis, half the turn from the flank to the
    // top face, and the rounding of the top edge, which stays sharp.
    f.Dim23 = std::atan((D / 2 - D1 / 2) / h);
    f.Dim13 = (pi / 2 - f.Dim23) / 2;
    f.Dim08 = 0;
    const double alpha = f.Dim23, beta = f.Dim13, rh = f.Dim08;
    // The wings meet the hub's top in sharp corners, as the picture shows.
    const double rho = 0;

    const AcadPoint origin(0, 0, 0), yAxis(0, 77, 0);

    // The wing plate, b1 thick at the bottom and b at the top, L wide.
    f.SetProfile({{-b1 / 2, 0}, {-b / 2, H}, {b / 2, H}, {b1 / 2, 0}, {-b1 / 2, 0}});
    f.MakeProfileRegion();
    f.NewSolid = f.ExtrudeProfile(L);
    f.AxisPoint = origin;
    f.AxisDirection = AcadPoint(0, 0, -L / 2);
    f.NewSolid.Move(f.AxisPoint, f.AxisDirection);
    f.AxisDirection = yAxis;
    f.NewSolid.Rotate3D(f.AxisPoint, f.AxisDirection, pi / 2);

    // The plate keeps what lies inside the front outline.
    const Outline outline = frontOutline(L, H, R, D1, D, h, rho);
    f.SetProfile(outline.vertices);
    f.MakeProfileRegion(outline.bulges);
    f.ToolSolid = f.ExtrudeProfile(2 * L);
    f.AxisPoint = origin;
    f.AxisDirection = AcadPoint(0, 0, -L);
    f.ToolSolid.Move(f.AxisPoint, f.AxisDirection);
    f.NewSolid.Boolean(1, f.ToolSolid);

    // The hub.
    f.SetProfile({{0, 0},
                  {-D / 2, 0},
                  {-D1 / 2 - rh * tangent(beta) * std::sin(alpha), h - rh * tangent(beta) * std::cos(alpha)},
                  {-D1 / 2 + rh * tangent(beta), h},
                  {0, h},
                  {0, 0}});
    f.MakeProfileRegion({{2, -tangent(beta / 2)}});
    f.GroupSolid = f.RevolveProfile(origin, yAxis);
    f.NewSolid.Boolean(0, f.GroupSolid);

    // Whatever reaches outside the front outline goes: the rectangle
    // (-L, 0)-(L, 2H) without the outline, through the whole thickness.
    std::vector<acad::XY> complement(outline.vertices.begin(), outline.vertices.end() - 1);
    complement.insert(complement.end(), {{L, 0}, {L, 2 * H}, {-L, 2 * H}, {-L, 0}, {-D / 2, 0}});
    f.SetProfile(complement);
    f.MakeProfileRegion(outline.bulges);
    f.ToolSolid = f.ExtrudeProfile(2 * L);
    f.AxisPoint = origin;
    f.AxisDirection = AcadPoint(0, 0, -L);
    f.ToolSolid.Move(f.AxisPoint, f.AxisDirection);
    f.NewSolid.Boolean(2, f.ToolSolid);

    // The 120° countersink at the bottom, then the bore.
    const double sink = d / 2 + 0.4 * P;
    f.SetProfile({{0, 0}, {-sink, 0}, {0, sink * tangent(30 * degree)}, {0, 0}});
    f.MakeProfileRegion();
    f.GroupSolid = f.RevolveProfile(origin, yAxis);
    f.NewSolid.Boolean(2, f.GroupSolid);
    f.SetProfile({{0, 0}, {-d / 2, 0}, {-d / 2, H}, {0, H}, {0, 0}});
    f.MakeProfileRegion();
    f.GroupSolid = f.RevolveProfile(origin, yAxis);
    f.NewSolid.Boolean(2, f.GroupSolid);

    // A hole through each wing at the centre of its tip.
    f.Dim15 = readFloat(ui->Edit325);
    const double d1 = f.Dim15;
    if (d1 > 0) {
        for (const double x : {-(L / 2 - R), L / 2 - R}) {
            f.BasePoint = AcadPoint(x, H - R, 0);
            f.GroupSolid = ModelSpace().AddCylinder(f.BasePoint, d1 / 2, L);
            f.NewSolid.Boolean(2, f.GroupSolid);
        }
    }
    f.NewSolid.put_color(82);
}

} // namespace fasteners
