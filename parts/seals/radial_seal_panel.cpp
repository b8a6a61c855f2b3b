#include "parts/seals/radial_seal_panel.h"

#include "parts/seals/revolution.h"

#include "ui_radial_seal_panel.h"

namespace seals {

namespace {

constexpr int kGrooveColour = 5;
constexpr int kRingColour = 3;
const double t = bulgeOf(kPi / 8);

// The groove of one variant: its bottom at radius `bottom`, its mouth at
// radius `mouth`; `s` is +1 when the bottom lies below the mouth (a groove
// on a shaft) and -1 when above it (a groove in a bore).
Profile groove(double b, double R, double r, double bottom, double mouth, double s)
{
    return {{{R - b / 2, bottom},
             {-b / 2, bottom + s * R},
             {-b / 2, mouth - s * r},
             {-b / 2 - r, mouth},
             {b / 2 + r, mouth},
             {b / 2, mouth - s * r},
             {b / 2, bottom + s * R},
             {b / 2 - R, bottom},
             {R - b / 2, bottom}},
            {{0, -s * t}, {2, s * t}, {4, s * t}, {6, -s * t}}};
}

// The squeezed ring from radius `inner` to `outer`: flat on both, with
// semicircular ends k inside the groove's walls.
Profile ring(double b, double k, double inner, double outer)
{
    const double w = (outer - inner) / 2;
    return {{{-b / 2 + k + w, inner},
             {-b / 2 + k, inner + w},
             {-b / 2 + k + w, outer},
             {b / 2 - k - w, outer},
             {b / 2 - k, inner + w},
             {b / 2 - k - w, inner},
             {-b / 2 + k + w, inner}},
            {{0, -t}, {1, -t}, {3, -t}, {4, -t}}};
}

} // namespace

RadialSealPanel::RadialSealPanel(shell::PanelContext& context, QWidget* parent)
    : PartPanel(context, parent), ui(std::make_unique<Ui::Panel54>())
{
    ui->setupUi(this);
    onClick(ui->BitBtn51, &RadialSealPanel::BitBtn51Click);
}

RadialSealPanel::~RadialSealPanel() = default;

void RadialSealPanel::BitBtn51Click()
{
    // All ten sizes are numbers, whichever variant uses them.
    const double D2 = readFloat(ui->Edit81), d3 = readFloat(ui->Edit82), D1 = readFloat(ui->Edit83),
                 d2 = readFloat(ui->Edit84), b = readFloat(ui->Edit85), R = readFloat(ui->Edit86),
                 r = readFloat(ui->Edit87), k = readFloat(ui->Edit89), D = readFloat(ui->Edit88),
                 d = readFloat(ui->Edit90);
    const bool onShaft = ui->RadioButton11->isChecked();
    const Profile grooveProfile = onShaft ? groove(b, R, r, d3 / 2, D2 / 2, 1) : groove(b, R, r, D1 / 2, d2 / 2, -1);
    const Profile ringProfile = onShaft ? ring(b, k, d3 / 2, D / 2) : ring(b, k, d / 2, D1 / 2);

    // The groove's region and solid are the procedure's own.
    acad::WorkingFields& f = w();
    f.SetProfile(grooveProfile.vertices);
    f.ProfilePolyline = ModelSpace().AddPolyline(f.VertexArray);
    for (const acad::Bulge& bulge : grooveProfile.bulges)
        f.ProfilePolyline.SetBulge(bulge.vertex, bulge.value);
    const std::vector<acad::IAcadEntity> curves{f.ProfilePolyline};
    ModelSpace().AddRegion(curves);
    auto region = ModelSpace().Item(ModelSpace().Count() - 1).as<acad::IAcadRegion>();
    f.AxisPoint = acad::AcadPoint(0, 0, 0);
    f.AxisDirection = acad::AcadPoint(77, 0, 0);
    acad::IAcad3DSolid grooveSolid = ModelSpace().AddRevolvedSolid(region, f.AxisPoint, f.AxisDirection, kFullTurn);
    grooveSolid.put_color(kGrooveColour);
    f.ProfilePolyline.Delete();
    region.Delete();

    f.ExtraSolid = revolveAboutX(f, ringProfile);
    f.ExtraSolid.put_color(kRingColour);
}

} // namespace seals
