#include "parts/design/keyed_bore_panel.h"

#include "parts/design/slot_panel.h"

#include "ui_keyed_bore_panel.h"

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

KeyedBorePanel::KeyedBorePanel(shell::PanelContext& context, QWidget* parent)
    : PartPanel(context, parent), ui(std::make_unique<Ui::Panel128>())
{
    ui->setupUi(this);
    onClick(ui->BitBtn122, &KeyedBorePanel::BitBtn122Click);
    onClick(ui->BitBtn123, &KeyedBorePanel::BitBtn123Click);
}

KeyedBorePanel::~KeyedBorePanel() = default;

KeywayEdits KeyedBorePanel::keywayEdits() const
{
    return {ui->Edit538, ui->Edit539, ui->Edit541};
}

void KeyedBorePanel::BitBtn122Click()
{
    acad::WorkingFields& f = w();
    f.Dim09 = readFloat(ui->Edit538);
    f.Dim06 = readFloat(ui->Edit540);
    f.Dim15 = readFloat(ui->Edit537);
    f.Dim08 = readFloat(ui->Edit541);
    f.Dim12 = readFloat(ui->Edit539);
    f.Dim12 = f.Dim12 + f.Dim15;
    const double b = f.Dim09, L = f.Dim06, d = f.Dim15, r1 = f.Dim08;

    // Where the keyway's walls meet the bore, and the keyway's bottom.
    const double yc = std::sqrt((d / 2) * (d / 2) - (b / 2) * (b / 2));
    const double T = f.Dim12 - d / 2;
    f.SetProfile({{-b / 2, yc}, {-b / 2, T - r1}, {-b / 2 + r1, T}, {b / 2 - r1, T}, {b / 2, T - r1},
                  {b / 2, yc}, {-b / 2, yc}});
    // The angle of the keyway's chord at the bore's centre.
    f.Dim13 = 2 * std::atan((b / 2) / yc);

    std::vector<acad::Bulge> bulges;
    if (ui->RadioButton50->isChecked())
        bulges = {{1, clockwise(pi / 8)}, {3, clockwise(pi / 8)}};
    bulges.push_back({5, clockwise((2 * pi - f.Dim13) / 4)});
    f.MakeProfileRegion(bulges);
    f.GroupSolid = f.ExtrudeProfile(L);
    f.GroupSolid.put_color(kCuttingColour);
}

void KeyedBorePanel::BitBtn123Click()
{
    context().TableSidePanelLayout(tables_);
}

} // namespace design
