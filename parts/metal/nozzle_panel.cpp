#include "parts/metal/nozzle_panel.h"

#include "parts/metal/extruded_profile.h"

#include "acad/errors.h"

#include "ui_nozzle_panel.h"

namespace metal {

namespace {
constexpr double pi = 3.141592653589793;
}

NozzlePanel::NozzlePanel(shell::PanelContext& context, QWidget* parent)
    : PartPanel(context, parent), ui(std::make_unique<Ui::Panel33>())
{
    ui->setupUi(this);
    onClick(ui->BitBtn26, &NozzlePanel::BitBtn26Click);
    onClick(ui->BitBtn28, &NozzlePanel::BitBtn28Click);
}

NozzlePanel::~NozzlePanel() = default;

QString NozzlePanel::negativeGrooveMessage()
{
    return QStringLiteral("Длина проточки Lv не может быть отрицательной");
}

void NozzlePanel::BitBtn26Click()
{
    acad::WorkingFields& f = w();
    f.Dim00 = readFloat(ui->Edit41);
    f.Dim03 = readFloat(ui->Edit42);
    f.Dim06 = readFloat(ui->Edit43);
    f.Dim11 = readFloat(ui->Edit44);
    // The groove rule: without a groove the end keeps the outer diameter.
    if (f.Dim11 < 0)
        throw acad::Exception(negativeGrooveMessage());
    f.Dim12 = f.Dim11 == 0 ? f.Dim00 : readFloat(ui->Edit45);

    const double D = f.Dim00, S = f.Dim03, L = f.Dim06, Lv = f.Dim11, Dv = f.Dim12;
    f.SetProfile({{0, D / 2 - S}, {0, D / 2}, {L - Lv, D / 2}, {L - Lv, Dv / 2}, {L, Dv / 2}, {L, D / 2 - S},
                  {0, D / 2 - S}});
    f.MakeProfileRegion();
    f.BodySolid = f.RevolveProfile(acad::AcadPoint(0, 0, 0), acad::AcadPoint(L, 0, 0));
    f.BodySolid.put_color(kMetalColour);
    f.KeepBody(this);

    // The bore's volume in litres, from the sizes in metres.
    f.Dim00 /= 1000;
    f.Dim03 /= 1000;
    f.Dim06 /= 1000;
    const double bore = f.Dim00 - 2 * f.Dim03;
    f.Dim11 = bore * bore * pi * f.Dim06 * 1000 / 4;
    writeFloat(ui->Edit46, f.Dim11, 7, 3);
}

void NozzlePanel::BitBtn28Click()
{
    acad::WorkingFields& f = w();
    // The sizes are read before the nozzle is touched, so that a bad text
    // leaves the nozzle in the drawing.
    const double D = readFloat(ui->Edit41), S = readFloat(ui->Edit42), L = readFloat(ui->Edit43);
    f.SectionBody(this);
    f.Dim00 = D;
    f.Dim03 = S;
    f.Dim06 = L;
    f.Line2D(0, D / 2 - S, 0, -D / 2 + S, 50);
    f.Line2D(L, D / 2 - S, L, -D / 2 + S, 50);
}

} // namespace metal
