#include "parts/pipes/head_panel.h"

#include "ui_head_panel.h"

#include <cmath>
#include <vector>

namespace pipes {

namespace {
constexpr double pi = 3.141592653589793;
constexpr int kRed = 1;

// The closed half cross-section (x <= 0) of a head of outer diameter D,
// outer height h of the dome, flange height h1 and wall S: 185 vertices, one
// straight segment per degree of each ellipse.
std::vector<acad::XY> outline(double D, double h, double h1, double S)
{
    std::vector<acad::XY> v;
    v.reserve(185);
    v.push_back({-D / 2, 0});
    v.push_back({-D / 2, h1});
    // The outer ellipse rises towards the axis...
    for (int k = 1; k <= 89; ++k)
        v.push_back({-(D / 2) * std::cos(k * pi / 180), h1 + h * std::sin(k * pi / 180)});
    v.push_back({0, h1 + h});
    v.push_back({0, h1 + h - S});
    // ...and the inner one descends away from it.
    for (int k = 1; k <= 89; ++k)
        v.push_back({-(D / 2 - S) * std::sin(k * pi / 180), h1 + (h - S) * std::cos(k * pi / 180)});
    v.push_back({-(D / 2 - S), h1});
    v.push_back({-(D / 2 - S), 0});
    v.push_back({-D / 2, 0});
    return v;
}
} // namespace

HeadPanel::HeadPanel(shell::PanelContext& context, QWidget* parent)
    : PartPanel(context, parent), ui(std::make_unique<Ui::Panel1>())
{
    ui->setupUi(this);
    onClick(ui->BitBtn2, &HeadPanel::BitBtn2Click);
    onClick(ui->BitBtn1, &HeadPanel::BitBtn1Click);
}

HeadPanel::~HeadPanel() = default;

void HeadPanel::BitBtn2Click()
{
    acad::WorkingFields& f = w();
    f.Dim00 = readFloat(ui->Edit1);
    f.Dim01 = readFloat(ui->Edit2);
    f.Dim02 = readFloat(ui->Edit3);
    f.Dim03 = readFloat(ui->Edit4);
    // Inner sizes typed: the head is drawn from the outer ones.
    if (ui->RadioButton2->isChecked()) {
        f.Dim00 = 2 * f.Dim03 + f.Dim00;
        f.Dim01 = f.Dim01 + f.Dim03;
    }
    const double D = f.Dim00, h = f.Dim01, h1 = f.Dim02, S = f.Dim03;

    f.SetProfile(outline(D, h, h1, S));
    f.MakeProfileRegion();
    f.BodySolid = f.RevolveProfile(acad::AcadPoint(0, 0, 0), acad::AcadPoint(0, 77, 0), 2 * pi);
    f.BodySolid.put_color(kRed);
    f.KeepBody(this, {D, h, h1, S});
}

void HeadPanel::BitBtn1Click()
{
    acad::WorkingFields& f = w();
    f.SectionBody(this, 77.0);
    // The sizes this head was drawn from: other panels may have used the
    // bank since.
    const std::vector<double> sizes = f.KeptSizes();
    const double D = sizes[0], h = sizes[1], h1 = sizes[2], S = sizes[3];
    f.Line2D(-(D / 2 - S), h1, D / 2 - S, h1, 50);
    f.Line2D(-(D / 2 - S), 0, D / 2 - S, 0, 50);
    f.Line2D(0, h + h1 + 3, 0, -3, 25, kRed);
}

} // namespace pipes
