#include "parts/fasteners/washer_panel.h"

#include "ui_washer_panel.h"

namespace fasteners {

WasherPanel::WasherPanel(shell::PanelContext& context, QWidget* parent)
    : PartPanel(context, parent), ui(std::make_unique<Ui::Panel45>())
{
    ui->setupUi(this);
    onClick(ui->BitBtn37, &WasherPanel::BitBtn37Click);
    onClick(ui->BitBtn99, &WasherPanel::BitBtn99Click);
}

WasherPanel::~WasherPanel() = default;

void WasherPanel::readSizes()
{
    acad::WorkingFields& f = w();
    f.LineStart = acad::AcadPoint();
    f.LineEnd = acad::AcadPoint();
    f.BasePoint = acad::AcadPoint();
    f.Dim14 = readFloat(ui->Edit57);
    f.Dim15 = readFloat(ui->Edit58);
    f.Dim01 = readFloat(ui->Edit59);
    f.Dim03 = readFloat(ui->Edit60);
    f.Dim16 = readFloat(ui->Edit61);
}

void WasherPanel::BitBtn37Click()
{
    readSizes();
    acad::WorkingFields& f = w();
    const double D = f.Dim14, d = f.Dim15, H = f.Dim01, s = f.Dim03, z = f.Dim16;
    // The wall from the outer surface (x = 0) to the bore.
    const double bore = D / 2 - d / 2;
    f.SetProfile({{0, 0}, {0, H - s}, {s, H}, {bore - z, H}, {bore, H - z}, {bore, 0}, {0, 0}});
    f.MakeProfileRegion();
    f.BodySolid = f.RevolveProfile(acad::AcadPoint(D / 2, 0, 0), acad::AcadPoint(0, D / 2, 0));
    f.BodySolid.put_color(3);
}

void WasherPanel::BitBtn99Click()
{
    readSizes();
    acad::WorkingFields& f = w();
    const double D = f.Dim14, d = f.Dim15, H = f.Dim01, s = f.Dim03, z = f.Dim16;
    const double left = D / 2 - d / 2, right = D / 2 + d / 2;
    f.Line2D(0, 0, 0, H - s, 50);
    f.Line2D(0, H - s, s, H, 50);
    f.Line2D(s, H, D - s, H, 50);
    f.Line2D(D - s, H, D, H - s, 50);
    f.Line2D(D, H - s, D, 0, 50);
    f.Line2D(D, 0, 0, 0, 50);
    f.Line2D(left, 0, left, H - z, 50);
    f.Line2D(left, H - z, left - z, H, 50);
    f.Line2D(right, 0, right, H - z, 50);
    f.Line2D(right, H - z, right + z, H, 50);
    f.Line2D(left, H - z, right, H - z, 50);
}

} // namespace fasteners
