// The ball connection drawn from its three pages: the end fitting, the
// nipple seated in its inner cone and the union nut on the nipple's collar,
// built about the X axis from the pipe-thread end, then laid with point A
// at the typed point.
#include "parts/pipes/ball_fitting_page.h"

#include "parts/pipes/ball_nipple_page.h"
#include "parts/pipes/ball_nut_page.h"
#include "parts/pipes/hexagon_cut.h"

#include "ui_ball_fitting_page.h"
#include "ui_ball_nipple_page.h"
#include "ui_ball_nut_page.h"

#include <cmath>
#include <vector>

namespace pipes {

namespace {

constexpr double pi = 3.141592653589793;
constexpr int kFittingColour = 82, kNippleColour = 52, kNutColour = 77;

double radians(double degrees)
{
    return degrees * pi / 180;
}
double tangent(double angle)
{
    return std::sin(angle) / std::cos(angle);
}

const double kCone = radians(18.5);  // inner cone of the end fitting against the axis
const double kSeat = radians(71.5);  // where the ball touches that cone
const double kChamfer = radians(30); // chamfers of the collars
const double kTaper = radians(1.79); // the tapered pipe thread

// The end fitting's sizes as "3D" reads them.
struct Fitting {
    double d1, d2, d, L, c, Lm, b, d3, d5, D1, c1, L1, D0;
    double d4 = 0, b1 = 0; // cylindrical thread
    double L2 = 0, L3 = 0; // tapered thread
};

// Start of the inner cone on the bore.
double coneStart(const Fitting& e)
{
    return e.L - (e.d2 / 2 - e.d1 / 2) / tangent(kCone);
}

// The end fitting's half section, its pipe-thread end at x = 0: 19 vertices
// with the cylindrical thread, 18 with the tapered one.
std::vector<acad::XY> fittingProfile(const Fitting& e, bool gThread)
{
    std::vector<acad::XY> v{{0, e.d1 / 2}, {coneStart(e), e.d1 / 2}, {e.L, e.d2 / 2}, {e.L, e.d / 2 - e.c},
                            {e.L - e.c, e.d / 2}};
    // The thread's chamfer at the undercut, or from the undercut straight
    // up to d where the chamfer would end below it.
    const double undercut = e.L - e.Lm + e.b;
    if (e.d - 2 * e.c >= e.d3) {
        v.insert(v.end(), {{undercut + e.c, e.d / 2}, {undercut, e.d / 2 - e.c}, {undercut, e.d3 / 2}});
    } else {
        v.insert(v.end(), {{undercut + (e.d / 2 - e.d3 / 2), e.d / 2}, {undercut, e.d3 / 2}, {undercut, e.d3 / 2}});
    }
    const double rise = tangent(kChamfer) * (e.D1 / 2 - e.d5 / 2);
    v.insert(v.end(), {{e.L - e.Lm, e.d3 / 2}, {e.L - e.Lm, e.d5 / 2}, {e.L - e.Lm - rise, e.D1 / 2}});
    if (gThread) {
        v.insert(v.end(), {{e.L1, e.D1 / 2}, {e.L1, e.d4 / 2}, {e.L1 - e.b1, e.d4 / 2}});
        if (e.D0 - 2 * e.c1 >= e.d4)
            v.insert(v.end(), {{e.L1 - e.b1, e.D0 / 2 - e.c1}, {e.L1 - e.b1 - e.c1, e.D0 / 2}});
        else
            v.insert(v.end(), {{e.L1 - e.b1, e.d4 / 2}, {e.L1 - e.b1 - (e.D0 / 2 - e.d4 / 2), e.D0 / 2}});
        v.insert(v.end(), {{e.c1, e.D0 / 2}, {0, e.D0 / 2 - e.c1}, {0, e.d1 / 2}});
    } else {
        const double end = e.D0 / 2 - tangent(kTaper) * (e.L1 - e.c1);
        v.insert(v.end(), {{e.L3 + rise, e.D1 / 2},
                           {e.L3, e.d5 / 2},
                           {e.L3, e.D0 / 2},
                           {e.L1, e.D0 / 2},
                           {e.c1, end},
                           {0, end - e.c1},
                           {0, e.d1 / 2}});
    }
    return v;
}

} // namespace

void BallFittingPage::BitBtn86Click()
{
    acad::WorkingFields& f = w();
    const Ui::Panel96& nip = nipple_->form();
    const Ui::Panel95& nut = nut_->form();
    const bool gThread = ui->RadioButton31->isChecked();

    // The end fitting.
    Fitting e{};
    e.d1 = readFloat(ui->Edit402);
    e.d2 = readFloat(ui->Edit393);
    e.d = readFloat(ui->Edit392);
    e.L = readFloat(ui->Edit396);
    e.c = readFloat(ui->Edit394);
    e.Lm = readFloat(ui->Edit397);
    e.b = readFloat(ui->Edit398);
    e.d3 = readFloat(ui->Edit399);
    e.d5 = readFloat(ui->Edit419);
    e.D1 = readFloat(ui->Edit401);
    e.c1 = readFloat(ui->Edit395);
    e.L1 = readFloat(ui->Edit412);
    e.D0 = readFloat(ui->Edit413);
    if (gThread) {
        e.d4 = readFloat(ui->Edit417);
        e.b1 = readFloat(ui->Edit416);
    }
    if (ui->RadioButton30->isChecked()) {
        e.L2 = readFloat(ui->Edit414);
        e.L3 = readFloat(ui->Edit415);
    }
    f.Dim15 = e.d1;
    f.Dim06 = e.L;
    f.Dim02 = e.d5;

    f.SetProfile(fittingProfile(e, gThread));
    f.MakeProfileRegion();
    f.NewSolid = f.RevolveProfile(acad::AcadPoint(0, 0, 0), acad::AcadPoint(77, 0, 0));
    const double S3 = readFloat(ui->Edit418);
    cutHexagon(f, f.NewSolid, f.BodySolid, {2 * e.L, 2 * e.L, S3, acad::AcadPoint(0, 0, S3), 1});
    f.NewSolid.put_color(kFittingColour);

    // The nipple, its ball 0.0001 off the seat in the end fitting's cone.
    const double R = readFloat(nip.Edit403);
    f.Dim08 = readFloat(nip.Edit404);
    const double L1 = f.Dim08;
    const double T = (R * std::sin(kSeat) - e.d1 / 2) / tangent(kCone) + coneStart(e);
    const double B = R * std::cos(kSeat) + T - L1 + 0.0001;
    const double Lm = readFloat(nip.Edit407), L = readFloat(nip.Edit406), d2 = readFloat(nip.Edit421),
                 d3 = readFloat(nip.Edit408), d = readFloat(nip.Edit422), D = readFloat(nip.Edit423),
                 L2 = readFloat(nip.Edit405);
    const double ballFace = std::sqrt(R * R - L1 * L1);
    f.SetProfile({{B, e.d1 / 2},
                  {B + L, e.d1 / 2},
                  {B + L, d2 / 2},
                  {B + L - (d / 2 - d2 / 2), d / 2},
                  {B + L - Lm, d / 2},
                  {B + L - Lm, D / 2},
                  {B + L2 + tangent(kChamfer) * (D / 2 - d3 / 2), D / 2},
                  {B + L2, d3 / 2},
                  {B + L1, d3 / 2},
                  {B, ballFace},
                  {B, e.d1 / 2}});
    // The ball's arc from its top down to the ball-side face; its bulge is
    // worked out once the outline stands.
    f.ProfilePolyline = f.ModelSpace().AddPolyline(f.VertexArray);
    const double theta = pi / 2 - std::atan(ballFace / L1);
    f.ProfilePolyline.SetBulge(8, tangent(theta / 4));
    f.RegionSource = {f.ProfilePolyline};
    f.RegionResult = f.ModelSpace().AddRegion(f.RegionSource);
    f.ProfileRegion = f.ModelSpace().Item(f.ModelSpace().Count() - 1).as<acad::IAcadRegion>();
    f.GroupSolid = f.RevolveProfile(acad::AcadPoint(0, 0, 0), acad::AcadPoint(77, 0, 0));
    f.GroupSolid.put_color(kNippleColour);

    // The union nut, its inner shoulder 0.0001 beyond the nipple's collar.
    f.Dim09 = B + L - Lm + 0.0001;
    const double Bn = f.Dim09;
    f.Dim16 = readFloat(ui->Edit400);
    const double D2a = f.Dim16;
    const double H = readFloat(nut.Edit427);
    f.Dim14 = readFloat(nut.Edit424);
    f.Dim00 = readFloat(nut.Edit425);
    f.Dim01 = readFloat(nut.Edit426);
    f.Dim12 = readFloat(nut.Edit431);
    f.Dim11 = readFloat(nut.Edit428);
    const double nd = readFloat(nut.Edit430);
    f.Dim07 = readFloat(nut.Edit435);
    f.Dim13 = radians(readFloat(nut.Edit433));
    f.Dim23 = radians(readFloat(nut.Edit434));
    f.Dim04 = readFloat(nut.Edit429);
    const double D3 = f.Dim14, nd1 = f.Dim00, h = f.Dim01, D2 = f.Dim12, nLm = f.Dim11, D4 = f.Dim07,
                 alfa = f.Dim13, alfa1 = f.Dim23, nb = f.Dim04;
    const double open = Bn - nLm, far = Bn - nLm + H;
    f.SetProfile({{Bn, nd1 / 2 + 0.0001},
                  {far, nd1 / 2 + 0.0001},
                  {far, D4 / 2},
                  {far - tangent(alfa1) * (D2a / 2 - D4 / 2), D2a / 2},
                  {open + (H - h) + tangent(alfa) * (D2a / 2 - D2 / 2), D2a / 2},
                  {open + (H - h), D2 / 2},
                  {open, D2 / 2},
                  {open, nd / 2 + 0.0001},
                  {Bn - nb, nd / 2 + 0.0001},
                  {Bn - nb, D3 / 2},
                  {Bn, D3 / 2},
                  {Bn, nd1 / 2 + 0.0001}});
    f.MakeProfileRegion();
    f.ToolSolid = f.RevolveProfile(acad::AcadPoint(0, 0, 0), acad::AcadPoint(77, 0, 0));
    f.Dim06 = readFloat(ui->Edit396);
    f.Dim03 = readFloat(ui->Edit420);
    const double S2 = f.Dim03;
    cutHexagon(f, f.ToolSolid, f.BodySolid, {7 * f.Dim06, 7 * f.Dim06, S2, acad::AcadPoint(0, 0, S2), 1});
    f.ToolSolid.put_color(kNutColour);

    // Point A to the origin, the axis upright if asked, then to the typed point.
    f.Dim05 = gThread ? readFloat(ui->Edit412) : readFloat(ui->Edit414);
    f.AxisPoint = acad::AcadPoint(0, 0, 0);
    f.AxisDirection = acad::AcadPoint(-f.Dim05, 0, 0);
    for (acad::IAcad3DSolid* s : {&f.NewSolid, &f.ToolSolid, &f.GroupSolid})
        s->Move(f.AxisPoint, f.AxisDirection);
    if (nip.RadioButton33->isChecked()) {
        f.AxisDirection = acad::AcadPoint(0, 77, 0);
        for (acad::IAcad3DSolid* s : {&f.NewSolid, &f.ToolSolid, &f.GroupSolid})
            s->Rotate3D(f.AxisPoint, f.AxisDirection, -pi / 2);
    }
    f.Dim24 = readFloat(ui->Edit409);
    f.Dim25 = readFloat(ui->Edit410);
    f.Dim26 = readFloat(ui->Edit411);
    f.AxisDirection = acad::AcadPoint(f.Dim24, f.Dim25, f.Dim26);
    for (acad::IAcad3DSolid* s : {&f.NewSolid, &f.ToolSolid, &f.GroupSolid})
        s->Move(f.AxisPoint, f.AxisDirection);
}

} // namespace pipes
