#include "parts/pipes/hose_panel.h"

#include "parts/pipes/barb.h"
#include "parts/pipes/hexagon_cut.h"
#include "parts/pipes/hose_threads.h"

#include "ui_hose_panel.h"

#include <cmath>

namespace pipes {

namespace {

constexpr double pi = 3.141592653589793;
constexpr int kColour = 52;

double tangent(double angle)
{
    return std::sin(angle) / std::cos(angle);
}

// The through bore of diameter d from the end face to 2L, cut from the body.
void cutBore(acad::WorkingFields& f, double d, double L)
{
    f.SetProfile({{0, 0}, {2 * L, 0}, {2 * L, d / 2}, {0, d / 2}, {0, 0}});
    f.MakeProfileRegion();
    f.NewSolid = f.RevolveProfile(f.AxisPoint, f.AxisDirection);
    f.GroupSolid.Boolean(acad::acSubtraction, f.NewSolid);
}

// Flats S across facing +-Y, the boxes reaching from the end face to 2L.
void cutFlats(acad::WorkingFields& f, double S, double L)
{
    cutHexagon(f, f.GroupSolid, f.NewSolid, {2 * L, S, 2 * L, acad::AcadPoint(L, -S, 0), 0});
}

// A triangle from the end face's axis side, turned about the X axis
// through BasePoint, cut from the body.
void cutTurnedTriangle(acad::WorkingFields& f, double top, double low, double L4, double far)
{
    f.SetProfile({{0, top}, {0, low}, {L4, far}, {0, top}});
    f.MakeProfileRegion();
    f.NewSolid = f.ModelSpace().AddRevolvedSolid(f.ProfileRegion, f.BasePoint, f.AxisDirection, 2 * pi);
    f.DeleteProfile();
    f.GroupSolid.Boolean(acad::acSubtraction, f.NewSolid);
}

} // namespace

HosePanel::HosePanel(shell::PanelContext& context, QWidget* parent)
    : PartPanel(context, parent), ui(std::make_unique<Ui::Panel91>())
{
    ui->setupUi(this);
    onClick(ui->BitBtn88, &HosePanel::BitBtn88Click);
}

HosePanel::~HosePanel() = default;

void HosePanel::BitBtn88Click()
{
    acad::WorkingFields& f = w();
    f.Dim11 = readFloat(ui->Edit331);
    f.Dim12 = readFloat(ui->Edit332);
    f.Dim14 = readFloat(ui->Edit333);
    Ersh(f);

    // The barb's tip to x = L.
    f.BasePoint = acad::AcadPoint(0, 0, 0);
    const double L = readFloat(ui->Edit335);
    f.AxisDirection = acad::AcadPoint(L, 0, 0);
    f.NewSolid.Move(f.BasePoint, f.AxisDirection);

    if (ui->RadioButton24->isChecked())
        drawCylindricalThread();
    if (ui->RadioButton25->isChecked())
        drawTaperedThread();
    f.GroupSolid.put_color(kColour);
}

void HosePanel::drawCylindricalThread()
{
    acad::WorkingFields& f = w();
    const double dG = hose::cylindricalBore(readFloat(ui->Edit349), readFloat(ui->Edit350), readFloat(ui->Edit351));
    const double d3 = readFloat(ui->Edit341), D1 = readFloat(ui->Edit340), D = readFloat(ui->Edit339),
                 L3 = readFloat(ui->Edit338), lm = readFloat(ui->Edit336), d2 = readFloat(ui->Edit333),
                 L = readFloat(ui->Edit335);
    const double L1 = readFloat(ui->Edit331);
    const double d = readFloat(ui->Edit334), L2 = readFloat(ui->Edit337), fu = readFloat(ui->Edit342);

    // Collar, the head's hexagon blank with its 30-degree chamfers, shank;
    // inside the bore, the undercut and the threaded bore.
    const double e = tangent(30 * pi / 180) * (D - D1) / 2;
    const double barb = L - 4 * L1;
    f.SetProfile({{0, -dG / 2},
                  {0, -D1 / 2},
                  {L3, -D1 / 2},
                  {L3 + e, -D / 2},
                  {lm - e, -D / 2},
                  {lm, -D1 / 2},
                  {lm, -d2 / 2},
                  {barb, -d2 / 2},
                  {barb, -d / 2},
                  {L2, -d / 2},
                  {L2, -d3 / 2},
                  {L2 - fu, -d3 / 2},
                  {L2 - fu, -dG / 2},
                  {0, -dG / 2}});
    f.MakeProfileRegion();
    f.GroupSolid = f.RevolveProfile(acad::AcadPoint(0, 0, 0), acad::AcadPoint(77, 0, 0));
    f.GroupSolid.Boolean(acad::acUnion, f.NewSolid);

    cutBore(f, d, L);
    cutFlats(f, readFloat(ui->Edit343), L);
}

void HosePanel::drawTaperedThread()
{
    acad::WorkingFields& f = w();
    const double D3 = readFloat(ui->Edit345), L = readFloat(ui->Edit335), L4 = readFloat(ui->Edit347),
                 L5 = readFloat(ui->Edit348), D2 = readFloat(ui->Edit346), L1 = readFloat(ui->Edit331),
                 d = readFloat(ui->Edit334), S1 = readFloat(ui->Edit344), d2 = readFloat(ui->Edit333);

    // Thread end, the hexagon blank with its 30-degree chamfers, shank;
    // solid down to the axis, revolved about the axis the barb's move left.
    const double e = tangent(30 * pi / 180) * (D2 - D3) / 2;
    const double barb = L - 4 * L1;
    f.SetProfile({{0, 0},
                  {0, D3 / 2},
                  {L4, D3 / 2},
                  {L4 + e, D2 / 2},
                  {L5 - e, D2 / 2},
                  {L5, D3 / 2},
                  {L5, d2 / 2},
                  {barb, d2 / 2},
                  {barb, 0},
                  {0, 0}});
    f.MakeProfileRegion();
    f.GroupSolid = f.RevolveProfile(f.AxisPoint, f.AxisDirection);
    f.GroupSolid.Boolean(acad::acUnion, f.NewSolid);

    cutBore(f, d, L);
    cutFlats(f, S1, L);

    // The thread's cone, half-angle 1.79 degrees, and the end chamfer that
    // starts hK inside it at the end face and rises by sin 45 degrees.
    const hose::TaperedThread k =
        hose::taperedThread(readFloat(ui->Edit352), readFloat(ui->Edit353), readFloat(ui->Edit354), L);
    const double l4 = readFloat(ui->Edit347); // read again, as typed now
    const double t = tangent(1.79 * pi / 180);
    f.BasePoint = acad::AcadPoint(0, 0, 0);
    f.AxisDirection = acad::AcadPoint(77, 0, 0);
    cutTurnedTriangle(f, 2 * k.dK, k.dK / 2 - t * k.lK, l4, k.dK / 2 + t * (l4 - k.lK));
    const double y0 = k.dK / 2 - t * k.lK - k.hK;
    cutTurnedTriangle(f, 2 * k.dK, y0, l4, y0 + l4 * std::sin(45 * pi / 180));
}

} // namespace pipes
