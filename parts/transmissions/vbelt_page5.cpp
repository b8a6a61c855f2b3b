#include "parts/transmissions/vbelt_page5.h"

#include "parts/transmissions/vbelt_drive.h"

#include "ui_vbelt_page1.h"
#include "ui_vbelt_page2.h"
#include "ui_vbelt_page4.h"
#include "ui_vbelt_page5.h"

#include <cmath>

namespace transmissions {

VBeltPage5::VBeltPage5(shell::PanelContext& context, QWidget* parent, std::shared_ptr<VBeltBoxes> boxes)
    : VBeltPage(context, parent, boxes), ui(std::make_unique<Ui::Panel116>())
{
    ui->setupUi(this);
    boxes->page5 = ui.get();
    onClick(ui->BitBtn111, &VBeltPage5::BitBtn111Click);
    onClick(ui->BitBtn112, &VBeltPage5::BitBtn112Click);
}

VBeltPage5::~VBeltPage5() = default;

void VBeltPage5::BitBtn111Click()
{
    Ui::Panel106& p2 = *boxes().page2;
    Ui::Panel113& p4 = *boxes().page4;
    const double F1 = readFloat(p4.Edit500);
    const double F2 = readFloat(p4.Edit501);
    const double x = readFloat(p4.Edit503);
    double Fc = readFloat(p4.Edit499);
    write73(ui->Edit502, 0.5 * (F1 + F2) + x * Fc);
    Fc = readFloat(p4.Edit499);
    const double alpha1 = readFloat(p2.Edit484) * pi / 180;
    write73(ui->Edit504, std::sqrt(F1 * F1 + F2 * F2 - 2 * F1 * F2 * std::cos(alpha1)) - 2 * Fc * std::cos(alpha1));
}

void VBeltPage5::BitBtn112Click()
{
    acad::WorkingFields& w = this->w();
    Ui::Panel105& p1 = *boxes().page1;
    Ui::Panel106& p2 = *boxes().page2;
    Ui::Panel113& p4 = *boxes().page4;

    // The pulleys.
    const double dm = readFloat(p1.Edit470);
    Groove g;
    g.z = readFloat(p4.Edit495);
    g.H = readFloat(ui->Edit506);
    g.Lp = readFloat(ui->Edit505);
    g.b = readFloat(ui->Edit507);
    g.f = readFloat(ui->Edit508);
    g.e = readFloat(ui->Edit509);
    g.r = readFloat(ui->Edit510);
    g.gamma = readFloat(ui->Edit511) * pi / 180;
    shell::limitCount(g.z, "Число ремней z");
    drawPulley(w, w.GroupSolid, g, dm);
    w.GroupSolid.put_color(52);
    const double dbPulley = readFloat(p1.Edit471);
    drawPulley(w, w.BodySolid, g, dbPulley);
    w.BodySolid.put_color(42);
    const double aPulley = readFloat(p2.Edit483);
    w.LineEnd = {0, aPulley, 0};
    w.BodySolid.Move(w.LineStart, w.LineEnd);

    // The belts, one in each groove.
    BeltSection3D s;
    double z = 0, dmBelt = 0;
    auto readSection = [&] {
        s.Yo = readFloat(ui->Edit516);
        dmBelt = readFloat(p1.Edit470);
        z = readFloat(p4.Edit495);
        s.h = readFloat(ui->Edit515);
        s.Lq = readFloat(ui->Edit505) - 0.0002;
        s.f = readFloat(ui->Edit508);
        g.e = readFloat(ui->Edit509);
        s.beta = readFloat(ui->Edit514) * pi / 180;
    };
    auto wrap = [this](QLineEdit* alpha, QLineEdit* correction) {
        const double a = readFloat(alpha);
        return (a + readFloat(correction)) * pi / 180;
    };
    // A straight branch from the small arc's end, extruded by the height and turned.
    auto branch = [&](double sign, double turnSign, double theta2) {
        w.SetProfile(beltProfile(s, dmBelt / 2));
        w.MakeProfileRegion({{1, beltFaceBulge(s)}});
        const double a = readFloat(p2.Edit483);
        const double dm2 = readFloat(p1.Edit470);
        const double db = readFloat(p1.Edit471);
        const double theta1 = wrap(ui->Edit512, ui->Edit520);
        const double lambda = readFloat(ui->Edit521);
        w.ToolSolid = w.ModelSpace().AddExtrudedSolid(w.ProfileRegion, sign * (branchLength(a, dm2, db, theta1, theta2) + lambda), 0);
        w.DeleteProfile();
        w.LineEnd = {777, 0, 0};
        const double tau = readFloat(ui->Edit518) * pi / 180;
        w.ToolSolid.Rotate3D(w.LineStart, w.LineEnd, turnSign * (pi - theta1 / 2 - tau));
        w.NewSolid.Boolean(acad::acUnion, w.ToolSolid);
    };

    w.ModeFlag = 0;
    do {
        w.ModeFlag = w.ModeFlag + 1;
        readSection();
        // The arc around the small pulley, centred away from the large one.
        const double theta1 = wrap(ui->Edit512, ui->Edit520);
        w.SetProfile(beltProfile(s, dmBelt / 2));
        w.MakeProfileRegion({{1, beltFaceBulge(s)}});
        w.LineEnd = {77, 0, 0};
        w.NewSolid = w.ModelSpace().AddRevolvedSolid(w.ProfileRegion, w.LineStart, w.LineEnd, theta1);
        w.DeleteProfile();
        w.NewSolid.Rotate3D(w.LineStart, w.LineEnd, std::fabs(pi - theta1) / 2 + pi / 2);
        // The arc around the large pulley, centred towards the small one.
        const double db = readFloat(p1.Edit471);
        const double theta2 = wrap(ui->Edit513, ui->Edit519);
        w.SetProfile(beltProfile(s, db / 2));
        w.MakeProfileRegion({{1, beltFaceBulge(s)}});
        w.LineEnd = {77, 0, 0};
        w.ToolSolid = w.ModelSpace().AddRevolvedSolid(w.ProfileRegion, w.LineStart, w.LineEnd, theta2);
        w.DeleteProfile();
        w.ToolSolid.Rotate3D(w.LineStart, w.LineEnd, 3 * pi / 2 - std::fabs(pi - theta2) / 2);
        const double a = readFloat(p2.Edit483);
        w.LineEnd = {0, a, 0};
        w.ToolSolid.Move(w.LineStart, w.LineEnd);
        w.NewSolid.Boolean(acad::acUnion, w.ToolSolid);
        // The upper branch towards -Z, the lower one towards +Z.
        dmBelt = readFloat(p1.Edit470);
        branch(-1, 1, wrap(ui->Edit513, ui->Edit519));
        readSection();
        dmBelt = readFloat(p1.Edit470);
        branch(1, -1, wrap(ui->Edit513, ui->Edit519));
        // Into its groove.
        w.BasePoint = {(w.ModeFlag - 1) * g.e, 0, 0};
        w.NewSolid.Move(w.LineStart, w.BasePoint);
        w.NewSolid.put_color(156);
    } while (w.ModeFlag < z);
}

} // namespace transmissions
