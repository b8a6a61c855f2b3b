#include "parts/design/slot_panel.h"

#include "parts/design/slot_table.h"

#include "ui_slot_panel.h"

#include <cmath>

namespace design {

namespace {
constexpr double pi = 3.141592653589793;
}

SlotPanel::SlotPanel(shell::PanelContext& context, QWidget* parent, SlotTable* table)
    : PartPanel(context, parent), ui(std::make_unique<Ui::Panel127>()), table_(table)
{
    ui->setupUi(this);
    onClick(ui->BitBtn120, &SlotPanel::BitBtn120Click);
    onClick(ui->BitBtn121, &SlotPanel::BitBtn121Click);
}

SlotPanel::~SlotPanel() = default;

void SlotPanel::BitBtn120Click()
{
    acad::WorkingFields& f = w();
    f.Dim09 = readFloat(ui->Edit535);
    f.Dim06 = readFloat(ui->Edit534);
    f.Dim11 = readFloat(ui->Edit536);
    const double B = f.Dim09, L = f.Dim06, H = f.Dim11;

    // The straight part between the centres of the two half circles.
    f.SetProfile({{0, -B / 2}, {0, B / 2}, {L - B, B / 2}, {L - B, -B / 2}, {0, -B / 2}});
    const double halfCircle = -std::sin(pi / 4) / std::cos(pi / 4);
    f.MakeProfileRegion({{0, halfCircle}, {2, halfCircle}});
    f.GroupSolid = f.ExtrudeProfile(H);
    f.GroupSolid.put_color(kCuttingColour);
}

void SlotPanel::BitBtn121Click()
{
    context().TableSidePanelLayout(table_);
    table_->fill();
}

} // namespace design
